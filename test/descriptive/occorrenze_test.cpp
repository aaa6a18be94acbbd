#include "descriptive/occorrenze.h"

#include <gtest/gtest.h>

#include "app/application.h"
#include "controls/failures.h"
#include "fake_platform.h"
#include "test_tables.h"

namespace velmora {
namespace {

using testing::FakePlatform;
using Table = std::vector<std::vector<std::string>>;
using Points = std::vector<std::pair<double, double>>;

struct Occurrences : ::testing::Test {
    FakePlatform platform;
    Application app{platform};
    TMenuGEN& menu = app.menu();
    TOccorrenze& window = *static_cast<TOccorrenze*>(app.window("TOccorrenze"));

    // Opens the window as "Analizza" does and ticks the given columns.
    void open(const Table& table, const std::vector<int>& ticked = {0})
    {
        testing::setTable(menu.Tabella_TXT, table);
        menu.TipoAnalisi_LST.selectText("Occurrences");
        menu.Analisi_IMGClick();
        for (int i : ticked) window.ListaColonneItemClick(i);
    }
    void count(const Table& table, const std::vector<int>& ticked = {0})
    {
        open(table, ticked);
        window.Analisi_IMGClick();
    }
    void roundingOff()
    {
        window.ArrotondaDato_CHK.checked = false;
        window.ArrotondaDato_CHKChange();
    }
    // The result table, header row first.
    Table result() const
    {
        const StringGrid& g = window.Tabella_TXT;
        Table t(g.rowCount() + 1);
        for (int c = 0; c < g.columnCount(); ++c) {
            t[0].emplace_back(g.header(c));
            for (int r = 0; r < g.rowCount(); ++r) t[r + 1].emplace_back(g.cell(c, r));
        }
        return t;
    }
    Points points(int series) const
    {
        Points out;
        for (const ChartPoint& p : window.Grafico.series[series].points) out.emplace_back(p.x, p.y);
        return out;
    }
    void drawColumn(const std::string& name)
    {
        ASSERT_TRUE(window.Colonna_LST.selectText(name));
        window.DisegnaDati_IMGClick();
    }
};

TEST_F(Occurrences, ControlsAndDefaults)
{
    EXPECT_EQ(window.title, "Occorrenze");
    EXPECT_EQ(window.width, 940);
    EXPECT_EQ(window.height, 480);
    EXPECT_TRUE(window.ArrotondaDato_CHK.checked);
    EXPECT_TRUE(window.NumeroCifre_TXT.enabled);
    EXPECT_EQ(window.NumeroCifre_TXT.text, "2");
    EXPECT_TRUE(window.Punti_Singoli_CHK.checked);
    EXPECT_FALSE(window.Punti_Uniti_CHK.checked);
    EXPECT_FALSE(window.NonDisegnareValoriNulli_CHK.checked);
    EXPECT_EQ(window.Tipologie_IMG.caption, "Distribuzioni");
    EXPECT_EQ(window.Colonna_LST.caption, "Disegna colonna");
    EXPECT_TRUE(window.Colonna_LST.items.empty());
    EXPECT_EQ(window.Tabella_TXT.columnCount(), 0);
    for (const char* name : {"Analisi_IMG", "Ferma_IMG", "DisegnaDati_IMG", "SalvaGrafico_IMG", "SalvaTabella_IMG",
                             "AsseSinistroInZero", "AsseSinistroInAuto", "Tipologie_IMG"})
        EXPECT_NE(window.find(name), nullptr) << name;

    const ChartModel& g = window.Grafico;
    EXPECT_EQ(g.title, "Occurrences");
    EXPECT_EQ(g.bottomAxis.title, "Value");
    EXPECT_EQ(g.leftAxis.title, "Occurrences");
    EXPECT_FALSE(g.legendVisible);
    EXPECT_FALSE(g.leftAxis.automaticMinimum);
    EXPECT_EQ(g.leftAxis.minimum, 0.0);
    ASSERT_EQ(g.series.size(), 2u);
    EXPECT_EQ(g.series[0].kind, SeriesKind::Point);
    EXPECT_EQ(g.series[0].pointer, PointerStyle::Circle);
    EXPECT_FALSE(g.series[0].sortedByX);
    EXPECT_EQ(g.series[1].kind, SeriesKind::Line);
    EXPECT_TRUE(g.series[1].sortedByX);
    for (const ChartSeries& s : g.series) EXPECT_EQ(s.color, 0xFF304871u);

    // The typical curves stay open beside the window.
    platform.shown.clear();
    window.Tipologie_IMGClick();
    EXPECT_EQ(platform.shown, std::vector<std::string>{"TEquazioniGrafiche"});
    EXPECT_TRUE(platform.shownModal.empty());
}

TEST_F(Occurrences, CountsDistinctValuesInAscendingOrder)
{
    open({{"A"}, {"2"}, {"1"}, {"2"}, {"3"}, {"2"}});
    roundingOff();
    window.Analisi_IMGClick();
    EXPECT_EQ(result(), (Table{{"Occurrences", "A"}, {"1", "1"}, {"3", "2"}, {"1", "3"}}));
    EXPECT_EQ(window.Colonna_LST.items, std::vector<std::string>{"A"});
    EXPECT_EQ(window.Colonna_LST.itemIndex, 0);
    EXPECT_EQ(platform.tones, FakePlatform::completion());
    EXPECT_TRUE(window.Tabella_TXT.readOnly(0));
}

TEST_F(Occurrences, RoundingJoinsCloseValuesAndUncheckingSeparatesThem)
{
    const Table data{{"A"}, {"1.004"}, {"1.001"}};
    count(data);
    EXPECT_EQ(result(), (Table{{"Occurrences", "A"}, {"2", "1"}}));
    roundingOff();
    window.Analisi_IMGClick();
    EXPECT_EQ(result(), (Table{{"Occurrences", "A"}, {"1", "1.001"}, {"1", "1.004"}}));
}

TEST_F(Occurrences, ShorterColumnsAreFilledWithZeroRows)
{
    count({{"A", "B"}, {"1", "5"}, {"2", "6"}, {"3", "5"}, {"1", "6"}}, {0, 1});
    EXPECT_EQ(result(), (Table{{"Occurrences", "A", "Occurrences", "B"},
                               {"2", "1", "2", "5"},
                               {"1", "2", "2", "6"},
                               {"1", "3", "0", "0"}}));
    EXPECT_EQ(window.Colonna_LST.items, (std::vector<std::string>{"A", "B"}));
}

// A 0 row is drawn when it is the first row, or when it is not the last row
// and the row before it is not 0.
TEST_F(Occurrences, DrawingLeavesOutFillerRows)
{
    struct Case {
        const char* name;
        Table data;
        std::string drawn;
        bool noNulls;
        Points expected;
    };
    const Table fourAndTwo{{"A", "B"}, {"1", "5"}, {"2", "6"}, {"3", "5"}, {"4", "6"}};
    const Case cases[] = {
        {"filler in the last row", {{"A", "B"}, {"1", "5"}, {"2", "6"}, {"3", "5"}}, "B", false, {{5, 2}, {6, 1}}},
        {"first filler row", fourAndTwo, "B", false, {{5, 2}, {6, 2}, {0, 0}}},
        {"filler with no nulls", fourAndTwo, "B", true, {{5, 2}, {6, 2}}},
        {"real 0 inside", {{"A"}, {"2"}, {"0"}, {"-1"}, {"0"}}, "A", false, {{-1, 1}, {0, 2}, {2, 1}}},
        {"real 0 inside, no nulls", {{"A"}, {"2"}, {"0"}, {"-1"}}, "A", true, {{-1, 1}, {2, 1}}},
        {"real 0 in the last row", {{"A"}, {"-2"}, {"0"}, {"-1"}}, "A", false, {{-2, 1}, {-1, 1}}},
        {"real 0 in the first row", {{"A"}, {"0"}, {"1"}, {"0"}}, "A", false, {{0, 2}, {1, 1}}},
    };
    roundingOff();
    for (const Case& c : cases) {
        count(c.data, c.data[0].size() == 2 ? std::vector<int>{0, 1} : std::vector<int>{0});
        window.NonDisegnareValoriNulli_CHK.checked = c.noNulls;
        drawColumn(c.drawn);
        EXPECT_EQ(points(0), c.expected) << c.name;
        EXPECT_TRUE(points(1).empty()) << c.name;
        EXPECT_EQ(window.Grafico.title, "Occurrences  - " + c.drawn) << c.name;
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Occurrences, JoinedPointsGoToTheLineSeriesInAscendingX)
{
    count({{"A", "B"}, {"1", "5"}, {"2", "6"}, {"3", "5"}, {"4", "6"}}, {0, 1});
    ASSERT_TRUE(window.Colonna_LST.selectText("B"));
    window.Punti_Uniti_CHK.checked = true;
    changeControl(window, window.Punti_Uniti_CHK);
    EXPECT_FALSE(window.Punti_Singoli_CHK.checked);
    EXPECT_TRUE(points(0).empty());
    EXPECT_EQ(points(1), (Points{{0, 0}, {5, 2}, {6, 2}}));
    // Back to single points: the points in the order they were added.
    window.Punti_Singoli_CHK.checked = true;
    changeControl(window, window.Punti_Singoli_CHK);
    EXPECT_EQ(points(0), (Points{{5, 2}, {6, 2}, {0, 0}}));
    EXPECT_TRUE(points(1).empty());
}

TEST_F(Occurrences, DrawingSetsTheAxes)
{
    count({{"A"}, {"200"}, {"300"}, {"300"}});
    window.AsseSinistroInAutoClick();
    window.Grafico.bottomAxis.automaticMinimum = false;
    window.DisegnaDati_IMGClick();
    EXPECT_TRUE(window.Grafico.bottomAxis.automaticMinimum);
    EXPECT_TRUE(window.Grafico.bottomAxis.automaticMaximum);
    EXPECT_TRUE(window.Grafico.leftAxis.automaticMaximum);
    EXPECT_FALSE(window.Grafico.leftAxis.automaticMinimum);
    EXPECT_EQ(window.Grafico.leftAxis.minimum, 0.0);
}

TEST_F(Occurrences, ColumnNamedOccurrencesDrawsTheFirstColumn)
{
    count({{"X", "Occurrences"}, {"1", "7"}, {"2", "7"}, {"2", "8"}}, {0, 1});
    drawColumn("Occurrences");
    EXPECT_EQ(points(0), (Points{{1, 1}, {2, 2}}));
    EXPECT_EQ(window.Grafico.title, "Occurrences  - Occurrences");
}

TEST_F(Occurrences, DrawingNeedsTwoRowsOfACompleteCounting)
{
    const std::string refused = "Devi prima calcolare i parametri delle occorrenze";
    open({{"A", "B"}, {"1", "5"}, {"1", "6"}}, {0});
    window.DisegnaDati_IMGClick();
    EXPECT_EQ(platform.lastMessage(), refused);
    // A radio switch without results draws nothing and says nothing.
    platform.messages.clear();
    window.Punti_Uniti_CHK.checked = true;
    changeControl(window, window.Punti_Uniti_CHK);
    EXPECT_TRUE(platform.messages.empty());

    window.Analisi_IMGClick();  // a single distinct value: one row
    window.DisegnaDati_IMGClick();
    EXPECT_EQ(platform.messages, std::vector<std::string>{refused});
}

// A stopped counting refills the column picker but keeps the previous
// table; drawing is refused until a counting completes.
TEST_F(Occurrences, StoppedCountingKeepsTheTableAndRefusesToDraw)
{
    count({{"A", "B", "C"}, {"1", "5", "7"}, {"2", "6", "7"}, {"2", "6", "8"}}, {0});
    const Table before = result();
    window.ListaColonneItemClick(0);
    window.ListaColonneItemClick(1);
    window.ListaColonneItemClick(2);
    platform.onProcessEvents = [&] { clickControl(window, window.Ferma_IMG); };
    platform.tones.clear();
    window.Analisi_IMGClick();
    EXPECT_EQ(platform.lastMessage(), "Operazioni fermate");
    EXPECT_EQ(result(), before);
    EXPECT_EQ(window.Colonna_LST.items, (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(window.barra.position, window.barra.maximum);
    EXPECT_TRUE(platform.tones.empty());

    window.Grafico.series[0].addXY(9, 9);
    window.DisegnaDati_IMGClick();
    EXPECT_EQ(platform.lastMessage(), "Devi prima calcolare i parametri delle occorrenze");
    EXPECT_EQ(points(0), (Points{{9, 9}}));

    platform.onProcessEvents = nullptr;
    window.Analisi_IMGClick();
    drawColumn("C");
    EXPECT_EQ(points(0), (Points{{7, 2}, {8, 1}}));
}

TEST_F(Occurrences, FailuresWriteNothing)
{
    count({{"A"}, {"1"}, {"2"}});
    const Table before = result();
    struct Case {
        Table data;
        std::string digits;
        std::string message;
    };
    const Case cases[] = {
        {{{"A"}, {"1"}, {""}}, "2", "'' is not a valid floating point value"},
        {{{"A"}, {"1"}, {"x"}}, "2", "'x' is not a valid floating point value"},
        {{{"A"}, {"1"}, {"2"}}, "z", "'z' is not a valid floating point value"},
        {{{"A"}, {"1e308"}, {"2"}}, "2", "Floating point overflow"},
    };
    for (const Case& c : cases) {
        open(c.data);
        window.NumeroCifre_TXT.text = c.digits;
        try {
            window.Analisi_IMGClick();
            ADD_FAILURE() << c.message;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        EXPECT_EQ(result(), before) << c.message;
        window.NumeroCifre_TXT.text = "2";
    }

    open({{"A"}, {"1"}}, {});
    window.Analisi_IMGClick();
    EXPECT_EQ(platform.lastMessage(), "Devi selezionare almeno una colonna da calcolare");
    EXPECT_TRUE(window.Colonna_LST.items.empty());
    EXPECT_EQ(result(), before);
}

}  // namespace
}  // namespace velmora
