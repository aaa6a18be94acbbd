#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>

#include <qcustomplot.h>

#include "app/application.h"
#include "descriptive/andamenti.h"
#include "descriptive/occorrenze.h"
#include "screenshot.h"
#include "table/table_file.h"
#include "ui/qt_platform.h"
#include "ui/window_view.h"

namespace velmora {
namespace {

using testing::screenshot;

// 288 hourly readings of a weather station.
struct DescriptiveChartsView : ::testing::Test {
    ui::QtPlatform platform;
    Application app{platform};

    DescriptiveChartsView()
    {
        TableFileContent content =
            parseTableFile(readWholeFile(std::string(VELMORA_SOURCE_DIR) + "/examples/stazione_meteo.txt"));
        app.menu().Tabella_TXT.swap(content.grid);
    }
    ui::WindowView& open(Window& window)
    {
        ui::WindowView& view = platform.viewOf(window);
        view.resize(window.width, window.height);
        view.show();
        return view;
    }
};

TEST_F(DescriptiveChartsView, TrendsDrawOneGraphPerColumnWithALegend)
{
    auto& window = *static_cast<TAndamenti*>(app.window("TAndamenti"));
    app.menu().RiempiListaColonne(window.ListaColonne);
    for (int c = 0; c < app.menu().Tabella_TXT.columnCount(); ++c)
        window.Colonna_X_LST.add(std::string(app.menu().Tabella_TXT.header(c)));
    window.Colonna_X_LST.add("PROGRESSIVE");
    window.Colonna_X_LST.itemIndex = 0;
    ui::WindowView& view = open(window);
    EXPECT_EQ(view.windowTitle(), "Andamento grafico");

    auto* list = view.findChild<QListWidget*>("ListaColonne");
    ASSERT_NE(list, nullptr);
    emit list->itemClicked(list->item(1));
    emit list->itemClicked(list->item(2));
    view.findChild<QToolButton*>("DisegnaDati_IMG")->click();
    auto* plot = view.findChild<QCustomPlot*>("Grafico");
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(plot->graphCount(), 2);
    EXPECT_TRUE(plot->legend->visible());
    EXPECT_EQ(plot->graph(0)->dataCount(), 288);
    EXPECT_EQ(plot->xAxis->label(), "Ora");
    screenshot(view, "trends_points");

    view.findChild<QRadioButton*>("Punti_Uniti_CHK")->click();
    EXPECT_EQ(window.Grafico.series[0].kind, SeriesKind::Line);
    EXPECT_FALSE(view.findChild<QRadioButton*>("Punti_Singoli_CHK")->isChecked());
    EXPECT_EQ(plot->plottableCount(), 2);
    EXPECT_EQ(plot->graphCount(), 0);  // lines follow the rows, as curves
    screenshot(view, "trends_lines");
}

TEST_F(DescriptiveChartsView, OccurrencesShowTheTableAndTheChosenColumn)
{
    auto& window = *static_cast<TOccorrenze*>(app.window("TOccorrenze"));
    app.menu().RiempiListaColonne(window.ListaColonne);
    ui::WindowView& view = open(window);
    EXPECT_EQ(view.windowTitle(), "Occorrenze");

    auto* list = view.findChild<QListWidget*>("ListaColonne");
    ASSERT_NE(list, nullptr);
    emit list->itemClicked(list->item(1));
    emit list->itemClicked(list->item(4));
    view.findChild<QToolButton*>("Analisi_IMG")->click();
    auto* picker = view.findChild<QComboBox*>("Colonna_LST");
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->count(), 2);
    picker->setCurrentIndex(1);
    emit picker->activated(1);
    view.findChild<QToolButton*>("DisegnaDati_IMG")->click();

    const auto* table = view.findChild<QTableView*>("Tabella_TXT");
    EXPECT_EQ(table->model()->columnCount(), 4);
    EXPECT_EQ(table->model()->rowCount(), window.Tabella_TXT.rowCount());
    EXPECT_GT(window.Tabella_TXT.rowCount(), 50);  // temperatures to 0.1 degree
    auto* plot = view.findChild<QCustomPlot*>("Grafico");
    ASSERT_NE(plot, nullptr);
    EXPECT_FALSE(plot->legend->visible());
    EXPECT_EQ(plot->yAxis->range().lower, 0.0);
    EXPECT_EQ(window.Grafico.title, "Occurrences  - Vento");
    screenshot(view, "occurrences");
}

}  // namespace
}  // namespace velmora
