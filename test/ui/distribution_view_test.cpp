#include <gtest/gtest.h>

#include <QDir>
#include <QListWidget>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>

#include <qcustomplot.h>

#include "app/application.h"
#include "distributions/distribuzione_normale.h"
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

}  // namespace
}  // namespace velmora
