// Descriptive statistics of 8 columns x 1,000,000 rows of random doubles,
// from the data table's text cells to the written result table.
#include <benchmark/benchmark.h>

#include <cmath>
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
    // Values spread evenly around 1 in logarithm: the running product of the
    // geometric average stays within range over a million rows.
    std::uniform_real_distribution<double> exponent(-0.2, 0.2);
    auto value = [&](std::mt19937_64& r) { return std::exp(exponent(r)); };
    for (int c = 0; c < columns; ++c) {
        menu.Tabella_TXT.setHeader(c, TMenuGEN::letterName(c));
        for (int r = 0; r < rows; ++r) menu.Tabella_TXT.setCell(c, r, FloatToStr(value(random), '.'));
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
