#include "inference/test_anova.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "inference/f_table.h"
#include "window_fixture.h"

namespace velmora {
namespace {

using testing::columns;
using testing::FakePlatform;
using Rows = testing::Table;

using AnovaWindow = testing::WindowFixture<TTestANOVA>;

const char* const equalSentence =
    "Risulta valida l'ipotesi nulla che prevedeva l'assenza di effetti e si afferma che i gruppi sono uguali tra "
    "loro.";
const char* const differentSentence =
    "Si rigetta l'ipotesi nulla che prevedeva l'assenza di effetti e si afferma che molto probabilmente almeno uno "
    "dei gruppi è diverso dagli altri. Forse tutti i gruppi sono diversi uno dall'altro, forse solo uno di loro.";

// `count` rows per group: group g holds g + i for row i.
Rows staggeredGroups(int groups, int count)
{
    std::vector<std::vector<std::string>> values(groups);
    for (int g = 0; g < groups; ++g)
        for (int i = 0; i < count; ++i) values[g].push_back(std::to_string(g + i));
    return columns(values);
}

TEST_F(AnovaWindow, ThreeAlikeGroupsGiveTheWholeTable)
{
    open(columns({{"1", "2", "3"}, {"2", "3", "4"}, {"3", "4", "5"}}), {0, 1, 2});
    ASSERT_EQ(click(window.Analisi_IMG), "");
    const StringGrid& t = window.Tabella_TXT;
    ASSERT_EQ(t.rowCount(), 16);
    ASSERT_EQ(t.columnCount(), 3);
    EXPECT_EQ(t.header(2), "C");
    EXPECT_TRUE(t.readOnly(0) && t.readOnly(2));
    EXPECT_EQ(resultColumn(0), (std::vector<std::string>{"Average", "2", "Sum.Variance", "2", "Count", "3", "",
                                                   "SSW - Sum of Squares Within Groups", "Total Average",
                                                   "TSS - Total Sum of Squares", "SSB - Sum of Squares Between",
                                                   "SSB.Degr.Freedom", "SSW.Degr.Freedom", "T",
                                                   "F(95%) - Fisher-Snedecor", "T < F"}));
    EXPECT_EQ(resultColumn(1), (std::vector<std::string>{"Average", "3", "Sum.Variance", "2", "Count", "3", "", "6", "3",
                                                   "12", "6", "2", "6", "3", "5.14", equalSentence}));
    EXPECT_EQ(resultColumn(2), (std::vector<std::string>{"Average", "4", "Sum.Variance", "2", "Count", "3", "", "", "", "",
                                                   "", "", "", "", "", ""}));
    EXPECT_EQ(window.Medie, (std::vector<double>{2, 3, 4}));
    EXPECT_EQ(window.VarianzeTotaliLocali, (std::vector<double>{2, 2, 2}));
    EXPECT_EQ(platform.tones, FakePlatform::completion());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(AnovaWindow, VerdictAndCriticalValueFollowTheData)
{
    struct Case {
        const char* what;
        Rows rows;
        std::vector<int> checked;
        const char* F;
        const char* F95;
        const char* label;
    };
    // Three groups of 42 with means -1, 0, 1, each spread by 7 pairs of +-3
    // and 14 of +-4: SSB 84, SSW 1722, df 2 and 123, so F is exactly 3, the
    // infinity row's value for df_B 2.
    std::vector<std::vector<std::string>> onTheBound(3);
    for (int g = 0; g < 3; ++g)
        for (int pair = 0; pair < 21; ++pair)
            for (int sign : {1, -1}) onTheBound[g].push_back(std::to_string(g - 1 + sign * (pair < 7 ? 3 : 4)));
    const Case cases[] = {
        // F = T² of the T test on the same columns.
        {"two apart", columns({{"1", "2", "3"}, {"4", "5", "6"}}), {0, 1}, "13.5", "7.71", "T > F"},
        {"equal means", columns({{"1", "2", "3"}, {"3", "2", "1"}}), {0, 1}, "0", "7.71", "T < F"},
        {"F on the critical value", columns(onTheBound), {0, 1, 2}, "3", "3", "T < F"},
        // df_B 6 and df_W 140 read the infinity row.
        {"7 groups of 21", staggeredGroups(7, 21), {0, 1, 2, 3, 4, 5, 6}, "2.54545454545455", "2.1", "T > F"},
        // df_B 11 reads the column of 12 (df_W 12).
        {"12 groups of 2", staggeredGroups(12, 2), {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, "52", "2.69", "T > F"},
    };
    for (const Case& c : cases) {
        open(c.rows, c.checked);
        ASSERT_EQ(click(window.Analisi_IMG), "");
        EXPECT_EQ(resultText(1, 13), c.F) << c.what;
        EXPECT_EQ(resultText(1, 14), c.F95) << c.what;
        EXPECT_EQ(resultText(0, 15), c.label) << c.what;
        EXPECT_EQ(resultText(1, 15), std::string(c.label) == "T < F" ? equalSentence : differentSentence) << c.what;
    }
}

TEST_F(AnovaWindow, EqualMeansLeaveOnlyATinyBetweenSum)
{
    // Means 0.1 + 0.2 + 0.3 in three orders: equal in exact arithmetic.
    open(columns({{"0.1", "0.2", "0.3"}, {"0.3", "0.1", "0.2"}, {"0.2", "0.3", "0.1"}}), {0, 1, 2});
    ASSERT_EQ(click(window.Analisi_IMG), "");
    const double SSB = std::stod(resultText(1, 10));
    EXPECT_LT(std::abs(SSB), 1e-15);
    EXPECT_LT(std::abs(std::stod(resultText(1, 13))), 1e-12);
    EXPECT_EQ(resultText(0, 15), "T < F");
}

TEST_F(AnovaWindow, RoundingShowsRoundedFiguresOfUnroundedInputs)
{
    window.ArrotondaDato_CHK.checked = true;
    window.NumeroCifre_TXT.text = "1";
    open(columns({{"1.04", "2", "3"}, {"4", "5", "6.04"}}), {0, 1});
    ASSERT_EQ(click(window.Analisi_IMG), "");
    // Means 2.0133.. and 5.0133..; sums 1.9211.. and 2.0811..; SSW 4.0021..;
    // G 3.5133..; TSS 17.5021..; SSB 13.5; F 13.4928..
    EXPECT_EQ(resultColumn(0)[1], "2");
    EXPECT_EQ(resultColumn(1)[1], "5");
    EXPECT_EQ(resultColumn(0)[3], "1.9");
    EXPECT_EQ(resultColumn(1)[3], "2.1");
    EXPECT_EQ(resultColumn(0)[5], "3");
    EXPECT_EQ(resultText(1, 7), "4");
    EXPECT_EQ(resultText(1, 8), "3.5");
    EXPECT_EQ(resultText(1, 9), "17.5");
    EXPECT_EQ(resultText(1, 10), "13.5");
    EXPECT_EQ(resultText(1, 11), "1");
    EXPECT_EQ(resultText(1, 12), "4");
    EXPECT_EQ(resultText(1, 13), "13.5");
    EXPECT_EQ(resultText(1, 14), "7.7");
    EXPECT_EQ(resultText(0, 15), "T > F");
}

TEST_F(AnovaWindow, RefusalsAndFailuresKeepThePreviousTable)
{
    open(columns({{"1", "2", "3"}, {"4", "5", "6"}}), {0, 1});
    ASSERT_EQ(click(window.Analisi_IMG), "");
    const std::vector<std::string> before = resultColumn(1);

    for (const std::vector<int>& checked : {std::vector<int>{}, std::vector<int>{1}}) {
        platform.messages.clear();
        open(columns({{"1", "2"}, {"3", "4"}}), checked);
        ASSERT_EQ(click(window.Analisi_IMG), "");
        EXPECT_EQ(platform.messages, std::vector<std::string>{"Devi selezionare almeno due colonne da confrontare"});
    }
    const std::pair<Rows, const char*> failures[] = {
        {columns({{"1"}, {"2"}}), "Invalid floating point operation"},            // SSW / df_W = 0 / 0
        {columns({{"2", "2"}, {"3", "3"}}), "Floating point division by zero"},   // SSW 0
        {columns({{"2", "2"}, {"2", "2"}}), "Invalid floating point operation"},  // 0 / 0
        {columns({{"1", "x"}, {"2", "3"}}), "'x' is not a valid floating point value"},
    };
    for (const auto& [rows, message] : failures) {
        open(rows, {0, 1});
        EXPECT_EQ(click(window.Analisi_IMG), message);
        EXPECT_EQ(resultColumn(1), before) << message;
    }
    EXPECT_EQ(platform.tones, FakePlatform::completion());
}

TEST(FTable, LookUpTakesTheNextLargerKey)
{
    struct Case {
        int dfB, dfW;
        double F95;
    };
    const Case cases[] = {
        {1, 1, 161},   {3, 1, 215},    {3, 2, 19.1},  {2, 6, 5.14},   {1, 4, 7.71},  {19, 2, 19.4},
        {11, 12, 2.69}, {10, 12, 2.75}, {13, 35, 1.92}, {120, 120, 1.35}, {121, 10, 2.54}, {6, 121, 2.1},
        {1000, 1000, 1}, {0, 5, -1},    {5, 0, -1},    {-3, -3, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(criticalF95(c.dfB, c.dfW), c.F95) << c.dfB << ", " << c.dfW;
}

TEST_F(AnovaWindow, OpensFromTheAnalysisList)
{
    EXPECT_EQ(window.title, "Analisi della Varianza");
    EXPECT_EQ(window.find("Ferma_IMG"), nullptr);
    EXPECT_EQ(window.find("Grafico"), nullptr);
    EXPECT_EQ(window.Descrizione_LAB.color, colors::orange);
    open(columns({{"1"}, {"2"}, {"3"}}));
    EXPECT_EQ(platform.shownModal, std::vector<std::string>{"TTestANOVA"});
    EXPECT_EQ(window.ListaColonne.items.size(), 3u);
}

}  // namespace
}  // namespace velmora
