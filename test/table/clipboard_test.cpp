#include <gtest/gtest.h>

#include "fake_platform.h"
#include "table/clipboard_text.h"
#include "table/menu_gen.h"
#include "test_tables.h"

namespace velmora {
namespace {

using testing::columnTexts;
using testing::FakePlatform;
using testing::setTable;
using Rows = std::vector<std::vector<std::string>>;

TEST(CellBlock, ParsesWhatSpreadsheetsPut)
{
    const struct {
        const char* what;
        std::string text;
        Rows rows;
    } cases[] = {
        {"CR LF, last row ended", "1\t2\r\n3\t4\r\n", {{"1", "2"}, {"3", "4"}}},
        {"LF, last row open", "1\t2\n3\t4", {{"1", "2"}, {"3", "4"}}},
        {"lone CR", "a\rb\r", {{"a"}, {"b"}}},
        {"empty cells and rows", "\t\r\n\r\nx\t", {{"", ""}, {""}, {"x", ""}}},
        {"ragged rows", "a\tb\tc\r\nd\r\n", {{"a", "b", "c"}, {"d"}}},
        {"quoted cell with tab, line end and quotes", "\"a\tb\r\nc \"\"q\"\"\"\t2\r\n", {{"a\tb\r\nc \"q\"", "2"}}},
        {"a quote inside a cell is plain", "5\" disk\t\"x\"y\r\n", {{"5\" disk", "\"x\"y"}}},
        {"unclosed quote is plain", "\"abc\tz", {{"\"abc", "z"}}},
        {"nothing", "", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(parseCellBlock(c.text), c.rows) << c.what;
}

TEST(CellBlock, FormatsTheBlockClippedToTheGrid)
{
    StringGrid g;
    setTable(g, {{"A", "B", "C"}, {"1", "2", "3"}, {"4", "a\tb", "\"q"}});
    EXPECT_EQ(formatCellBlock(g, {0, 1, 1, 2}), "2\t3\r\n\"a\tb\"\t\"\"\"q\"\r\n");
    EXPECT_EQ(formatCellBlock(g, {1, 0, 9, 0}), "4\r\n");
    EXPECT_EQ(formatCellBlock(g, {2, 0, 2, 0}), "");
    EXPECT_EQ(parseCellBlock(formatCellBlock(g, {0, 0, 1, 2})), (Rows{{"1", "2", "3"}, {"4", "a\tb", "\"q"}}));
}

struct Clipboard : ::testing::Test {
    FakePlatform platform;
    TMenuGEN menu{platform};
    StringGrid& table = menu.Tabella_TXT;
};

TEST_F(Clipboard, APastedBlockGrowsTheTableAndSkipsReadOnlyColumns)
{
    setTable(table, {{"X", "Fit"}, {"1", "f1"}, {"2", "f2"}});
    table.setReadOnly(1, true);
    menu.Numero_righe_TXT.text = "9";
    menu.Numero_colonne_TXT.text = "9";
    table.currentRow = 1;
    table.currentCol = 0;

    // A block as a spreadsheet copies it: three rows of three cells.
    menu.pasteCells("10\t11\t12\r\n20\t21\t22\r\n30\t31\t32\r\n");
    ASSERT_EQ(table.columnCount(), 3);
    ASSERT_EQ(table.rowCount(), 4);
    EXPECT_EQ(table.header(2), "C");
    EXPECT_FALSE(table.readOnly(2));
    EXPECT_EQ(columnTexts(table, 0), (std::vector<std::string>{"1", "10", "20", "30"}));
    EXPECT_EQ(columnTexts(table, 1), (std::vector<std::string>{"f1", "f2", "", ""}));
    EXPECT_EQ(columnTexts(table, 2), (std::vector<std::string>{"", "12", "22", "32"}));
    EXPECT_EQ(menu.Numero_righe_TXT.text, "4");
    EXPECT_EQ(menu.Numero_colonne_TXT.text, "3");

    // What it copies comes back the same, pasted elsewhere.
    const std::string copied = menu.copyCells({1, 0, 3, 0});
    EXPECT_EQ(copied, "10\r\n20\r\n30\r\n");
    table.currentRow = 0;
    table.currentCol = 2;
    menu.pasteCells(copied);
    EXPECT_EQ(columnTexts(table, 2), (std::vector<std::string>{"10", "20", "30", "32"}));
    // A block inside the table leaves the boxes alone.
    menu.Numero_righe_TXT.text = "7";
    menu.pasteCells("x\r\n");
    EXPECT_EQ(menu.Numero_righe_TXT.text, "7");
    EXPECT_EQ(table.cell(2, 0), "x");
}

TEST_F(Clipboard, PastingIntoAnEmptyTableMakesItsColumns)
{
    table.currentRow = -1;
    table.currentCol = -1;
    menu.pasteCells("Città\t2,5\n\"a\tb\"");
    ASSERT_EQ(table.columnCount(), 2);
    EXPECT_EQ(table.header(0), "A");
    EXPECT_EQ(table.header(1), "B");
    EXPECT_EQ(columnTexts(table, 0), (std::vector<std::string>{"Città", "a\tb"}));
    EXPECT_EQ(columnTexts(table, 1), (std::vector<std::string>{"2,5", ""}));
    EXPECT_EQ(menu.Numero_righe_TXT.text, "2");
    EXPECT_EQ(menu.Numero_colonne_TXT.text, "2");

    menu.pasteCells("");
    EXPECT_EQ(table.rowCount(), 2);
}

}  // namespace
}  // namespace velmora
