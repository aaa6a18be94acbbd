#include "regression/regressione_lineare.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "app/application.h"
#include "controls/failures.h"
#include "fake_platform.h"
#include "test_tables.h"

namespace velmora {
namespace {

using testing::FakePlatform;
using Points = std::vector<std::pair<double, double>>;
using Table = std::vector<std::vector<std::string>>;

std::vector<std::string> splitLines(const std::string& file)
{
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < file.size();) {
        const std::size_t end = file.find("\r\n", at);
        lines.push_back(file.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

struct LinearRegression : ::testing::Test {
    FakePlatform platform;
    Application app{platform};
    TMenuGEN& menu = app.menu();
    TRegressioneLineare& window = *static_cast<TRegressioneLineare*>(app.window("TRegressioneLineare"));
    testing::TempDir dir;

    // Opens the window as "Analizza" does and picks X and Y.
    void open(const Table& table, const std::string& x, const std::string& y)
    {
        testing::setTable(menu.Tabella_TXT, table);
        menu.TipoAnalisi_LST.selectText("Regression Linear");
        menu.Analisi_IMGClick();
        ASSERT_TRUE(window.Colonna_X_LST.selectText(x));
        ASSERT_TRUE(window.Colonna_Y_LST.selectText(y));
    }
    std::map<std::string, std::string> results() const
    {
        std::map<std::string, std::string> out;
        for (int r = 0; r < window.Tabella_TXT.rowCount(); ++r)
            out[window.Tabella_TXT.cellText(0, r)] = window.Tabella_TXT.cellText(1, r);
        return out;
    }
    static Points points(const ChartSeries& s)
    {
        Points out;
        for (const ChartPoint& p : s.points) out.emplace_back(p.x, p.y);
        return out;
    }
    std::string exported()
    {
        const std::string path = dir.file("export" + std::to_string(platform.saveDialogs.size()) + ".txt");
        platform.saveAnswers.push_back(path);
        window.Esporta_Distribuzione_IMGClick();
        return testing::readBytes(path);
    }
    std::string failure()
    {
        try {
            window.Analisi_IMGClick();
        } catch (const Error& e) {
            return e.what();
        }
        return {};
    }
};

TEST_F(LinearRegression, BothProgressiveFitTheIdentity)
{
    open({{"A"}, {"7"}, {"8"}, {"9"}, {"10"}}, "PROGRESSIVE", "PROGRESSIVE");
    EXPECT_EQ(window.Colonna_X_LST.items, (std::vector<std::string>{"A", "PROGRESSIVE"}));
    window.Analisi_IMGClick();

    const auto r = results();
    EXPECT_EQ(r.at("A intercepts"), "0");
    EXPECT_EQ(r.at("B angular coefficient"), "1");
    EXPECT_EQ(r.at("RSS Residual Sum of Squares"), "0");
    EXPECT_EQ(r.at("R fitting"), "1");
    EXPECT_EQ(r.at("Count"), "4");
    EXPECT_EQ(platform.tones, FakePlatform::completion());
    EXPECT_EQ(points(window.Grafico.series[1]), (Points{{1, 1}, {2, 2}, {3, 3}, {4, 4}}));

    window.CopiaColonna_IMGClick();
    ASSERT_EQ(menu.Tabella_TXT.columnCount(), 2);
    EXPECT_EQ(menu.Tabella_TXT.header(1), "RegLIN_PROGRESSIVE_fPROGRESSIVE");
    EXPECT_EQ(testing::columnTexts(menu.Tabella_TXT, 1), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_TRUE(menu.Tabella_TXT.readOnly(1));
    EXPECT_EQ(menu.Numero_colonne_TXT.text, "2");
    EXPECT_EQ(platform.lastMessage(), "Copia effettuata");
}

TEST_F(LinearRegression, ResultTableChartAndExportFileOfASmallTable)
{
    // The comma as decimal separator shows in every number written.
    open({{"Month", "Sales"}, {"3", "2"}, {"1", "1"}, {"2", "3"}}, "Month", "Sales");
    menu.DecimalSeparator = ',';
    window.Analisi_IMGClick();

    const StringGrid& t = window.Tabella_TXT;
    ASSERT_EQ(t.rowCount(), 10);
    ASSERT_EQ(t.columnCount(), 2);
    EXPECT_EQ(t.header(0), "Linear Regression");
    EXPECT_EQ(t.header(1), "Y = A + B * X");
    EXPECT_EQ(t.width(0), 160);
    EXPECT_TRUE(t.readOnly(0) && t.readOnly(1));
    EXPECT_EQ(testing::columnTexts(t, 0),
              (std::vector<std::string>{"X Average", "Y Average", "X Variance", "XY Covariance", "Count", "A intercepts",
                                        "B angular coefficient", "RSS Residual Sum of Squares",
                                        "TSS Total Sum of Squares", "R fitting"}));
    EXPECT_EQ(testing::columnTexts(t, 1), (std::vector<std::string>{"2", "2", "0,666666666666667", "0,333333333333333",
                                                                     "3", "1", "0,5", "1,5", "2", "0,25"}));

    const ChartModel& g = window.Grafico;
    EXPECT_EQ(g.title, "Linear Regression - Sales");
    EXPECT_EQ(g.leftAxis.title, "Sales");
    EXPECT_EQ(g.bottomAxis.title, "Month");
    EXPECT_FALSE(g.legendVisible);
    EXPECT_EQ(points(g.series[1]), (Points{{1, 1}, {2, 3}, {3, 2}}));
    EXPECT_EQ(points(g.series[0]), (Points{{1, 1.5}, {3, 2.5}}));

    EXPECT_EQ(exported(), "x\tf(x)\tF(x)\t\tx\tF(x)\r\n"
                          "1\t1\t1,5\t1\t1,5\r\n"
                          "2\t3\t2\t3\t2,5\r\n"
                          "3\t2\t2,5\r\n");
    EXPECT_EQ(platform.saveDialogs.back().filterName, "Tabella delimitata da tabulatura");
    EXPECT_EQ(platform.tones, FakePlatform::completion());  // export plays nothing

    window.CopiaColonna_IMGClick();
    EXPECT_EQ(menu.Tabella_TXT.header(2), "RegLIN_Sales_fMonth");
    EXPECT_EQ(testing::columnTexts(menu.Tabella_TXT, 2), (std::vector<std::string>{"2,5", "1,5", "2"}));
}

TEST_F(LinearRegression, RepeatedXShowTheYThatTheSortLeavesFirst)
{
    // The partition sort leaves the pairs (1,40) (1,20) (2,10) (2,30): a
    // stable sort would show 20 for x = 1.
    open({{"X", "Y"}, {"2", "10"}, {"1", "20"}, {"2", "30"}, {"1", "40"}}, "X", "Y");
    window.Analisi_IMGClick();
    EXPECT_EQ(points(window.Grafico.series[1]), (Points{{1, 40}, {2, 10}}));
    EXPECT_EQ(results().at("R fitting"), "0.2");
    EXPECT_EQ(exported(), "x\tf(x)\tF(x)\t\tx\tF(x)\r\n1\t40\t30\t1\t30\r\n2\t10\t20\t2\t20\r\n");
}

TEST_F(LinearRegression, AFirstSortedXAtTheStartingMarkIsNeitherDrawnNorExported)
{
    open({{"X", "Y"}, {"1", "7"}, {"-1e12", "5"}, {"0", "6"}}, "X", "Y");
    window.Analisi_IMGClick();
    EXPECT_EQ(points(window.Grafico.series[1]), (Points{{0, 6}, {1, 7}}));
    EXPECT_EQ(window.Grafico.series[0].points.front().x, -1e12);  // the line still spans every x
    const std::vector<std::string> lines = splitLines(exported());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(lines[1].starts_with("0\t6\t")) << lines[1];
    EXPECT_TRUE(lines[2].starts_with("1\t7\t")) << lines[2];
    // The end point of the line at -1e12 is there, in the fourth field.
    std::vector<std::string> fields;
    std::stringstream in(lines[1]);
    for (std::string f; std::getline(in, f, '\t');) fields.push_back(f);
    ASSERT_EQ(fields.size(), 5u);
    EXPECT_EQ(fields[3], "-1000000000000");
}

TEST_F(LinearRegression, WithASingleDrawnPointTheExportStillHoldsBothEndPoints)
{
    // Two distinct x but only one drawn: line 2 carries the far end alone.
    open({{"X", "Y"}, {"-1e12", "1"}, {"1", "2"}}, "X", "Y");
    window.Analisi_IMGClick();
    const std::string file = exported();
    const std::string header = "x\tf(x)\tF(x)\t\tx\tF(x)\r\n";
    ASSERT_TRUE(file.starts_with(header + "1\t2\t2\t-1000000000000\t1\r\n")) << file;
    EXPECT_TRUE(file.ends_with("\r\n\t\t\t1\t2\r\n")) << file;
}

TEST_F(LinearRegression, ProgressAtRowsZeroAndFiftyThenAtTheMaximum)
{
    Table table{{"X", "Y"}};
    for (int i = 0; i < 75; ++i) table.push_back({std::to_string(i % 7), std::to_string(i)});
    open(table, "X", "Y");
    std::vector<int> positions;
    platform.onProcessEvents = [&] { positions.push_back(window.barra.position); };
    window.Analisi_IMGClick();
    EXPECT_EQ(positions, (std::vector<int>{0, 50}));
    EXPECT_EQ(window.barra.maximum, 74);
    EXPECT_EQ(window.barra.position, 74);
}

TEST_F(LinearRegression, StoppedRunKeepsTheLastResultsForCopyAndExport)
{
    open({{"X", "Y"}, {"1", "1"}, {"2", "3"}, {"3", "2"}}, "X", "Y");
    window.Analisi_IMGClick();
    const std::string before = exported();

    Table big{{"X", "Y"}};
    for (int i = 0; i < 120; ++i) big.push_back({std::to_string(i), std::to_string(2 * i)});
    open(big, "Y", "X");
    platform.onProcessEvents = [&] {
        if (window.barra.position == 50) window.Ferma_IMGClick();
    };
    window.Analisi_IMGClick();
    EXPECT_EQ(platform.lastMessage(), "Operazioni fermate");
    EXPECT_EQ(window.barra.position, 119);
    EXPECT_EQ(results().at("Count"), "3");
    EXPECT_EQ(window.Grafico.title, "Linear Regression - Y");
    EXPECT_EQ(exported(), before);
    EXPECT_EQ(platform.tones, FakePlatform::completion());
}

TEST_F(LinearRegression, FailuresKeepThePreviousTableAndChart)
{
    struct Case {
        const char* what;
        Table table;
        std::string message;
        int bar;  // where the failure leaves the progress bar (the previous run leaves 2)
        bool rounded = false;  // to 2 digits
    };
    const Case cases[] = {
        {"rounding overflows", {{"X", "Y"}, {"1", "3"}, {"1e307", "x"}}, "Floating point overflow", 2, true},
        {"sum overflows", {{"X", "Y"}, {"1.7e308", "3"}, {"1.7e308", "2"}}, "Floating point overflow", 0},
        {"equal X", {{"X", "Y"}, {"4", "1"}, {"4", "2"}, {"4", "5"}}, "Invalid floating point operation", 2},
        {"equal Y", {{"X", "Y"}, {"1", "3"}, {"2", "3"}, {"5", "3"}}, "Invalid floating point operation", 2},
        {"single row", {{"X", "Y"}, {"1", "3"}}, "Invalid floating point operation", 0},
        {"not a number", {{"X", "Y"}, {"1", "3"}, {"2", "x"}}, "'x' is not a valid floating point value", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        open({{"Month", "Sales"}, {"1", "1"}, {"2", "3"}, {"3", "2"}}, "Month", "Sales");
        window.Analisi_IMGClick();
        const auto table = results();
        const Points drawn = points(window.Grafico.series[1]);
        const std::string file = exported();

        open(c.table, "X", "Y");
        window.ArrotondaDato_CHK.checked = c.rounded;
        EXPECT_EQ(failure(), c.message);
        window.ArrotondaDato_CHK.checked = false;
        EXPECT_EQ(window.barra.position, c.bar);
        EXPECT_EQ(results(), table);
        EXPECT_EQ(points(window.Grafico.series[1]), drawn);
        EXPECT_EQ(window.Grafico.title, "Linear Regression - Sales");
        // Export goes on with the last successful fit and its picks; the copy
        // refuses, since that fit came from the table before this one.
        EXPECT_EQ(exported(), file);
        const int columns = menu.Tabella_TXT.columnCount();
        window.CopiaColonna_IMGClick();
        EXPECT_EQ(platform.lastMessage(), "Devi prima calcolare i parametri delle distribuzioni");
        EXPECT_EQ(menu.Tabella_TXT.columnCount(), columns);
    }
}

TEST_F(LinearRegression, RoundingWithZeroDigitsLeavesTheCopyUnrounded)
{
    open({{"X", "Y"}, {"0.6", "2.5"}, {"1.5", "-2.5"}, {"3.4", "1.6"}}, "X", "Y");
    window.ArrotondaDato_CHK.checked = true;
    window.NumeroCifre_TXT.text = "0";
    window.Analisi_IMGClick();
    // 2.5 becomes 3 and -2.5 becomes -3; the fit of (1,3) (2,-3) (3,2) is 5/3 - 0.5 x.
    EXPECT_EQ(points(window.Grafico.series[1]), (Points{{1, 3}, {2, -3}, {3, 2}}));
    EXPECT_EQ(results().at("A intercepts"), "2");
    EXPECT_EQ(results().at("B angular coefficient"), "-1");  // -0.5 rounded away from zero
    EXPECT_EQ(exported(), "x\tf(x)\tF(x)\t\tx\tF(x)\r\n1\t3\t1.16666666666667\t1\t1.16666666666667\r\n"
                          "2\t-3\t0.666666666666667\t3\t0.166666666666667\r\n3\t2\t0.166666666666667\r\n");
    window.CopiaColonna_IMGClick();
    EXPECT_EQ(testing::columnTexts(menu.Tabella_TXT, 2), (std::vector<std::string>{"1.36666666666667", "0.916666666666667", "-0.0333333333333334"}));
}

TEST_F(LinearRegression, CopyAndExportBeforeAnyComputationAskToComputeFirst)
{
    open({{"X", "Y"}, {"1", "2"}, {"2", "3"}}, "X", "Y");
    window.CopiaColonna_IMGClick();
    window.Esporta_Distribuzione_IMGClick();
    EXPECT_EQ(platform.messages, (std::vector<std::string>(2, "Devi prima calcolare i parametri delle distribuzioni")));
    EXPECT_TRUE(platform.saveDialogs.empty());
    EXPECT_EQ(menu.Tabella_TXT.columnCount(), 2);
}

TEST_F(LinearRegression, WindowShowsItsControlsAndTheAxisMenu)
{
    EXPECT_EQ(window.title, "Regressione Lineare");
    EXPECT_EQ(window.width, 960);
    EXPECT_EQ(window.height, 480);
    for (const char* name : {"Analisi_IMG", "Ferma_IMG", "ArrotondaDato_CHK", "NumeroCifre_TXT", "Colonna_X_LST",
                             "Colonna_Y_LST", "SalvaTabella_IMG", "SalvaGrafico_IMG", "Esporta_Distribuzione_IMG",
                             "CopiaColonna_IMG", "Tabella_TXT", "Grafico", "barra", "AsseSinistroInZero",
                             "AsseSinistroInAuto", "AsseBassoInZero", "AsseBassoInAuto"})
        EXPECT_NE(window.find(name), nullptr) << name;
    EXPECT_EQ(window.Colonna_X_LST.caption, "Asse delle X");
    EXPECT_EQ(window.Colonna_Y_LST.caption, "Asse delle Y");
    const ChartSeries& line = window.Grafico.series[0];
    EXPECT_EQ(line.title, "Function");
    EXPECT_EQ(line.kind, SeriesKind::Line);
    EXPECT_EQ(line.color, colors::orange);
    EXPECT_EQ(line.lineWidth, 2);
    EXPECT_EQ(window.Grafico.series[1].title, "Base values");
    EXPECT_EQ(window.Grafico.series[1].kind, SeriesKind::Point);

    // A new run sets the axes back to automatic.
    open({{"X", "Y"}, {"101", "150"}, {"102", "170"}}, "X", "Y");
    ASSERT_TRUE(clickControl(window, window.AsseSinistroInZero));
    EXPECT_FALSE(window.Grafico.leftAxis.automaticMinimum);
    window.Analisi_IMGClick();
    EXPECT_TRUE(window.Grafico.leftAxis.automaticMinimum);
}

}  // namespace
}  // namespace velmora
