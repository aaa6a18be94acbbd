#pragma once
// The fixture of a window test: the whole program on the scripted platform,
// the window W found among its windows, and the steps every window test
// takes (open it as "Analizza" does, click, read results, failures,
// exported lines and copied columns).
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/application.h"
#include "controls/failures.h"
#include "fake_platform.h"
#include "test_tables.h"

namespace velmora::testing {

using Table = std::vector<std::vector<std::string>>;

// A table of one column from its cells.
inline Table column(const std::vector<std::string>& values, const std::string& header = "A")
{
    Table t{{header}};
    for (const auto& v : values) t.push_back({v});
    return t;
}

// A table of several columns named A, B, C ... from their cells.
inline Table columns(const std::vector<std::vector<std::string>>& values)
{
    Table t(1);
    for (std::size_t c = 0; c < values.size(); ++c) t[0].push_back(std::string(1, static_cast<char>('A' + c)));
    for (std::size_t r = 0; !values.empty() && r < values[0].size(); ++r) {
        t.emplace_back();
        for (const auto& col : values) t.back().push_back(col[r]);
    }
    return t;
}

// The lines of a file written with CR LF line ends.
inline std::vector<std::string> crlfLines(const std::string& file)
{
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < file.size();) {
        const std::size_t end = file.find("\r\n", at);
        if (end == std::string::npos) {
            lines.push_back(file.substr(at));
            break;
        }
        lines.push_back(file.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

template <class W>
class WindowFixture : public ::testing::Test {
protected:
    FakePlatform platform;
    Application app{platform};
    TMenuGEN& menu = app.menu();
    W& window = find();
    TempDir dir;

    // Loads the data table and opens the window as "Analizza" does, with
    // the window's entry picked in "Tipo di Analisi".
    void open(const Table& table)
    {
        setTable(menu.Tabella_TXT, table);
        for (const AnalysisEntry& e : analysisTable()) {
            if (window.className() == e.className) menu.TipoAnalisi_LST.selectText(e.item);
        }
        menu.Analisi_IMGClick();
    }
    // Opens and ticks the given items of the column list.
    void open(const Table& table, const std::vector<int>& ticked)
    {
        open(table);
        for (int i : ticked) window.ListaColonneItemClick(i);
    }

    // Clicks a control as the user does (through the window's command
    // guard); the failure it raises, empty when none.
    std::string click(Control& control)
    {
        return failureOf([&] { clickControl(window, control); });
    }

    std::string resultText(int col, int row) const { return window.Tabella_TXT.cellText(col, row); }
    std::vector<std::string> resultColumn(int col) const { return columnTexts(window.Tabella_TXT, col); }
    // Result column k read as label / value pairs, each label above its value.
    std::map<std::string, std::string> labelsAbove(int k = 0) const
    {
        std::map<std::string, std::string> out;
        for (int r = 0; r + 1 < window.Tabella_TXT.rowCount(); r += 2) out[resultText(k, r)] = resultText(k, r + 1);
        return out;
    }
    // The result table read as rows of a label in column 0 and its value beside it.
    std::map<std::string, std::string> labelsBeside() const
    {
        std::map<std::string, std::string> out;
        for (int r = 0; r < window.Tabella_TXT.rowCount(); ++r) out[resultText(0, r)] = resultText(1, r);
        return out;
    }

    // Clicks the export button with a file name queued for its dialog; the
    // file's bytes (empty when nothing was written).
    std::string exportedBytes(Control& button)
    {
        const std::string path = dir.file("export" + std::to_string(platform.saveDialogs.size()) + ".txt");
        platform.saveAnswers.push_back(path);
        clickControl(window, button);
        return readBytes(path);
    }
    // The data table's last column: header and cells.
    std::pair<std::string, std::vector<std::string>> lastDataColumn() const
    {
        const int last = menu.Tabella_TXT.columnCount() - 1;
        return {std::string(menu.Tabella_TXT.header(last)), columnTexts(menu.Tabella_TXT, last)};
    }

private:
    W& find()
    {
        for (Window* w : app.windows()) {
            if (auto* found = dynamic_cast<W*>(w)) return *found;
        }
        throw std::logic_error("the application creates no such window");
    }
};

}  // namespace velmora::testing
