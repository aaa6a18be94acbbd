// The chart pieces of the analysis frame: picture saving, the axis menu,
// chart-data export and the copy into the data table.
#include <gtest/gtest.h>

#include <functional>

#include "analysis/analysis_window.h"
#include "controls/failures.h"
#include "fake_platform.h"
#include "test_tables.h"

namespace velmora {
namespace {

using testing::FakePlatform;

class ChartWindow : public AnalysisWindow {
public:
    explicit ChartWindow(TMenuGEN& m) : AnalysisWindow(m, "TChartWindow", "Chart", 600, 400)
    {
        declare(SalvaGrafico_IMG);
        declare(Esporta_Distribuzione_IMG);
        declare(CopiaColonna_IMG);
        declare(Tabella_TXT);
        declareChart(true);
    }
};

struct ChartFrame : ::testing::Test {
    FakePlatform platform;
    TMenuGEN menu{platform};
    ChartWindow window{menu};
    testing::TempDir dir;

    // Results of `rows` rows published as a run publishes them.
    void computed(int rows)
    {
        StringGrid results;
        TMenuGEN::PulisciTabella(rows, 1, results, true);
        window.beginRun();
        window.showResults(std::move(results));
    }
};

TEST_F(ChartFrame, SaveChartAsksForAPngAndSavesOnlyOnConfirmation)
{
    window.Grafico.title = "Linear Regression - Y";
    platform.saveAnswers = {std::nullopt, dir.file("c.png")};
    window.SalvaGrafico_IMGClick();
    EXPECT_TRUE(platform.savedCharts.empty());
    window.SalvaGrafico_IMGClick();
    ASSERT_EQ(platform.saveDialogs.size(), 2u);
    EXPECT_EQ(platform.saveDialogs[0].filterName, "Portable Network Graphics");
    EXPECT_EQ(platform.saveDialogs[0].pattern, "*.png");
    EXPECT_TRUE(platform.saveDialogs[0].confirmOverwrite);
    ASSERT_EQ(platform.savedCharts.size(), 1u);
    EXPECT_EQ(platform.savedCharts[0], std::make_pair(std::string("Linear Regression - Y"), dir.file("c.png")));
}

TEST_F(ChartFrame, AxisMenuTouchesOnlyTheMinimumOfItsAxis)
{
    ChartModel& g = window.Grafico;
    g.leftAxis.automaticMaximum = false;
    g.leftAxis.maximum = 500;
    g.leftAxis.minimum = 120;
    ASSERT_TRUE(clickControl(window, *window.find("AsseSinistroInZero")));
    EXPECT_FALSE(g.leftAxis.automaticMinimum);
    EXPECT_EQ(g.leftAxis.minimum, 0.0);
    EXPECT_FALSE(g.leftAxis.automaticMaximum);
    EXPECT_EQ(g.leftAxis.maximum, 500.0);
    EXPECT_TRUE(g.bottomAxis.automaticMinimum);

    ASSERT_TRUE(clickControl(window, *window.find("AsseBassoInZero")));
    EXPECT_FALSE(g.bottomAxis.automaticMinimum);
    ASSERT_TRUE(clickControl(window, *window.find("AsseSinistroInAuto")));
    EXPECT_TRUE(g.leftAxis.automaticMinimum);
    EXPECT_FALSE(g.bottomAxis.automaticMinimum);
    ASSERT_TRUE(clickControl(window, *window.find("AsseBassoInAuto")));
    EXPECT_TRUE(g.bottomAxis.automaticMinimum);

    ASSERT_EQ(window.popupMenus.size(), 1u);
    EXPECT_EQ(window.popupMenus[0], std::make_pair(std::string("MenuGrafico"), std::string("Grafico")));
    for (const char* item : {"AsseSinistroInZero", "AsseSinistroInAuto", "AsseBassoInZero", "AsseBassoInAuto"}) {
        auto* b = window.findAs<Button>(item);
        ASSERT_NE(b, nullptr) << item;
        EXPECT_EQ(b->area, Area::Menu);
        EXPECT_EQ(b->menu, "MenuGrafico");
    }
}

TEST_F(ChartFrame, ExportGuardsOnTheResultRowsAndWritesCrLfLinesInTheTableEncoding)
{
    bool built = false;
    const auto lines = [&] {
        built = true;
        return std::vector<std::string>{"x\tf(x)", "1\t2\xC3\xA8"};  // "2è"
    };
    computed(5);
    window.saveChartData(6, lines);
    EXPECT_EQ(platform.lastMessage(), "Devi prima calcolare i parametri delle distribuzioni");
    EXPECT_TRUE(platform.saveDialogs.empty());
    EXPECT_FALSE(built);

    computed(6);
    platform.saveAnswers = {dir.file("d.txt")};
    window.saveChartData(6, lines);
    ASSERT_EQ(platform.saveDialogs.size(), 1u);
    EXPECT_EQ(platform.saveDialogs[0].filterName, "Tabella delimitata da tabulatura");
    EXPECT_EQ(testing::readBytes(dir.file("d.txt")), "x\tf(x)\r\n1\t2\xE8\r\n");

    // Text beyond Windows-1252 keeps every character in UTF-8.
    platform.saveAnswers = {dir.file("e.txt")};
    window.saveChartData(6, [] { return std::vector<std::string>{"\xE2\x88\x91"}; });
    EXPECT_EQ(testing::readBytes(dir.file("e.txt")), "\xEF\xBB\xBF\xE2\x88\x91\r\n");

    platform.saveAnswers = {std::nullopt};
    built = false;
    window.saveChartData(6, lines);
    EXPECT_FALSE(built);
}

TEST_F(ChartFrame, CopyAppendsAReadOnlyColumnAndUpdatesTheColumnCount)
{
    testing::setTable(menu.Tabella_TXT, {{"X", "Y"}, {"1", "2"}, {"3", "4"}});
    const auto column = [](int index) {
        return AnalysisWindow::CopiedColumn{"C" + std::to_string(index), {"10", "20"}};
    };
    window.copyColumnToTable(6, column);
    EXPECT_EQ(platform.lastMessage(), "Devi prima calcolare i parametri delle distribuzioni");
    EXPECT_EQ(menu.Tabella_TXT.columnCount(), 2);

    computed(10);
    window.copyColumnToTable(6, column);
    ASSERT_EQ(menu.Tabella_TXT.columnCount(), 3);
    EXPECT_EQ(menu.Tabella_TXT.header(2), "C2");
    EXPECT_TRUE(menu.Tabella_TXT.readOnly(2));
    EXPECT_EQ(testing::columnTexts(menu.Tabella_TXT, 2), (std::vector<std::string>{"10", "20"}));
    EXPECT_EQ(menu.Numero_colonne_TXT.text, "3");
    EXPECT_EQ(platform.lastMessage(), "Copia effettuata");

    // A failure while the column is built leaves the table as it was.
    EXPECT_THROW(window.copyColumnToTable(6, [](int) -> AnalysisWindow::CopiedColumn { throw Error("bad"); }),
                 Error);
    EXPECT_EQ(menu.Tabella_TXT.columnCount(), 3);
    EXPECT_EQ(menu.Numero_colonne_TXT.text, "3");
}

TEST_F(ChartFrame, CopyRefusesResultsOfAnotherTable)
{
    testing::setTable(menu.Tabella_TXT, {{"X", "Y"}, {"1", "2"}, {"3", "4"}});
    const auto column = [](int index) {
        return AnalysisWindow::CopiedColumn{"C" + std::to_string(index), {"10", "20"}};
    };
    computed(6);
    // Copying twice is fine: the first copy only appends.
    window.copyColumnToTable(6, column);
    window.copyColumnToTable(6, column);
    EXPECT_EQ(menu.Tabella_TXT.columnCount(), 4);

    // Every kind of change to the data table since the run: a cell, a
    // header, a row, a whole new table.
    const std::function<void()> changes[] = {
        [&] { menu.Tabella_TXT.setCell(0, 0, "5"); },
        [&] { menu.Tabella_TXT.setHeader(1, "Z"); },
        [&] { menu.Tabella_TXT.setRowCount(3); },
        [&] { testing::setTable(menu.Tabella_TXT, {{"P", "Q"}, {"1", "2"}}); },
    };
    for (const auto& change : changes) {
        computed(6);
        change();
        const int before = menu.Tabella_TXT.columnCount();
        platform.messages.clear();
        window.copyColumnToTable(6, column);
        EXPECT_EQ(platform.messages, std::vector<std::string>{"Devi prima calcolare i parametri delle distribuzioni"});
        EXPECT_EQ(menu.Tabella_TXT.columnCount(), before);
    }

    // A run that fails after it started keeps the old results' revision:
    // those results still belong to the table before the change.
    computed(6);
    menu.Tabella_TXT.setCell(0, 0, "7");
    window.beginRun();
    platform.messages.clear();
    window.copyColumnToTable(6, column);
    EXPECT_EQ(platform.lastMessage(), "Devi prima calcolare i parametri delle distribuzioni");
}

}  // namespace
}  // namespace velmora
