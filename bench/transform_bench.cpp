// Column operations over 1,000,000 rows: from the data table's text cells to
// the written result column and summary.
#include <benchmark/benchmark.h>

#include <random>

#include "app/application.h"
#include "quiet_platform.h"
#include "table/numbers.h"
#include "transform/operazioni.h"

namespace velmora {
namespace {

void BM_ColumnOperation(benchmark::State& state)
{
    bench::QuietPlatform platform;
    Application app(platform);
    TMenuGEN& menu = app.menu();
    const int rows = 1000000;
    TMenuGEN::PulisciTabella(rows, 2, menu.Tabella_TXT, false);
    menu.Tabella_TXT.setHeader(0, "A");
    menu.Tabella_TXT.setHeader(1, "B");
    // Measurements as a user types them: a few digits each.
    std::mt19937_64 random(42);
    std::uniform_int_distribution<int> tenths(-5000, 5000);
    for (int c = 0; c < 2; ++c)
        for (int r = 0; r < rows; ++r) menu.Tabella_TXT.setCell(c, r, FloatToStr(tenths(random) / 10.0, '.'));
    auto& window = *static_cast<TOperazioni*>(app.window("TOperazioni"));
    window.Operazione_TXT.text = "[A]*2+SIN([B])/(1+[A]^2)";

    for (auto _ : state) {
        window.Analisi_IMGClick();
        benchmark::DoNotOptimize(window.Tabella_TXT.cell(0, rows - 1));
    }
    if (window.Risultati_TXT.lines.empty()) state.SkipWithError("no summary written");
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_ColumnOperation)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace velmora
