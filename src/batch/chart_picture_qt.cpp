#include <memory>

#include <QApplication>

#include "batch/chart_picture.h"
#include "ui/chart_view.h"

namespace velmora::batch {

namespace {

// The chart renderer is a widget, so it needs an application object; it is
// made on the first picture only, on the offscreen platform, so that runs
// without charts never touch Qt and none needs a display.
void ensureQtApplication()
{
    static int argc = 1;
    static char name[] = "velmora-batch";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QApplication> app;
    if (app || QApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QApplication>(argc, argv);
}

}  // namespace

BatchPlatform::ChartSaver chartSaver()
{
    return [](const ChartModel& chart, const std::string& path) {
        ensureQtApplication();
        ui::saveChartPicture(chart, path);
    };
}

}  // namespace velmora::batch
