#pragma once
// A platform that answers nothing and shows nothing, for benchmarks.
#include "controls/platform.h"

namespace velmora::bench {

class QuietPlatform : public Platform {
public:
    void showMessage(const std::string&) override {}
    std::optional<std::string> askOpenFile(const FileDialogSpec&) override { return answer; }
    std::optional<std::string> askSaveFile(const FileDialogSpec&) override { return answer; }
    void processEvents() override {}
    void beep(int, int) override {}
    void sleep(int) override {}
    void showModal(Window&) override {}
    void show(Window&) override {}
    void close(Window&) override {}
    void saveChartPicture(const ChartModel&, const std::string&) override {}

    std::optional<std::string> answer;
};

}  // namespace velmora::bench
