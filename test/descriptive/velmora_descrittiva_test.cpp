#include "descriptive/velmora_descrittiva.h"

#include <gtest/gtest.h>

#include "app/application.h"
#include "controls/failures.h"
#include "window_fixture.h"

namespace velmora {
namespace {

using testing::FakePlatform;

using testing::column;

struct Descriptive : testing::WindowFixture<TVelmoraDescrittiva> {
    std::map<std::string, std::string> results(int k = 0) const { return labelsAbove(k); }
    std::string failure()
    {
        return testing::failureOf([&] { window.Analisi_IMGClick(); });
    }
};

TEST_F(Descriptive, OneTwoThreeGivesEveryMeasure)
{
    open(column({"3", "1", "2"}), {0});
    window.Analisi_IMGClick();

    ASSERT_EQ(window.Tabella_TXT.rowCount(), 42);
    ASSERT_EQ(window.Tabella_TXT.columnCount(), 1);
    EXPECT_EQ(window.Tabella_TXT.header(0), "A");
    EXPECT_TRUE(window.Tabella_TXT.readOnly(0));
    const std::map<std::string, std::string> expected{
        {"Average", "2"},
        {"Variance", "1"},
        {"Sta.Dev.", "1"},
        {"Count", "3"},
        {"Asymmetry", "0"},
        {"Kurtosis", "-2.33333333333333"},
        {"Median", "2"},
        {"Harmonic Average", "1.63636363636364"},
        {"Geometric Average", "1.81712059283214"},
        {"Quadratic Average", "2.16024689946929"},
        {"Root Mean Simple", "0.666666666666667"},
        {"Min", "1"},
        {"Max", "3"},
        {"Quartile 0/4", "1"},
        {"Quartile 1/4", "1"},
        {"Quartile 2/4", "2"},
        {"Quartile 3/4", "3"},
        {"Quartile 4/4", "3"},
        {"IQR interquartile range", "2"},
        {"Mode", "0"},
        {"Max frequency", "0"},
    };
    EXPECT_EQ(results(), expected);
    // Labels sit in the even rows, in this order.
    EXPECT_EQ(window.Tabella_TXT.cell(0, 0), "Average");
    EXPECT_EQ(window.Tabella_TXT.cell(0, 40), "Max frequency");
    EXPECT_EQ(platform.tones, FakePlatform::completion());
}

// A floating-point fault in one measure's own arithmetic makes that measure
// NAN and leaves the others. Figures from the definitions, computed in
// python3 (test/batch/expected/reference.py's describe).
TEST_F(Descriptive, EachMeasureStandsOnItsOwn)
{
    std::vector<std::string> around20;  // 18.0 to 22.0: the product passes 1e308 after ~230 values
    for (int i = 0; i < 300; ++i) {
        const int tenths = 180 + (i * 7) % 41;
        around20.push_back(std::to_string(tenths / 10) + "." + std::to_string(tenths % 10));
    }
    const struct {
        const char* name;
        std::vector<std::string> values;
        std::map<std::string, std::string> expected;  // every other measure is a number
    } cases[] = {
        {"300 values around 20", around20,
         {{"Average", "19.986"}, {"Variance", "1.41351571906355"}, {"Sta.Dev.", "1.18891367182969"},
          {"Count", "300"}, {"Asymmetry", "0.00300646664526089"}, {"Kurtosis", "-1.21714886488986"},
          {"Median", "20"}, {"Harmonic Average", "19.9153245774912"}, {"Geometric Average", "19.9506786285972"},
          {"Quadratic Average", "20.0212137494209"}, {"Root Mean Simple", "1.02828"}, {"Min", "18"}, {"Max", "22"},
          {"Quartile 0/4", "18"}, {"Quartile 1/4", "18.95"}, {"Quartile 2/4", "20"}, {"Quartile 3/4", "21"},
          {"Quartile 4/4", "22"}, {"IQR interquartile range", "2.05"}, {"Mode", "18"}, {"Max frequency", "7"}}},
        {"2000 values of 0.001", std::vector<std::string>(2000, "0.001"),
         {{"Geometric Average", "0.001"}, {"Harmonic Average", "0.001"}, {"Median", "0.001"}}},
        {"an odd count of negative values", {"7", "-3", "5"},
         {{"Geometric Average", "NAN"}, {"Average", "3"}, {"Harmonic Average", "314.999999999999"},
          {"Asymmetry", "-0.323969548293623"}}},
        {"an even count of negative values", {"-1.2", "-3", "2.3"}, {{"Geometric Average", "2.02306628389888"}}},
        {"a value 0", {"1", "0", "2"},
         {{"Harmonic Average", "NAN"}, {"Geometric Average", "0"}, {"Quadratic Average", "1.29099444873581"}}},
        {"a constant column", {"5", "5", "5", "5"},
         {{"Asymmetry", "NAN"}, {"Kurtosis", "NAN"}, {"Variance", "0"}, {"Sta.Dev.", "0"}, {"Geometric Average", "5"},
          {"Mode", "5"}, {"Max frequency", "3"}}},
        {"squares beyond the range of doubles", {"1e200", "1e200", "2"},
         {{"Variance", "NAN"}, {"Sta.Dev.", "NAN"}, {"Asymmetry", "NAN"}, {"Kurtosis", "NAN"},
          {"Quadratic Average", "NAN"}, {"Average", "6.66666666666667E199"}, {"Harmonic Average", "6"},
          {"Geometric Average", "2.71441761659491E133"}, {"Root Mean Simple", "4.44444444444444E199"}}},
    };
    for (const auto& c : cases) {
        open(column(c.values), {0});
        window.Analisi_IMGClick();
        const std::map<std::string, std::string> r = results();
        ASSERT_EQ(r.size(), 21u) << c.name;
        for (const auto& [label, text] : r) {
            const auto expected = c.expected.find(label);
            if (expected != c.expected.end()) EXPECT_EQ(text, expected->second) << c.name << ": " << label;
            else EXPECT_NE(text, "NAN") << c.name << ": " << label;
        }
    }
    EXPECT_EQ(platform.tones, FakePlatform::completion(std::size(cases)));
}

TEST_F(Descriptive, NegativeValuesRoundAsTheMirrorOfPositiveOnes)
{
    open(column({"-1.21", "-3", "2.26"}), {0});
    window.ArrotondaDato_CHK.checked = true;
    window.NumeroCifre_TXT.text = "1";
    window.Analisi_IMGClick();
    auto r = results();
    EXPECT_EQ(r["Min"], "-3");  // read as -3, written as -3
    EXPECT_EQ(r["Median"], "-1.2");
    EXPECT_EQ(r["Average"], "-0.6");  // -0.6333...
    EXPECT_EQ(r["Harmonic Average"], "-4.1");  // -4.0990...
}

TEST_F(Descriptive, ModeIsTheFirstLongestRun)
{
    const struct {
        std::vector<std::string> values;
        const char* mode;
        const char* maxFrequency;
        const char* median;
    } cases[] = {
        {{"1", "2", "2", "3"}, "2", "1", "2"},
        {{"1", "2", "3", "3"}, "3", "1", "2.5"},  // the last run closes after the loop
        {{"2", "1", "2", "1"}, "1", "1", "1.5"},  // ties: the smaller value's run came first
        {{"5", "5", "5", "1", "1"}, "5", "2", "5"},
    };
    for (const auto& c : cases) {
        open(column(c.values), {0});
        window.Analisi_IMGClick();
        auto r = results();
        EXPECT_EQ(r["Mode"], c.mode) << c.values.size();
        EXPECT_EQ(r["Max frequency"], c.maxFrequency);
        EXPECT_EQ(r["Median"], c.median);
    }
}

TEST_F(Descriptive, SmallColumns)
{
    open(column({"5"}), {0});
    window.Analisi_IMGClick();
    auto r = results();
    for (const char* label : {"Average", "Median", "Quartile 1/4", "Quartile 3/4", "Min", "Max", "Harmonic Average",
                              "Geometric Average", "Quadratic Average"})
        EXPECT_EQ(r[label], "5") << label;
    for (const char* label : {"Variance", "Sta.Dev.", "Asymmetry", "Kurtosis"}) EXPECT_EQ(r[label], "NAN") << label;
    EXPECT_EQ(r["Root Mean Simple"], "0");
    EXPECT_EQ(r["Count"], "1");
    // Rounding a not-a-number is no fault.
    window.ArrotondaDato_CHK.checked = true;
    window.Analisi_IMGClick();
    EXPECT_EQ(results(), r);
    window.ArrotondaDato_CHK.checked = false;

    open(column({"6", "4"}), {0});
    window.Analisi_IMGClick();
    r = results();
    EXPECT_EQ(r["Median"], "5");
    EXPECT_EQ(r["Quartile 1/4"], "5");  // n = 2: the Average
    EXPECT_EQ(r["Quartile 3/4"], "5");
}

TEST_F(Descriptive, StartingExtremesShowThroughForFarValues)
{
    open(column({"2e12", "3e12"}), {0});
    window.Analisi_IMGClick();
    EXPECT_EQ(results()["Min"], "1000000000000");
    open(column({"-2e12", "-3e12"}), {0});
    window.Analisi_IMGClick();
    EXPECT_EQ(results()["Max"], "-1000000000000");
}

TEST_F(Descriptive, TwoColumnsRepeatTheLabels)
{
    open({{"x", "skip", "y"}, {"1", "a", "10"}, {"2", "b", "20"}, {"3", "c", "30"}}, {2, 0});
    window.Analisi_IMGClick();
    ASSERT_EQ(window.Tabella_TXT.columnCount(), 2);
    EXPECT_EQ(window.Tabella_TXT.header(0), "x");  // list order, not click order
    EXPECT_EQ(window.Tabella_TXT.header(1), "y");
    EXPECT_EQ(window.Tabella_TXT.cell(1, 0), "Average");
    EXPECT_EQ(results(1)["Average"], "20");
    EXPECT_EQ(results(0)["Average"], "2");
}

TEST_F(Descriptive, RoundingAppliesToInputsAndResultsButNotCounts)
{
    open(column({"2.345", "1.26", "3.04"}), {0});
    window.ArrotondaDato_CHK.checked = true;
    window.ArrotondaDato_CHKChange();
    EXPECT_TRUE(window.NumeroCifre_TXT.enabled);
    window.NumeroCifre_TXT.text = "1";
    window.Analisi_IMGClick();
    auto r = results();
    // 2.3, 1.3, 3.0: average 2.2, harmonic 1.9694... -> 2
    EXPECT_EQ(r["Average"], "2.2");
    EXPECT_EQ(r["Min"], "1.3");
    EXPECT_EQ(r["Harmonic Average"], "2");
    EXPECT_EQ(r["Count"], "3");
    EXPECT_EQ(r["Max frequency"], "0");
}

TEST_F(Descriptive, DigitBoxIsNormalisedEvenWithRoundingOff)
{
    open(column({"1", "2"}), {0});
    window.NumeroCifre_TXT.text = "1,6";
    window.Analisi_IMGClick();
    EXPECT_EQ(window.NumeroCifre_TXT.text, "2");

    menu.DecimalSeparator = ',';
    window.NumeroCifre_TXT.text = "1.6";
    EXPECT_EQ(window.digitCount(), 2);
    EXPECT_EQ(window.NumeroCifre_TXT.text, "2");
    window.NumeroCifre_TXT.text = "2,5";  // ties to even
    EXPECT_EQ(window.digitCount(), 2);
    // The whole range of an integer, its ends included.
    window.NumeroCifre_TXT.text = "2147483647";
    EXPECT_EQ(window.digitCount(), 2147483647);
    window.NumeroCifre_TXT.text = "-2147483648";
    EXPECT_EQ(window.digitCount(), -2147483647 - 1);
    window.NumeroCifre_TXT.text = "2147483647,6";
    EXPECT_THROW(window.digitCount(), ConvertError);

    menu.DecimalSeparator = '.';
    window.NumeroCifre_TXT.text = "x";
    EXPECT_EQ(failure(), "'x' is not a valid floating point value");
}

TEST_F(Descriptive, FailuresKeepThePreviousResults)
{
    open(column({"1", "2", "3"}), {0});
    window.Analisi_IMGClick();
    const auto before = results();
    platform.tones.clear();

    const struct {
        std::vector<std::string> values;
        const char* message;
        bool rounded = false;  // to 2 digits
    } cases[] = {
        {{"1", "", "3"}, "'' is not a valid floating point value"},
        {{"1e307", "x", "3"}, "Floating point overflow", true},  // the row that overflows fails first
        {{"1", "1,5", "3"}, "'1,5' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        open(column(c.values), {0});
        window.ArrotondaDato_CHK.checked = c.rounded;
        EXPECT_EQ(failure(), c.message) << c.values[1];
        window.ArrotondaDato_CHK.checked = false;
        EXPECT_EQ(results(), before);
    }
    EXPECT_TRUE(platform.tones.empty());
}

TEST_F(Descriptive, FermaStopsAtTheSortingStep)
{
    open({{"a", "b"}, {"1", "4"}, {"2", "5"}}, {0, 1});
    window.Analisi_IMGClick();
    const auto before = results();
    platform.tones.clear();

    open({{"a", "b"}, {"7", "8"}, {"9", "1"}}, {0, 1});
    platform.onProcessEvents = [&] { clickControl(window, window.Ferma_IMG); };
    EXPECT_TRUE(clickControl(window, window.Analisi_IMG));
    EXPECT_EQ(platform.lastMessage(), "Operazioni fermate");
    EXPECT_EQ(results(), before);
    EXPECT_EQ(window.barra.position, window.barra.maximum);
    EXPECT_TRUE(platform.tones.empty());

    // The next run starts afresh.
    platform.onProcessEvents = nullptr;
    window.Analisi_IMGClick();
    EXPECT_EQ(results()["Average"], "8");
    EXPECT_EQ(platform.tones, FakePlatform::completion());
}

TEST_F(Descriptive, SecondCalcolaWhileRunningIsRefused)
{
    open(column({"1", "2"}), {0});
    bool refused = false;
    platform.onProcessEvents = [&] { refused = !clickControl(window, window.Analisi_IMG); };
    clickControl(window, window.Analisi_IMG);
    EXPECT_TRUE(refused);
    EXPECT_EQ(platform.tones, FakePlatform::completion(1));
}

TEST_F(Descriptive, NothingTickedAsksForAColumn)
{
    open(column({"1", "2"}), {});
    window.Analisi_IMGClick();
    EXPECT_EQ(platform.lastMessage(), "Devi selezionare almeno una colonna da calcolare");
    EXPECT_EQ(window.Tabella_TXT.columnCount(), 0);
}

TEST_F(Descriptive, AnalizzaRefillsTheListUnticked)
{
    open({{"p", "q"}, {"1", "2"}}, {1});
    ASSERT_EQ(platform.shownModal, std::vector<std::string>{"TVelmoraDescrittiva"});
    EXPECT_TRUE(window.ListaColonne.items[1].checked);
    menu.Tabella_TXT.setHeader(1, "renamed");
    menu.Analisi_IMGClick();
    ASSERT_EQ(window.ListaColonne.items.size(), 2u);
    EXPECT_EQ(window.ListaColonne.items[1].text, "renamed");
    EXPECT_FALSE(window.ListaColonne.items[0].checked || window.ListaColonne.items[1].checked);
    EXPECT_EQ(window.title, "Velmora Descrittiva");
}

TEST_F(Descriptive, SalvaTabellaUsesTheMainWindowsDialogAndBar)
{
    testing::TempDir dir;
    platform.saveAnswers.push_back(dir.file("r.txt"));
    EXPECT_THROW(window.SalvaTabella_IMGClick(), IndexError);  // nothing computed yet

    open(column({"1", "2", "3"}), {0});
    window.Analisi_IMGClick();
    platform.saveAnswers.push_back(dir.file("r.txt"));
    window.SalvaTabella_IMGClick();
    const std::string bytes = testing::readBytes(dir.file("r.txt"));
    EXPECT_EQ(bytes.substr(0, 16), "A\r\nAverage\r\n2\r\nV");
    EXPECT_EQ(menu.barra.position, 42);
}

}  // namespace
}  // namespace velmora
