// Descriptive statistics of 8 columns x 1,000,000 rows of ordinary values,
// from the data table's text cells to the written result table.
#include <benchmark/benchmark.h>

#include <random>

#include "app/application.h"
#include "descriptive/velmora_descrittiva.h"
#include "quiet_platform.h"
#include "table/numbers.h"

namespace velmora {
namespace {

void BM_Descriptive(benchmark::State& state)
{
    bench::QuietPlatform platform;
    Application app(platform);
    TMenuGEN& menu = app.menu();
    const int rows = 1000000;
    const int columns = 8;
    TMenuGEN::PulisciTabella(rows, columns, menu.Tabella_TXT, false);
    std::mt19937_64 random(42);
    // Ordinary measurements as a user's file holds them: three decimals,
    // between 0.5 and 2 (the geometric average's product leaves the range of
    // doubles within a few thousand rows).
    std::uniform_int_distribution<int> thousandths(500, 2000);
    for (int c = 0; c < columns; ++c) {
        menu.Tabella_TXT.setHeader(c, TMenuGEN::letterName(c));
        for (int r = 0; r < rows; ++r) menu.Tabella_TXT.setCell(c, r, FloatToStr(thousandths(random) / 1000.0, '.'));
    }
    auto& window = *static_cast<TVelmoraDescrittiva*>(app.window("TVelmoraDescrittiva"));
    menu.Analisi_IMGClick();
    for (auto& item : window.ListaColonne.items) item.checked = true;

    for (auto _ : state) {
        window.Analisi_IMGClick();
        benchmark::DoNotOptimize(window.Tabella_TXT.cell(0, 1));
    }
    state.SetItemsProcessed(state.iterations() * rows * columns);
}
BENCHMARK(BM_Descriptive)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace velmora
