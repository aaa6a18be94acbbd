#include "inference/test_t.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include <boost/math/distributions/students_t.hpp>
#include <gtest/gtest.h>

#include "app/application.h"
#include "controls/failures.h"
#include "inference/student_t_table.h"
#include "window_fixture.h"

namespace velmora {
namespace {

using testing::FakePlatform;
using testing::columnTexts;
using Rows = std::vector<std::vector<std::string>>;

// The shortest text that reads back as exactly this double.
std::string exactText(double x)
{
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, x).ptr;
    return std::string(buf, end);
}

// A data table of two columns "A" and "B" from their values.
Rows twoColumns(const std::vector<std::string>& a, const std::vector<std::string>& b)
{
    Rows rows{{"A", "B"}};
    for (std::size_t r = 0; r < a.size(); ++r) rows.push_back({a[r], b[r]});
    return rows;
}

struct TTestWindow : testing::WindowFixture<TTestT> {
    void load(const Rows& rows, std::vector<int> checked = {0, 1}) { open(rows, checked); }
    void calcola() { ASSERT_TRUE(clickControl(window, window.Analisi_IMG)); }
    std::vector<std::string> result(int col) const { return columnTexts(window.Tabella_TXT, col); }
    std::string cell(int col, int row) const { return window.Tabella_TXT.cellText(col, row); }
};

TEST_F(TTestWindow, DifferentGroupsGiveTheWholeTable)
{
    load(twoColumns({"1", "2", "3"}, {"4", "5", "6"}));
    calcola();
    const StringGrid& t = window.Tabella_TXT;
    ASSERT_EQ(t.columnCount(), 2);
    ASSERT_EQ(t.rowCount(), 18);
    EXPECT_EQ(t.header(0), "A");
    EXPECT_EQ(t.header(1), "B");
    EXPECT_EQ(t.width(0), 160);
    EXPECT_EQ(t.width(1), 300);
    EXPECT_TRUE(t.readOnly(0) && t.readOnly(1));
    // T = -3 / sqrt(2/3) with df 4.
    EXPECT_EQ(result(0), (std::vector<std::string>{"Average", "2", "Variance", "1", "Sta.Dev.", "1", "Min", "1", "Max",
                                                   "3", "Count", "3", "", "T", "Degr.Freedom", "Limiti", "T<>L",
                                                   "Controllare"}));
    EXPECT_EQ(result(1),
              (std::vector<std::string>{"Average", "5", "Variance", "1", "Sta.Dev.", "1", "Min", "4", "Max", "6", "Count",
                                        "3", "", "-3.67423461417477", "4", "[-2.776,2.776]",
                                        "i gruppi NON sono simili",
                                        "=DISTRIB.T.2T(-3.67423461417477;4)<=0,05 : Differenza significativa fra le "
                                        "medie"}));
    EXPECT_EQ(platform.tones, FakePlatform::completion());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(TTestWindow, VerdictFollowsTheBoundsAndTheColumnOrder)
{
    struct Case {
        std::vector<std::string> a, b;
        const char* T;
        const char* label;
        const char* verdict;
    };
    const Case cases[] = {
        {{"1", "2", "3"}, {"4", "5", "6"}, "-3.67423461417477", "T<>L", "i gruppi NON sono simili"},
        {{"4", "5", "6"}, {"1", "2", "3"}, "3.67423461417477", "T<>L", "i gruppi NON sono simili"},
        {{"1", "2", "3"}, {"2", "3", "4"}, "-1.22474487139159", "-L<T<+L", "i gruppi sono simili"},
        {{"2", "3", "4"}, {"1", "2", "3"}, "1.22474487139159", "-L<T<+L", "i gruppi sono simili"},
    };
    for (const Case& c : cases) {
        load(twoColumns(c.a, c.b));
        calcola();
        EXPECT_EQ(cell(1, 13), c.T) << c.T;
        EXPECT_EQ(cell(0, 16), c.label) << c.T;
        EXPECT_EQ(cell(1, 16), c.verdict) << c.T;
    }
}

TEST_F(TTestWindow, TOnEitherBoundCountsAsAlike)
{
    // Two rows give df 2 and L 4.303. With x - 1, x + 1 against 0, 0 every
    // step is exact: mean x, variance 2 and 0, s = sqrt(2 / 2 * 4 / 4) = 1,
    // so T is x itself.
    const double L = 4.303;
    const auto rows = [](double x) { return twoColumns({exactText(x - 1), exactText(x + 1)}, {"0", "0"}); };
    const double above = std::nextafter(L, 10.0);
    {
        const double v[] = {L - 1, L + 1}, z[] = {0, 0};
        ASSERT_EQ(pooledT(describeTTestColumn(v, 2), describeTTestColumn(z, 2), 2).T, L);
    }

    load(rows(L));
    calcola();
    EXPECT_EQ(cell(1, 15), "[-4.303,4.303]");
    EXPECT_EQ(cell(0, 16), "-L<T<+L");
    EXPECT_EQ(cell(1, 16), "i gruppi sono simili");

    Rows swapped;
    for (const auto& r : rows(L)) swapped.push_back({r[1], r[0]});
    load(swapped);  // 0 against x: T = -L
    calcola();
    EXPECT_EQ(cell(1, 13), "-4.303");
    EXPECT_EQ(cell(1, 16), "i gruppi sono simili");

    load(rows(above));
    calcola();
    EXPECT_EQ(cell(0, 16), "T<>L");
    EXPECT_EQ(cell(1, 16), "i gruppi NON sono simili");
}

TEST_F(TTestWindow, DegreesOfFreedomPickTheCriticalValue)
{
    const std::pair<int, std::pair<const char*, const char*>> cases[] = {
        {2, {"2", "[-4.303,4.303]"}},
        {56, {"110", "[-1.982,1.982]"}},
        {57, {"112", "[-1.96,1.96]"}},
    };
    for (const auto& [n, expected] : cases) {
        Rows rows{{"A", "B"}};
        for (int r = 0; r < n; ++r) rows.push_back({std::to_string(r), std::to_string((r * 7) % 11)});
        load(rows);
        calcola();
        EXPECT_EQ(cell(1, 11), std::to_string(n));
        EXPECT_EQ(cell(1, 14), expected.first) << n;
        EXPECT_EQ(cell(1, 15), expected.second) << n;
    }
}

TEST_F(TTestWindow, DecimalCommaKeepsTheLiteralCommaOfTheBounds)
{
    menu.DecimalSeparator = ',';
    std::vector<std::string> a, b;
    for (int r = 1; r <= 10; ++r) {
        a.push_back(std::to_string(r));
        b.push_back(std::to_string(r) + ",5");
    }
    load(twoColumns(a, b));
    calcola();
    EXPECT_EQ(cell(1, 1), "6");
    EXPECT_EQ(cell(1, 7), "1,5");
    EXPECT_EQ(cell(1, 14), "18");
    EXPECT_EQ(cell(1, 15), "[-2,101,2,101]");
    const std::string formula = cell(1, 17);
    EXPECT_EQ(formula.rfind("=DISTRIB.T.2T(-0,", 0), 0u) << formula;
    EXPECT_NE(formula.find(";18)<=0,05 : Differenza significativa fra le medie"), std::string::npos) << formula;
}

TEST_F(TTestWindow, RoundingShowsRoundedFiguresOfUnroundedInputs)
{
    load(twoColumns({"1.4", "2", "3"}, {"4", "5", "6"}));
    calcola();
    const std::string unroundedFormula = cell(1, 17);
    const std::string unroundedT = cell(1, 13);

    window.ArrotondaDato_CHK.checked = true;
    window.NumeroCifre_TXT.text = "0";
    calcola();
    EXPECT_EQ(cell(0, 7), "1");  // Min 1.4 shown to no decimals
    EXPECT_EQ(cell(0, 1), "2");  // mean 6.4 / 3
    EXPECT_EQ(cell(1, 13), "-4");  // T -3.86, rounded away from zero
    EXPECT_EQ(cell(1, 15), "[-2.776,2.776]");
    // Rounded inputs would make the first column 1, 2, 3 and T -3.674...
    EXPECT_EQ(cell(1, 17), unroundedFormula);
    EXPECT_NE(unroundedFormula.find(unroundedT), std::string::npos);
    EXPECT_EQ(unroundedFormula.find("-3.67423461417477"), std::string::npos);
}

TEST_F(TTestWindow, WrongNumberOfColumnsIsRefused)
{
    const Rows rows{{"A", "B", "C"}, {"1", "4", "7"}, {"2", "5", "8"}, {"3", "6", "9"}};
    const std::pair<std::vector<int>, const char*> cases[] = {
        {{}, "Devi selezionare almeno due colonne da confrontare"},
        {{2}, "Devi selezionare almeno due colonne da confrontare"},
        {{0, 1, 2}, "Puoi selezionare massimo due colonne"},
    };
    for (const auto& [checked, message] : cases) {
        platform.messages.clear();
        load(rows, checked);
        calcola();
        EXPECT_EQ(platform.messages, std::vector<std::string>{message});
        EXPECT_EQ(window.Tabella_TXT.columnCount(), 0);
    }
    EXPECT_TRUE(platform.tones.empty());
}

TEST_F(TTestWindow, FailureKeepsThePreviousTable)
{
    load(twoColumns({"1", "2", "3"}, {"4", "5", "6"}));
    calcola();
    const std::vector<std::string> before = result(1);

    const std::pair<Rows, const char*> cases[] = {
        {twoColumns({"1"}, {"2"}), "Invalid floating point operation"},         // variance 0 / 0
        {twoColumns({"2", "2"}, {"3", "3"}), "Floating point division by zero"},  // s = 0
        {twoColumns({"2", "2"}, {"2", "2"}), "Invalid floating point operation"}, // 0 / 0
        {twoColumns({"1", "x"}, {"2", "3"}), "'x' is not a valid floating point value"},
    };
    for (const auto& [rows, message] : cases) {
        load(rows);
        try {
            clickControl(window, window.Analisi_IMG);
            ADD_FAILURE() << "no failure for " << message;
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), message);
        }
        EXPECT_EQ(result(1), before) << message;
        EXPECT_EQ(window.Tabella_TXT.header(0), "A");
    }
    EXPECT_EQ(platform.tones, FakePlatform::completion());
}

TEST(CriticalValueTable, RowsMatchStudentsTQuantile)
{
    const auto& table = criticalValueTable();
    EXPECT_EQ(table[0].bound, 0);
    EXPECT_EQ(table[0].value, 0.0);
    for (int df = 1; df <= 110; ++df) {
        const double q = boost::math::quantile(boost::math::students_t(df), 0.975);
        EXPECT_EQ(table[df].bound, df);
        EXPECT_EQ(std::lround(table[df].value * 1000), std::lround(q * 1000)) << "df " << df << ": " << q;
    }
    EXPECT_EQ(table[111].bound, 30000);
    EXPECT_EQ(table[111].value, 1.96);
}

TEST(CriticalValueTable, LookUp)
{
    const std::pair<int, double> cases[] = {{-2, 1.96}, {0, 1.96},    {1, 12.706},   {4, 2.776},   {60, 2.0},
                                            {61, 2.0},  {62, 1.999},  {110, 1.982},  {111, 1.96},  {30000, 1.96},
                                            {30001, 1.96}};
    for (const auto& [df, value] : cases) EXPECT_EQ(criticalValue(df), value) << df;
}

TEST(TTestApplication, OpensFromTheAnalysisList)
{
    FakePlatform platform;
    Application app(platform);
    auto* window = dynamic_cast<TTestT*>(app.window("TTestT"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->title, "T Test assumendo la varianza uguale");
    EXPECT_EQ(window->find("Ferma_IMG"), nullptr);
    ASSERT_NE(window->findAs<Label>("Descrizione_LAB"), nullptr);
    EXPECT_EQ(window->Descrizione_LAB.color, colors::orange);

    TMenuGEN& menu = app.menu();
    testing::setTable(menu.Tabella_TXT, twoColumns({"1", "2", "3"}, {"4", "5", "6"}));
    ASSERT_TRUE(menu.TipoAnalisi_LST.selectText("T Test"));
    menu.Analisi_IMGClick();
    EXPECT_EQ(platform.shownModal, std::vector<std::string>{"TTestT"});
    ASSERT_EQ(window->ListaColonne.items.size(), 2u);
    EXPECT_EQ(window->ListaColonne.items[1].text, "B");
}

}  // namespace
}  // namespace velmora
