#include <memory>

#include <QApplication>

#include "batch/chart_picture.h"
#include "ui/chart_view.h"

namespace velmora::batch {

namespace {

// Qt's own notes (fonts, runtime directories of the offscreen platform)
// would mix with the one failure line that standard error is for.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtFatalMsg) qFatal("%s", qPrintable(text));
}

// The chart renderer is a widget, so it needs an application object. It is
// made on the first picture only, on the offscreen platform, so that runs
// without charts never start Qt and none needs a display. The saver owns it,
// so it ends with the platform, before main returns.
class QtPictures {
public:
    void save(const ChartModel& chart, const std::string& path)
    {
        if (!app_ && !QApplication::instance()) {
            qInstallMessageHandler(quietQt);
            qputenv("QT_QPA_PLATFORM", "offscreen");
            app_ = std::make_unique<QApplication>(argc_, argv_);
        }
        ui::saveChartPicture(chart, path);
    }

private:
    int argc_ = 1;
    char name_[14] = "velmora-batch";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

}  // namespace

BatchPlatform::ChartSaver chartSaver()
{
    auto pictures = std::make_shared<QtPictures>();
    return [pictures](const ChartModel& chart, const std::string& path) { pictures->save(chart, path); };
}

}  // namespace velmora::batch
