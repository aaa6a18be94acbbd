#pragma once
// The steps of velmora-batch: parsed from the command line, then performed
// one by one on the windows, by the names of their controls, as a user
// would click and type.
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_platform.h"
#include "controls/failures.h"

namespace velmora {
class TMenuGEN;
class Window;
struct Control;
}  // namespace velmora

namespace velmora::batch {

// A command line that cannot be run, or a step that names what is not there.
class BatchError : public Error {
public:
    using Error::Error;
};

struct Step {
    enum class Kind { Open, Analysis, Window, Set, Clear, Click, Cell, Answer, SaveGrid, SaveChart };
    Kind kind;
    std::string name;   // file, analysis, window class or control
    std::string value;  // --set's value, --save-grid's file
};

// Throws BatchError for an unknown option or a missing or malformed value.
std::vector<Step> parseArguments(const std::vector<std::string>& args);

class BatchRunner {
public:
    // `windows` are every window of the program, the main window among them.
    BatchRunner(BatchPlatform& platform, TMenuGEN& menu, std::vector<Window*> windows);

    // Throws the failure a step meets.
    void perform(const Step& step);
    // After the last step: an answer that no dialog took is a mistake in
    // the script, not something to ignore.
    void finish();

    Window& current() const { return *platform_.current; }

private:
    void open(const std::string& file);
    void analysis(const std::string& name);
    void selectWindow(const std::string& className);
    void set(const std::string& control, const std::string& value);
    void clear(const std::string& control);
    void click(const std::string& control);
    void focusCell(const std::string& control, const std::string& where);
    void saveGrid(const std::string& control, const std::string& file);
    void saveChart(const std::string& file);
    // The control of the current window that a user can reach.
    Control& usable(const std::string& name) const;

    BatchPlatform& platform_;
    TMenuGEN& menu_;
    std::vector<Window*> windows_;
};

std::string usage();

// The whole program: creates every window, performs the steps; messages on
// `out`, the first failure on `err`. Returns the exit status.
int runBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             BatchPlatform::ChartSaver chartSaver);

}  // namespace velmora::batch
