#pragma once
// Everything a window needs from the outside world. The ui binds it to Qt;
// tests use a scripted fake; the batch program answers from its arguments.
#include <optional>
#include <string>

namespace velmora {

class Window;
struct ChartModel;

struct FileDialogSpec {
    std::string filterName;  // "Tabella delimitata da tabulatura"
    std::string pattern;     // "*.txt"
    std::string defaultExt;  // "txt"
    bool confirmOverwrite = false;
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual void showMessage(const std::string& text) = 0;
    // The chosen file's path, or nothing when the user cancels.
    virtual std::optional<std::string> askOpenFile(const FileDialogSpec& dialog) = 0;
    virtual std::optional<std::string> askSaveFile(const FileDialogSpec& dialog) = 0;
    // Lets the windowing system process pending events (repaint, "Ferma").
    virtual void processEvents() = 0;
    virtual void beep(int frequencyHz, int durationMs) = 0;
    virtual void sleep(int ms) = 0;
    // Shows a window modally (returns when it is closed) or without waiting.
    virtual void showModal(Window& window) = 0;
    virtual void show(Window& window) = 0;
    virtual void close(Window& window) = 0;
    // The window is about to be destroyed: nothing may refer to it after.
    virtual void release(Window&) {}
    // Draws the chart at its size on screen on a white background and saves it
    // in the format the path's extension names.
    virtual void saveChartPicture(const ChartModel& chart, const std::string& path) = 0;
};

}  // namespace velmora
