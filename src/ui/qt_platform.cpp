#include "ui/qt_platform.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QThread>

#include <cfenv>

#include "controls/window.h"
#include "ui/chart_view.h"
#include "ui/info_pictures.h"
#include "ui/tones.h"
#include "ui/window_view.h"

namespace velmora::ui {

QtPlatform::QtPlatform() { registerInfoPictures(); }
QtPlatform::~QtPlatform() = default;

QWidget* QtPlatform::activeParent() const
{
    if (QWidget* w = QApplication::activeModalWidget()) return w;
    return QApplication::activeWindow();
}

void QtPlatform::showMessage(const std::string& text)
{
    // A lone carriage return breaks the line, as the program's messages use it.
    QString t = QString::fromStdString(text);
    t.replace("\r\n", "\n").replace('\r', '\n');
    QMessageBox::information(activeParent(), QStringLiteral("Velmora"), t);
}

namespace {
QString filterOf(const FileDialogSpec& d)
{
    return QString::fromStdString(d.filterName) + " (" + QString::fromStdString(d.pattern) + ")";
}
}  // namespace

std::optional<std::string> QtPlatform::askOpenFile(const FileDialogSpec& d)
{
    const QString path = QFileDialog::getOpenFileName(activeParent(), QString(), QString(), filterOf(d));
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

std::optional<std::string> QtPlatform::askSaveFile(const FileDialogSpec& d)
{
    QFileDialog dialog(activeParent());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(filterOf(d));
    // The default extension may be given as a pattern ("*.png").
    QString suffix = QString::fromStdString(d.defaultExt);
    if (suffix.startsWith("*")) suffix.remove(0, 1);
    if (suffix.startsWith(".")) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (!d.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

void QtPlatform::processEvents()
{
    // Whatever the toolkit computes while painting must not look like a
    // fault of the running computation.
    std::fexcept_t flags;
    std::fegetexceptflag(&flags, FE_ALL_EXCEPT);
    syncAll();
    QApplication::processEvents();
    std::fesetexceptflag(&flags, FE_ALL_EXCEPT);
}

void QtPlatform::beep(int frequencyHz, int durationMs)
{
    std::fexcept_t flags;
    std::fegetexceptflag(&flags, FE_ALL_EXCEPT);
    playTone(frequencyHz, durationMs);
    std::fesetexceptflag(&flags, FE_ALL_EXCEPT);
}

void QtPlatform::sleep(int ms) { QThread::msleep(static_cast<unsigned long>(ms)); }

WindowView& QtPlatform::viewOf(Window& window)
{
    auto& view = views_[&window];
    if (!view) view = std::make_unique<WindowView>(window, [this] { syncAll(); });
    return *view;
}

void QtPlatform::syncAll()
{
    for (auto& [window, view] : views_) view->sync();
}

void QtPlatform::showModal(Window& window)
{
    WindowView& view = viewOf(window);
    view.sync();
    view.exec();
    syncAll();
}

void QtPlatform::show(Window& window)
{
    WindowView& view = viewOf(window);
    view.sync();
    view.show();
    view.raise();
    view.activateWindow();
}

void QtPlatform::close(Window& window)
{
    const auto it = views_.find(&window);
    if (it == views_.end()) return;
    // Hiding ends the view's modal loop when it runs one. The view may be
    // the one whose button called this, so it goes once control is back in
    // the event loop; it is out of the list already, so nothing syncs it
    // with a model that a temporary window takes with it.
    WindowView* view = it->second.release();
    views_.erase(it);
    view->hide();
    view->deleteLater();
    closing_[&window] = view;
}

void QtPlatform::release(Window& window)
{
    views_.erase(&window);
    const auto it = closing_.find(&window);
    if (it == closing_.end()) return;
    // A closed view still waiting for deletion goes now, with its window.
    delete it->second.data();
    closing_.erase(it);
}

void QtPlatform::saveChartPicture(const ChartModel& chart, const std::string& path)
{
    ui::saveChartPicture(chart, path);
}

}  // namespace velmora::ui
