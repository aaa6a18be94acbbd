#pragma once
// A scripted platform for tests: dialogs answered from queues, messages and
// tones recorded, and a hook that runs inside processEvents (to press
// "Ferma" in the middle of a computation). No real dialog ever opens.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "controls/chart.h"
#include "controls/platform.h"
#include "controls/window.h"

namespace velmora::testing {

struct Tone {
    int frequency;
    int duration;
    bool operator==(const Tone&) const = default;
};

class FakePlatform : public Platform {
public:
    std::vector<std::string> messages;
    std::vector<Tone> tones;
    std::vector<std::string> shownModal;
    std::vector<std::string> shown;
    std::vector<std::string> closed;
    std::vector<FileDialogSpec> openDialogs;
    std::vector<FileDialogSpec> saveDialogs;
    std::vector<std::pair<std::string, std::string>> savedCharts;  // chart title, path
    int processEventsCalls = 0;
    int sleptMs = 0;

    // Answers of the next dialogs; an empty optional cancels. A dialog with
    // no answer queued fails the test.
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;

    std::function<void()> onProcessEvents;
    std::function<void(Window&)> onShowModal;

    void showMessage(const std::string& text) override { messages.push_back(text); }

    std::optional<std::string> askOpenFile(const FileDialogSpec& d) override
    {
        openDialogs.push_back(d);
        return next(openAnswers, "open");
    }
    std::optional<std::string> askSaveFile(const FileDialogSpec& d) override
    {
        saveDialogs.push_back(d);
        return next(saveAnswers, "save");
    }
    void processEvents() override
    {
        ++processEventsCalls;
        if (onProcessEvents) onProcessEvents();
    }
    void beep(int frequency, int duration) override { tones.push_back({frequency, duration}); }
    void sleep(int ms) override { sleptMs += ms; }
    void showModal(Window& w) override
    {
        shownModal.push_back(w.className());
        if (onShowModal) onShowModal(w);
    }
    void show(Window& w) override { shown.push_back(w.className()); }
    void close(Window& w) override { closed.push_back(w.className()); }
    void saveChartPicture(const ChartModel& chart, const std::string& path) override
    {
        savedCharts.emplace_back(chart.title, path);
    }

    std::string lastMessage() const { return messages.empty() ? std::string() : messages.back(); }
    // The four tones of a successful computation, `times` times over.
    static std::vector<Tone> completion(int times = 1)
    {
        std::vector<Tone> t;
        for (int i = 0; i < times; ++i) t.insert(t.end(), {{523, 100}, {587, 100}, {523, 100}, {698, 300}});
        return t;
    }

private:
    static std::optional<std::string> next(std::deque<std::optional<std::string>>& q, const char* what)
    {
        if (q.empty()) {
            ADD_FAILURE() << "unexpected " << what << " dialog";
            return std::nullopt;
        }
        auto a = q.front();
        q.pop_front();
        return a;
    }
};

}  // namespace velmora::testing
