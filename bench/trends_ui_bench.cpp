// Trends of 8 columns x 100,000 rows drawn as points and rendered once to a
// PNG picture offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cmath>
#include <filesystem>
#include <random>

#include "app/application.h"
#include "descriptive/andamenti.h"
#include "quiet_platform.h"
#include "table/numbers.h"
#include "ui/chart_view.h"

namespace velmora {
namespace {

void BM_Trends(benchmark::State& state)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "velmora_bench";
    char* argv[] = {name, nullptr};
    QApplication qt(argc, argv);

    bench::QuietPlatform platform;
    Application app(platform);
    TMenuGEN& menu = app.menu();
    const int rows = 100000;
    const int columns = 8;
    TMenuGEN::PulisciTabella(rows, columns, menu.Tabella_TXT, false);
    std::mt19937_64 random(42);
    std::normal_distribution<double> noise(0.0, 1.0);
    for (int c = 0; c < columns; ++c) {
        menu.Tabella_TXT.setHeader(c, TMenuGEN::letterName(c));
        for (int r = 0; r < rows; ++r)
            menu.Tabella_TXT.setCell(c, r, FloatToStr(c * 5 + std::sin(r / 5000.0) * 3 + noise(random), '.'));
    }
    menu.TipoAnalisi_LST.selectText("Trends");
    menu.Analisi_IMGClick();
    auto& window = *static_cast<TAndamenti*>(app.window("TAndamenti"));
    window.Colonna_X_LST.selectText("PROGRESSIVE");
    for (auto& item : window.ListaColonne.items) item.checked = true;
    const std::string picture = (std::filesystem::temp_directory_path() / "velmora_bench_trends.png").string();

    for (auto _ : state) {
        window.DisegnaDati_IMGClick();
        ui::saveChartPicture(window.Grafico, picture);
    }
    std::filesystem::remove(picture);
    state.SetItemsProcessed(state.iterations() * rows * columns);
}
BENCHMARK(BM_Trends)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace velmora
