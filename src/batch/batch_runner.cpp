#include "batch/batch_runner.h"

#include <algorithm>
#include <charconv>
#include <exception>
#include <map>
#include <ostream>
#include <utility>

#include "app/application.h"
#include "controls/window.h"
#include "table/menu_gen.h"
#include "table/table_file.h"

namespace velmora::batch {

namespace {

struct Option {
    Step::Kind kind;
    int values;
    const char* what;  // what the values are, for the usage and the errors
};

const std::map<std::string, Option, std::less<>>& options()
{
    static const std::map<std::string, Option, std::less<>> table{
        {"--open", {Step::Kind::Open, 1, "FILE"}},
        {"--analysis", {Step::Kind::Analysis, 1, "NAME"}},
        {"--window", {Step::Kind::Window, 1, "CLASS"}},
        {"--set", {Step::Kind::Set, 1, "CONTROL=VALUE"}},
        {"--clear", {Step::Kind::Clear, 1, "CONTROL"}},
        {"--click", {Step::Kind::Click, 1, "CONTROL"}},
        {"--cell", {Step::Kind::Cell, 1, "CONTROL=COLUMN,ROW"}},
        {"--answer", {Step::Kind::Answer, 1, "FILE"}},
        {"--save-grid", {Step::Kind::SaveGrid, 2, "CONTROL FILE"}},
        {"--save-chart", {Step::Kind::SaveChart, 1, "FILE"}},
    };
    return table;
}

bool parseBool(const std::string& control, const std::string& value)
{
    if (value == "true") return true;
    if (value == "false") return false;
    throw BatchError("--set " + control + " takes true or false, not \"" + value + "\"");
}

}  // namespace

std::string usage()
{
    return "usage: velmora-batch STEP...\n"
           "  --open FILE              open a table file into the data table (\"Apri dati\")\n"
           "  --analysis NAME          choose NAME in \"Tipo di Analisi\" and press \"Analizza\"\n"
           "  --window CLASS           make another window current (TMenuGEN ...)\n"
           "  --set CONTROL=VALUE      edit box text, combo box item, check box or radio button\n"
           "                           true/false, or tick a check-list item by its text\n"
           "  --clear CONTROL          untick every item of a check list\n"
           "  --click CONTROL          click a button of the current window\n"
           "  --cell CONTROL=COLUMN,ROW  focus a cell of a grid, as a click on it would\n"
           "  --answer FILE            the file for the next file dialog (none: cancelled)\n"
           "  --save-grid CONTROL FILE write a grid as a table file\n"
           "  --save-chart FILE        save the current window's chart as a PNG picture\n";
}

std::vector<Step> parseArguments(const std::vector<std::string>& args)
{
    std::vector<Step> steps;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto found = options().find(args[i]);
        if (found == options().end()) throw BatchError("Unknown argument \"" + args[i] + "\"");
        const std::string& flag = found->first;
        const Option& option = found->second;
        std::vector<std::string> values;
        for (int v = 0; v < option.values; ++v) {
            // A value that looks like the next option is almost always a
            // forgotten value, not a file of that name.
            if (i + 1 >= args.size() || args[i + 1].starts_with("--"))
                throw BatchError(flag + " needs " + option.what);
            values.push_back(args[++i]);
        }
        Step step{option.kind, values[0], values.size() > 1 ? values[1] : std::string()};
        if (option.kind == Step::Kind::Set || option.kind == Step::Kind::Cell) {
            const std::size_t eq = values[0].find('=');
            if (eq == std::string::npos || eq == 0)
                throw BatchError(flag + " needs " + option.what + ", not \"" + values[0] + "\"");
            step.name = values[0].substr(0, eq);
            step.value = values[0].substr(eq + 1);
        }
        steps.push_back(std::move(step));
    }
    return steps;
}

BatchRunner::BatchRunner(BatchPlatform& platform, TMenuGEN& menu, std::vector<Window*> windows)
    : platform_(platform), menu_(menu), windows_(std::move(windows))
{
    platform_.home = &menu_;
    platform_.current = &menu_;
}

void BatchRunner::perform(const Step& step)
{
    switch (step.kind) {
    case Step::Kind::Open: open(step.name); break;
    case Step::Kind::Analysis: analysis(step.name); break;
    case Step::Kind::Window: selectWindow(step.name); break;
    case Step::Kind::Set: set(step.name, step.value); break;
    case Step::Kind::Clear: clear(step.name); break;
    case Step::Kind::Click: click(step.name); break;
    case Step::Kind::Cell: focusCell(step.name, step.value); break;
    case Step::Kind::Answer: platform_.answers.push_back(step.name); break;
    case Step::Kind::SaveGrid: saveGrid(step.name, step.value); break;
    case Step::Kind::SaveChart: saveChart(step.name); break;
    }
}

void BatchRunner::finish()
{
    if (!platform_.answers.empty())
        throw BatchError("No file dialog took the answer \"" + platform_.answers.front() + "\"");
}

void BatchRunner::open(const std::string& file)
{
    // This file answers the open dialog; answers given for later dialogs wait.
    std::deque<std::string> later = std::exchange(platform_.answers, {file});
    clickControl(menu_, menu_.Apri_Dati_IMG);
    platform_.answers = std::move(later);
}

void BatchRunner::analysis(const std::string& name)
{
    const auto& table = analysisTable();
    const auto entry = std::find_if(table.begin(), table.end(), [&](const AnalysisEntry& e) { return name == e.item; });
    if (entry == table.end()) throw BatchError("Unknown analysis \"" + name + "\"");
    Window* target = menu_.window(entry->className);
    if (!target) throw BatchError("The analysis \"" + name + "\" has no window in this program yet");

    // "Analizza" is pressed in the main window; the analysis window becomes
    // current only if the main window shows it.
    platform_.current = &menu_;
    menu_.TipoAnalisi_LST.selectText(name);
    changeControl(menu_, menu_.TipoAnalisi_LST);
    clickControl(menu_, menu_.Analisi_IMG);
    // Steps meant for the analysis window must not land on the main window,
    // whose controls share some of its names.
    if (platform_.current != target) throw BatchError(std::string("The window ") + entry->className + " did not open");
}

void BatchRunner::selectWindow(const std::string& className)
{
    const auto w = std::find_if(windows_.begin(), windows_.end(), [&](Window* x) { return x->className() == className; });
    if (w == windows_.end()) throw BatchError("Unknown window \"" + className + "\"");
    platform_.current = *w;
}

Control& BatchRunner::usable(const std::string& name) const
{
    Window& w = current();
    Control* c = w.find(name);
    if (!c) throw BatchError("The window " + w.className() + " has no control \"" + name + "\"");
    if (!c->visible) throw BatchError("The control " + name + " of " + w.className() + " is hidden");
    if (!c->enabled) throw BatchError("The control " + name + " of " + w.className() + " is disabled");
    return *c;
}

void BatchRunner::set(const std::string& name, const std::string& value)
{
    Window& w = current();
    Control& control = usable(name);
    if (auto* edit = dynamic_cast<EditBox*>(&control)) {
        if (edit->readOnly) throw BatchError("The edit box " + name + " is read-only");
        edit->text = value;
    } else if (auto* memo = dynamic_cast<Memo*>(&control)) {
        if (memo->readOnly) throw BatchError("The text area " + name + " is read-only");
        memo->setText(value);
    } else if (auto* combo = dynamic_cast<ComboBox*>(&control)) {
        const auto item = std::find(combo->items.begin(), combo->items.end(), value);
        if (item == combo->items.end()) throw BatchError("The combo box " + name + " has no item \"" + value + "\"");
        const int index = static_cast<int>(item - combo->items.begin());
        // As in a real combo box, choosing the item already chosen changes nothing.
        if (index != combo->itemIndex) {
            combo->itemIndex = index;
            changeControl(w, *combo);
        }
    } else if (auto* check = dynamic_cast<CheckBox*>(&control)) {
        const bool checked = parseBool(name, value);
        if (checked != check->checked) {
            check->checked = checked;
            changeControl(w, *check);
        }
    } else if (auto* radio = dynamic_cast<RadioButton*>(&control)) {
        const bool checked = parseBool(name, value);
        if (checked != radio->checked) {
            radio->checked = checked;
            changeControl(w, *radio);
        }
    } else if (auto* list = dynamic_cast<CheckList*>(&control)) {
        // The first unticked item of that text, so that repeating the step
        // ticks columns that share a header one after the other.
        bool exists = false;
        for (std::size_t i = 0; i < list->items.size(); ++i) {
            if (list->items[i].text != value) continue;
            exists = true;
            if (!list->items[i].checked) {
                clickListItem(w, *list, static_cast<int>(i));
                return;
            }
        }
        if (!exists) throw BatchError("The list " + name + " has no item \"" + value + "\"");
    } else {
        throw BatchError("The control " + name + " cannot be set");
    }
}

void BatchRunner::clear(const std::string& name)
{
    auto* list = dynamic_cast<CheckList*>(&usable(name));
    if (!list) throw BatchError("--clear works on check lists; " + name + " is not one");
    for (std::size_t i = 0; i < list->items.size(); ++i) {
        if (list->items[i].checked) clickListItem(current(), *list, static_cast<int>(i));
    }
}

void BatchRunner::click(const std::string& name)
{
    Control& control = usable(name);
    if (control.kind != ControlKind::Button && control.kind != ControlKind::Image)
        throw BatchError("The control " + name + " is not a button");
    if (!clickControl(current(), control)) throw BatchError("The control " + name + " does nothing when clicked");
}

void BatchRunner::focusCell(const std::string& name, const std::string& where)
{
    auto* grid = dynamic_cast<GridBox*>(&usable(name));
    if (!grid) throw BatchError("The control " + name + " is not a grid");
    const auto refuse = [&] {
        return BatchError("--cell " + name + " takes COLUMN,ROW inside its " + std::to_string(grid->columnCount()) +
                          " columns and " + std::to_string(grid->rowCount()) + " rows, not \"" + where + "\"");
    };
    const auto index = [&](std::string_view text, int count) {
        int value = -1;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value >= count) throw refuse();
        return value;
    };
    const std::size_t comma = where.find(',');
    if (comma == std::string::npos) throw refuse();
    const std::string_view text(where);
    const int column = index(text.substr(0, comma), grid->columnCount());
    grid->currentRow = index(text.substr(comma + 1), grid->rowCount());
    grid->currentCol = column;
}

void BatchRunner::saveGrid(const std::string& name, const std::string& file)
{
    auto* grid = dynamic_cast<GridBox*>(&usable(name));
    if (!grid) throw BatchError("The control " + name + " is not a grid");
    writeWholeFile(file, formatTableFile(*grid));
}

void BatchRunner::saveChart(const std::string& file)
{
    for (Control* c : current().controls()) {
        auto* chart = dynamic_cast<ChartBox*>(c);
        if (chart && chart->visible) {
            platform_.saveChartPicture(*chart, file);
            return;
        }
    }
    throw BatchError("The window " + current().className() + " has no chart");
}

int runBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             BatchPlatform::ChartSaver chartSaver)
{
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << usage();
        return 0;
    }
    if (args.empty()) {
        err << usage();
        return 1;
    }
    try {
        const std::vector<Step> steps = parseArguments(args);
        BatchPlatform platform(out, std::move(chartSaver));
        Application app(platform);
        BatchRunner runner(platform, app.menu(), app.windows());
        for (const Step& step : steps) runner.perform(step);
        runner.finish();
        return 0;
    } catch (const std::exception& e) {
        out.flush();
        err << oneLine(e.what()) << std::endl;
        return 1;
    }
}

}  // namespace velmora::batch
