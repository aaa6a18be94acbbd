// Spearman's correlation and the autocorrelation of 1,000,000 rows, from the
// data table's text cells to the written result table.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "app/application.h"
#include "inference/autocorrelazione.h"
#include "inference/correlazione.h"
#include "quiet_platform.h"
#include "table/numbers.h"

namespace velmora {
namespace {

constexpr int rows = 1000000;

// The program over two columns of ordinary measurements with one decimal,
// so values repeat (about a thousand distinct ones each) and the ranks have
// many ties.
struct Measurements {
    bench::QuietPlatform platform;
    Application app{platform};
    TMenuGEN& menu = app.menu();

    Measurements()
    {
        TMenuGEN::PulisciTabella(rows, 2, menu.Tabella_TXT, false);
        std::mt19937_64 random(7);
        std::normal_distribution<double> noise(0.0, 15.0);
        menu.Tabella_TXT.setHeader(0, "A");
        menu.Tabella_TXT.setHeader(1, "B");
        for (int r = 0; r < rows; ++r) {
            const double a = 100 + 20 * std::sin(r / 500.0) + noise(random);
            const double b = 0.5 * a + noise(random);
            menu.Tabella_TXT.setCell(0, r, FloatToStr(std::round(a * 10) / 10, '.'));
            menu.Tabella_TXT.setCell(1, r, FloatToStr(std::round(b * 10) / 10, '.'));
        }
    }
};

void BM_Spearman(benchmark::State& state)
{
    Measurements m;
    auto& window = *static_cast<TCorrelazione*>(m.app.window("TCorrelazione"));
    m.menu.RiempiListaColonne(window.ListaColonne);
    for (auto& item : window.ListaColonne.items) item.checked = true;
    window.TipoAnalisi_LST.selectText("Spearman");

    for (auto _ : state) {
        window.Analisi_IMGClick();
        benchmark::DoNotOptimize(window.Tabella_TXT.cell(1, 5));
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_Spearman)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Autocorrelation(benchmark::State& state)
{
    Measurements m;
    auto& window = *static_cast<TAutocorrelazione*>(m.app.window("TAutocorrelazione"));
    window.Colonna_LST.clear();
    window.Colonna_LST.add("A");
    window.Colonna_LST.itemIndex = 0;

    for (auto _ : state) {
        window.Analisi_IMGClick();
        benchmark::DoNotOptimize(window.Tabella_TXT.cell(1, 0));
    }
    // Lags 1 to n div 4.
    if (window.Tabella_TXT.rowCount() != rows / 4) state.SkipWithError("not every lag was computed");
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_Autocorrelation)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace velmora
