#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>

#include <qcustomplot.h>

#include "app/application.h"
#include "distributions/distribuzione_normale.h"
#include "distributions/distribution_window.h"
#include "table/table_file.h"
#include "ui/qt_platform.h"
#include "ui_test_platform.h"
#include "screenshot.h"
#include "ui/window_view.h"

namespace velmora {
namespace {

using testing::screenshot;

TEST(NormalView, DrawsTheDensityWithItsOccurrences)
{
    testing::UiTestPlatform platform;
    Application app(platform);
    TableFileContent content = parseTableFile(readWholeFile(std::string(VELMORA_SOURCE_DIR) + "/examples/misure.txt"));
    app.menu().Tabella_TXT.swap(content.grid);
    app.menu().DecimalSeparator = content.decimalSeparator;
    auto& window = *static_cast<TDistribuzioneNormale*>(app.window("TDistribuzioneNormale"));
    app.menu().RiempiListaColonne(window.ListaColonne);
    ui::WindowView& view = platform.viewOf(window);
    view.resize(window.width, window.height);
    view.show();
    EXPECT_EQ(view.windowTitle(), "Distribuzione Normale");

    auto* list = view.findChild<QListWidget*>("ListaColonne");
    ASSERT_NE(list, nullptr);
    emit list->itemClicked(list->item(1));
    view.findChild<QToolButton*>("Analisi_IMG")->click();
    view.findChild<QToolButton*>("DisegnaDati_IMG")->click();
    EXPECT_EQ(view.findChild<QTableView*>("Tabella_TXT")->model()->rowCount(), 22);
    ASSERT_NE(view.findChild<QRadioButton*>("Disegna_DensitaProbabilita_CHK"), nullptr);

    auto* plot = view.findChild<QCustomPlot*>();
    ASSERT_NE(plot, nullptr);
    EXPECT_FALSE(plot->legend->visible());
    // The curve and the occurrence points, one graph for the points.
    EXPECT_EQ(plot->plottableCount(), 2);
    EXPECT_EQ(window.Grafico.series[1].points.size(), 19u);  // 9.3 appears twice
    screenshot(view, "normal_density");
}

// The windows drawn at the distinct values, on 240 measurements.
TEST(DistinctValuesView, DrawTheFunctionAtEveryDistinctValue)
{
    struct Case {
        const char* className;
        const char* title;
        int column;
        const char* picture;
    };
    const Case cases[] = {
        {"TDistribuzioneUniforme", "Distribuzione Uniforme", 1, "uniform_density"},
        {"TDistribuzioneRayleigh", "Distribuzione di Rayleigh", 0, "rayleigh_density"},
        {"TDistribuzioneWeibull", "Distribuzione di Weibull", 2, "weibull_density"},
    };
    ui::QtPlatform platform;
    Application app(platform);
    TableFileContent content =
        parseTableFile(readWholeFile(std::string(VELMORA_SOURCE_DIR) + "/test/batch/data/distribuzioni.txt"));
    app.menu().Tabella_TXT.swap(content.grid);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.className);
        auto& window = *static_cast<DistinctValuesDistribution*>(app.window(c.className));
        app.menu().RiempiListaColonne(window.ListaColonne);
        ui::WindowView& view = platform.viewOf(window);
        view.resize(window.width, window.height);
        view.show();
        EXPECT_EQ(view.windowTitle(), c.title);
        emit view.findChild<QListWidget*>("ListaColonne")->itemClicked(
            view.findChild<QListWidget*>("ListaColonne")->item(c.column));
        view.findChild<QToolButton*>("Analisi_IMG")->click();
        // The lifetimes are hours: a scale of 800 rather than 1.
        if (auto* lambda = view.findChild<QLineEdit*>("lamda_TXT")) {
            lambda->setText("800");
            emit lambda->textEdited("800");
        }
        view.findChild<QToolButton*>("DisegnaDati_IMG")->click();
        auto* plot = view.findChild<QCustomPlot*>();
        ASSERT_NE(plot, nullptr);
        EXPECT_EQ(plot->plottableCount(), 2);
        const std::size_t drawn = window.Grafico.series[0].points.size();
        EXPECT_GT(drawn, 1u);
        EXPECT_EQ(window.Grafico.series[1].points.size(), drawn);
        screenshot(view, c.picture);
        view.close();
    }
}

}  // namespace
}  // namespace velmora
