#include "batch/batch_platform.h"

#include <ostream>

#include "controls/failures.h"

namespace velmora::batch {

std::string oneLine(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else out += c;
    }
    return out;
}

BatchPlatform::BatchPlatform(std::ostream& messages, ChartSaver chartSaver)
    : messages_(messages), chartSaver_(std::move(chartSaver))
{
}

void BatchPlatform::showMessage(const std::string& text)
{
    // Flushed at once, so that the messages and a later failure on the
    // other stream keep their order when both go to one terminal.
    messages_ << oneLine(text) << std::endl;
}

std::optional<std::string> BatchPlatform::nextAnswer()
{
    if (answers.empty()) return std::nullopt;
    std::string file = std::move(answers.front());
    answers.pop_front();
    return file;
}

std::optional<std::string> BatchPlatform::askOpenFile(const FileDialogSpec&) { return nextAnswer(); }

std::optional<std::string> BatchPlatform::askSaveFile(const FileDialogSpec&) { return nextAnswer(); }

void BatchPlatform::close(Window& window)
{
    if (current == &window) current = home;
}

void BatchPlatform::saveChartPicture(const ChartModel& chart, const std::string& path)
{
    if (!chartSaver_) throw Error("This velmora-batch was built without charts (VELMORA_UI off)");
    chartSaver_(chart, path);
}

}  // namespace velmora::batch
