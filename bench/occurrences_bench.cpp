// Occurrences of 4 columns x 1,000,000 rows with 1,000 distinct values each,
// from the data table's text cells to the written result table.
#include <benchmark/benchmark.h>

#include <random>

#include "app/application.h"
#include "descriptive/occorrenze.h"
#include "quiet_platform.h"
#include "table/numbers.h"

namespace velmora {
namespace {

void BM_Occurrences(benchmark::State& state)
{
    bench::QuietPlatform platform;
    Application app(platform);
    TMenuGEN& menu = app.menu();
    const int rows = 1000000;
    const int columns = 4;
    TMenuGEN::PulisciTabella(rows, columns, menu.Tabella_TXT, false);
    std::mt19937_64 random(42);
    std::uniform_int_distribution<int> pick(0, 999);
    for (int c = 0; c < columns; ++c) {
        menu.Tabella_TXT.setHeader(c, TMenuGEN::letterName(c));
        for (int r = 0; r < rows; ++r) menu.Tabella_TXT.setCell(c, r, FloatToStr(pick(random) * 0.25 - 50, '.'));
    }
    menu.TipoAnalisi_LST.selectText("Occurrences");
    menu.Analisi_IMGClick();
    auto& window = *static_cast<TOccorrenze*>(app.window("TOccorrenze"));
    for (auto& item : window.ListaColonne.items) item.checked = true;

    for (auto _ : state) {
        window.Analisi_IMGClick();
        benchmark::DoNotOptimize(window.Tabella_TXT.cell(0, 999));
    }
    if (window.Tabella_TXT.rowCount() != 1000) state.SkipWithError("expected 1000 distinct values");
    state.SetItemsProcessed(state.iterations() * rows * columns);
}
BENCHMARK(BM_Occurrences)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace velmora
