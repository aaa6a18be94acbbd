// Multiple linear regression of Y on 10 columns over 1,000,000 rows, from
// the data table's text cells to the written result table.
#include <benchmark/benchmark.h>

#include <random>

#include "app/application.h"
#include "quiet_platform.h"
#include "regression/regressione_multipla_lineare.h"
#include "table/numbers.h"

namespace velmora {
namespace {

void BM_MultipleRegression(benchmark::State& state)
{
    bench::QuietPlatform platform;
    Application app(platform);
    TMenuGEN& menu = app.menu();
    const int rows = 1000000;
    const int regressors = 10;
    TMenuGEN::PulisciTabella(rows, regressors + 1, menu.Tabella_TXT, false);
    std::mt19937_64 random(7);
    // Measurements with three decimals, as a user's file holds them.
    std::uniform_int_distribution<int> thousandths(500, 20000);
    for (int c = 0; c <= regressors; ++c) {
        menu.Tabella_TXT.setHeader(c, TMenuGEN::letterName(c));
        for (int r = 0; r < rows; ++r) menu.Tabella_TXT.setCell(c, r, FloatToStr(thousandths(random) / 1000.0, '.'));
    }
    auto& window = *static_cast<TRegressioneMultiplaLineare*>(app.window("TRegressioneMultiplaLineare"));
    menu.TipoAnalisi_LST.selectText("Regression Multiple Linear");
    menu.Analisi_IMGClick();
    for (std::size_t i = 1; i < window.ListaColonne.items.size(); ++i) window.ListaColonne.items[i].checked = true;

    for (auto _ : state) {
        window.Analisi_IMGClick();
        benchmark::DoNotOptimize(window.Tabella_TXT.cell(1, 5));
    }
    state.SetItemsProcessed(state.iterations() * rows * (regressors + 1));
}
BENCHMARK(BM_MultipleRegression)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace velmora
