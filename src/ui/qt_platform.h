#pragma once
// The platform bound to Qt: message boxes, file dialogs, event processing,
// tones, and one generic view per window.
#include <map>
#include <memory>

#include <QPointer>

#include "controls/platform.h"

class QWidget;

namespace velmora::ui {

class WindowView;

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    void showMessage(const std::string& text) override;
    std::optional<std::string> askOpenFile(const FileDialogSpec& dialog) override;
    std::optional<std::string> askSaveFile(const FileDialogSpec& dialog) override;
    void processEvents() override;
    void beep(int frequencyHz, int durationMs) override;
    void sleep(int ms) override;
    void showModal(Window& window) override;
    void show(Window& window) override;
    void close(Window& window) override;
    void release(Window& window) override;
    void saveChartPicture(const ChartModel& chart, const std::string& path) override;

    // The view of a window, made on first use.
    WindowView& viewOf(Window& window);
    // Brings every view up to date with its models.
    void syncAll();

private:
    QWidget* activeParent() const;
    std::map<Window*, std::unique_ptr<WindowView>> views_;
    // Views closed but not yet deleted (they go once control is back in the
    // event loop), by window.
    std::map<Window*, QPointer<WindowView>> closing_;
};

}  // namespace velmora::ui
