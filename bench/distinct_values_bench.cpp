// "Disegna Dati" of the uniform, Rayleigh and Weibull windows on one column
// of 1,000,000 distinct measurements: the occurrence scan, the search for
// the largest density and the function at every distinct value.
#include <benchmark/benchmark.h>

#include <random>

#include "app/application.h"
#include "distributions/distribution_window.h"
#include "quiet_platform.h"
#include "table/numbers.h"

namespace velmora {
namespace {

void BM_DrawAtDistinctValues(benchmark::State& state, const char* analysis, const char* className)
{
    bench::QuietPlatform platform;
    Application app(platform);
    TMenuGEN& menu = app.menu();
    const int rows = 1000000;
    TMenuGEN::PulisciTabella(rows, 1, menu.Tabella_TXT, false);
    menu.Tabella_TXT.setHeader(0, "A");
    std::mt19937_64 random(42);
    // Lifetimes in hours with a few decimals, Weibull-like around 800.
    std::weibull_distribution<double> lifetime(1.5, 800.0);
    for (int r = 0; r < rows; ++r) menu.Tabella_TXT.setCell(0, r, FloatToStr(lifetime(random), '.'));
    auto& window = *dynamic_cast<DistinctValuesDistribution*>(app.window(className));
    menu.TipoAnalisi_LST.selectText(analysis);
    menu.Analisi_IMGClick();
    window.ListaColonne.items[0].checked = true;
    window.Analisi_IMGClick();
    if (auto* lambda = window.findAs<EditBox>("lamda_TXT")) lambda->text = "800";

    for (auto _ : state) {
        window.DisegnaDati_IMGClick();
        benchmark::DoNotOptimize(window.Grafico.series[0].points.back());
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK_CAPTURE(BM_DrawAtDistinctValues, Uniform, "Uniform Distribution", "TDistribuzioneUniforme")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawAtDistinctValues, Rayleigh, "Rayleigh Distribution", "TDistribuzioneRayleigh")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawAtDistinctValues, Weibull, "Weibull Distribution", "TDistribuzioneWeibull")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora
