#pragma once
// The platform of the batch program: no display. Messages go to a stream,
// one per line; file dialogs take the answers given on the command line;
// windows that would be shown just become the current window.
#include <deque>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

#include "controls/platform.h"

namespace velmora::batch {

// A message on one line: a carriage return becomes the two characters \r
// and a line feed \n, a backslash stays as it is.
std::string oneLine(std::string_view text);

class BatchPlatform : public Platform {
public:
    // Draws a chart into a picture file; empty when this build cannot.
    using ChartSaver = std::function<void(const ChartModel&, const std::string&)>;

    BatchPlatform(std::ostream& messages, ChartSaver chartSaver);

    void showMessage(const std::string& text) override;
    std::optional<std::string> askOpenFile(const FileDialogSpec& dialog) override;
    std::optional<std::string> askSaveFile(const FileDialogSpec& dialog) override;
    void processEvents() override {}
    void beep(int, int) override {}
    void sleep(int) override {}
    void showModal(Window& window) override { current = &window; }
    void show(Window& window) override { current = &window; }
    // Closing the current window returns to `home` (the main window).
    void close(Window& window) override;
    void saveChartPicture(const ChartModel& chart, const std::string& path) override;

    // The window the next steps act on.
    Window* current = nullptr;
    Window* home = nullptr;
    // Files for the next file dialogs, first given first taken; a dialog
    // with none left is cancelled.
    std::deque<std::string> answers;

private:
    std::optional<std::string> nextAnswer();

    std::ostream& messages_;
    ChartSaver chartSaver_;
};

}  // namespace velmora::batch
