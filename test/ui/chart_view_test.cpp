#include <gtest/gtest.h>

#include <qcustomplot.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QToolButton>

#include "app/application.h"
#include "controls/chart.h"
#include "controls/failures.h"
#include "regression/regressione_lineare.h"
#include "table/table_file.h"
#include "test_tables.h"
#include "ui/chart_view.h"
#include "ui/qt_platform.h"
#include "ui_test_platform.h"
#include "screenshot.h"
#include "ui/window_view.h"

namespace velmora {
namespace {

using testing::screenshot;

struct PngSize {
    bool signature = false;
    unsigned width = 0, height = 0;
};

// The signature and the IHDR chunk's size, read from the bytes themselves.
PngSize pngSize(const std::string& bytes)
{
    PngSize s;
    if (bytes.size() < 24) return s;
    s.signature = bytes.compare(0, 8, "\x89PNG\r\n\x1A\n") == 0 && bytes.compare(12, 4, "IHDR") == 0;
    const auto be32 = [&](std::size_t at) {
        unsigned v = 0;
        for (std::size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
        return v;
    };
    s.width = be32(16);
    s.height = be32(20);
    return s;
}

TEST(ChartPicture, IsAPngOfTheScreenSizeOnWhite)
{
    ChartModel chart;
    chart.title = "Linear Regression - Sales";
    chart.legendVisible = false;
    ChartSeries points;
    points.kind = SeriesKind::Point;
    points.pointer = PointerStyle::Circle;
    points.addXY(3, 9);
    points.addXY(1, 2);  // out of order on purpose
    points.addXY(2, 4, colors::blue);
    chart.addSeries(points);
    chart.screenWidth = 637;
    chart.screenHeight = 351;

    testing::TempDir dir;
    const std::string path = dir.file("chart.png");
    ui::saveChartPicture(chart, path);
    const PngSize size = pngSize(testing::readBytes(path));
    EXPECT_TRUE(size.signature);
    EXPECT_EQ(size.width, 637u);
    EXPECT_EQ(size.height, 351u);
    const QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));

    try {
        ui::saveChartPicture(chart, dir.file("missing/dir/chart.png"));
        ADD_FAILURE() << "no failure";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot create file \"" + dir.file("missing/dir/chart.png") + "\". No such file or directory");
    }
}

TEST(ChartPicture, AutomaticAxesHoldEveryPointAndAFixedMinimumIsKept)
{
    ChartModel chart;
    ChartSeries s;
    s.kind = SeriesKind::Point;
    s.addXY(101, 150);
    s.addXY(130, 190);
    chart.addSeries(s);
    QCustomPlot plot;
    plot.resize(400, 300);
    ui::renderChart(chart, plot);
    EXPECT_LT(plot.xAxis->range().lower, 101);
    EXPECT_GT(plot.xAxis->range().upper, 130);
    EXPECT_LT(plot.yAxis->range().lower, 150);

    chart.leftAxis.automaticMinimum = false;
    chart.leftAxis.minimum = 0;
    ui::renderChart(chart, plot);
    EXPECT_EQ(plot.yAxis->range().lower, 0);
    EXPECT_GT(plot.yAxis->range().upper, 190);
}

TEST(LinearRegressionView, DrawsTheFitAndSavesThePictureAtItsOnScreenSize)
{
    testing::UiTestPlatform platform;
    Application app(platform);
    TMenuGEN& menu = app.menu();
    testing::setTable(menu.Tabella_TXT, {{"Month", "Sales"}, {"1", "12"}, {"2", "15"}, {"3", "14"}, {"4", "19"},
                                         {"5", "21"}, {"6", "20"}, {"7", "26"}, {"8", "27"}, {"9", "27"}, {"10", "31"}});
    auto& window = *static_cast<TRegressioneLineare*>(app.window("TRegressioneLineare"));
    window.Colonna_X_LST.items = {"Month", "Sales", "PROGRESSIVE"};
    window.Colonna_X_LST.itemIndex = 0;
    window.Colonna_Y_LST.items = window.Colonna_X_LST.items;
    window.Colonna_Y_LST.itemIndex = 1;
    ui::WindowView& view = platform.viewOf(window);
    view.resize(960, 480);
    view.show();
    EXPECT_EQ(view.windowTitle(), "Regressione Lineare");

    view.findChild<QToolButton*>("Analisi_IMG")->click();
    auto* plot = view.findChild<QCustomPlot*>("Grafico");
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(window.Tabella_TXT.rowCount(), 10);
    ASSERT_EQ(plot->plottableCount(), 2);  // the line and the points
    EXPECT_EQ(plot->graph(0)->dataCount(), 10);

    auto* menuGrafico = view.findChild<QMenu*>("MenuGrafico");
    ASSERT_NE(menuGrafico, nullptr);
    QStringList items;
    for (QAction* a : menuGrafico->actions()) items << a->text();
    EXPECT_EQ(items, (QStringList{"Left axis from 0", "Left axis from AUTO", "Bottom axis from 0", "Bottom axis from AUTO"}));
    menuGrafico->actions()[0]->trigger();
    EXPECT_EQ(plot->yAxis->range().lower, 0);

    platform.syncAll();
    EXPECT_EQ(window.Grafico.screenWidth, plot->width());
    EXPECT_EQ(window.Grafico.screenHeight, plot->height());
    testing::TempDir dir;
    const std::string path = dir.file("regression.png");
    platform.saveChartPicture(window.Grafico, path);
    const PngSize size = pngSize(testing::readBytes(path));
    EXPECT_TRUE(size.signature);
    EXPECT_EQ(size.width, static_cast<unsigned>(plot->width()));
    EXPECT_EQ(size.height, static_cast<unsigned>(plot->height()));
    if (const QByteArray shots = qgetenv("VELMORA_SCREENSHOTS"); !shots.isEmpty())
        QFile::copy(QString::fromStdString(path), QString::fromUtf8(shots) + "/linear_regression_saved.png");

    menuGrafico->actions()[1]->trigger();
    screenshot(view, "linear_regression");
}

}  // namespace
}  // namespace velmora
