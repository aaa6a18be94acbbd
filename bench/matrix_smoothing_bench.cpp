// The matrix window inverting a 300 x 300 matrix and the smoothing window
// running both filters over 1,000,000 rows, each from the data table's text
// cells to the written result table.
#include <benchmark/benchmark.h>

#include <random>

#include "app/application.h"
#include "quiet_platform.h"
#include "table/numbers.h"
#include "transform/filtri_smoothing.h"
#include "transform/matrice.h"

namespace velmora {
namespace {

// A table of `rows` x `columns` ordinary measurements with three decimals.
void fillTable(TMenuGEN& menu, int rows, int columns)
{
    TMenuGEN::PulisciTabella(rows, columns, menu.Tabella_TXT, false);
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> value(-10.0, 10.0);
    for (int c = 0; c < columns; ++c) {
        menu.Tabella_TXT.setHeader(c, TMenuGEN::letterName(c));
        for (int r = 0; r < rows; ++r) {
            const double v = value(random);
            menu.Tabella_TXT.setCell(c, r, FloatToStr(ArrotondaNumero(v, 3), '.'));
        }
    }
}

void BM_MatrixInverse(benchmark::State& state)
{
    bench::QuietPlatform platform;
    Application app(platform);
    const int n = 300;
    fillTable(app.menu(), n, n);
    auto& window = *static_cast<TMatrice*>(app.window("TMatrice"));
    window.Operazione_LST.itemIndex = 1;
    window.Operazione_LSTChange();

    for (auto _ : state) {
        window.Analisi_IMGClick();
        benchmark::DoNotOptimize(window.Tabella_TXT.cell(0, n - 1));
    }
    if (window.Tabella_TXT.rowCount() != n) state.SkipWithError("no inverse");
}
BENCHMARK(BM_MatrixInverse)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SmoothingFilters(benchmark::State& state)
{
    bench::QuietPlatform platform;
    Application app(platform);
    const int rows = 1000000;
    fillTable(app.menu(), rows, 1);
    auto& window = *static_cast<TFiltriSmoothing*>(app.window("TFiltriSmoothing"));
    app.menu().RiempiListaColonne(window.ListaColonne);
    window.ListaColonne.items[0].checked = true;

    for (auto _ : state) {
        for (int filter : {0, 1}) {
            window.Tipo_Filtro_LST.itemIndex = filter;
            window.Analisi_IMGClick();
            benchmark::DoNotOptimize(window.Tabella_TXT.cell(0, rows - 1));
        }
    }
    state.SetItemsProcessed(state.iterations() * rows * 2);
}
BENCHMARK(BM_SmoothingFilters)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace velmora
