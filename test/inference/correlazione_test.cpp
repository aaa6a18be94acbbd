#include "inference/correlazione.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "window_fixture.h"

namespace velmora {
namespace {

using testing::columns;
using testing::FakePlatform;
using Rows = testing::Table;

struct CorrelationWindow : testing::WindowFixture<TCorrelazione> {
    void run(const Rows& rows, const char* kind)
    {
        open(rows, {0, 1});
        ASSERT_TRUE(window.TipoAnalisi_LST.selectText(kind));
        ASSERT_EQ(click(window.Analisi_IMG), "");
    }
};

TEST_F(CorrelationWindow, PearsonTables)
{
    struct Case {
        Rows rows;
        std::vector<std::string> values;
    };
    const Case cases[] = {
        {columns({{"1", "2", "3", "4"}, {"2", "4", "6", "8"}}),
         {"2.5", "5", "1.29099444873581", "2.58198889747161", "3.33333333333333", "1",
          "Ottima correlazione tra le serie"}},
        {columns({{"1", "2", "3"}, {"3", "2", "1"}}), {"2", "2", "1", "1", "-1", "-1", "Ottima correlazione tra le serie"}},
        {columns({{"1", "2", "3", "4"}, {"1", "4", "9", "16"}}),
         {"2.5", "7.5", "1.29099444873581", "6.557438524302", "8.33333333333333", "0.984374038697697",
          "Ottima correlazione tra le serie"}},
    };
    for (const Case& c : cases) {
        run(c.rows, "Pearson");
        const StringGrid& t = window.Tabella_TXT;
        ASSERT_EQ(t.rowCount(), 7);
        ASSERT_EQ(t.columnCount(), 2);
        EXPECT_EQ(t.header(0), "Parameter");
        EXPECT_EQ(t.header(1), "Value");
        EXPECT_EQ(t.width(0), 160);
        EXPECT_EQ(t.width(1), 300);
        EXPECT_EQ(resultColumn(0), (std::vector<std::string>{"Average(A)", "Average(B)", "StdDev(A)", "StdDev(B)", "Covariance",
                                                       "Pearson", "Verifica"}));
        EXPECT_EQ(resultColumn(1), c.values);
    }
    EXPECT_EQ(platform.tones, FakePlatform::completion(3));
}

TEST_F(CorrelationWindow, SpearmanCorrelatesAverageRanks)
{
    run(columns({{"10", "20", "20", "30"}, {"5", "1", "3", "2"}}), "Spearman");
    ASSERT_EQ(window.Tabella_TXT.rowCount(), 13);
    EXPECT_EQ(resultColumn(0), (std::vector<std::string>{"Average(A)", "Average(B)", "StdDev(A)", "StdDev(B)", "Covariance",
                                                   "Spearman", "Verifica", "", "Rank(A)", "1", "2.5", "2.5", "4"}));
    EXPECT_EQ(resultColumn(1), (std::vector<std::string>{"2.5", "2.5", "1.22474487139159", "1.29099444873581", "-1",
                                                   "-0.632455532033676", "Buona correlazione tra le serie", "",
                                                   "Rank(B)", "4", "1", "3", "2"}));

    // A monotonic but curved relation: Pearson about 0.98, Spearman 1.
    run(columns({{"1", "2", "3", "4"}, {"1", "4", "9", "16"}}), "Spearman");
    EXPECT_EQ(resultText(1, 5), "1");
}

TEST_F(CorrelationWindow, ValuesFarBelowZeroAreRankedByValue)
{
    run(columns({{"-5e9", "-2e9", "1", "-3e9", "-2e9"}, {"1", "2", "3", "4", "5"}}), "Spearman");
    EXPECT_EQ(resultColumn(0), (std::vector<std::string>{"Average(A)", "Average(B)", "StdDev(A)", "StdDev(B)", "Covariance",
                                                   "Spearman", "Verifica", "", "Rank(A)", "1", "3.5", "5", "2",
                                                   "3.5"}));
    EXPECT_EQ(resultText(1, 5), "0.359092423229804");
}

TEST(AverageRanks, TiesShareTheMeanOfTheirRanks)
{
    const std::pair<std::vector<double>, std::vector<double>> cases[] = {
        {{}, {}},
        {{7}, {1}},
        {{3, 1, 2}, {3, 1, 2}},
        {{5, 5, 5, 5}, {2.5, 2.5, 2.5, 2.5}},
        {{2, 1, 2, 1, 2}, {4, 1.5, 4, 1.5, 4}},
        {{-1e300, 0.0, -0.0, 1e300}, {1, 2.5, 2.5, 4}},
    };
    for (const auto& [values, ranks] : cases)
        EXPECT_EQ(averageRanks(values.data(), static_cast<int>(values.size())), ranks) << values.size();
}

TEST(CorrelationVerdict, BandBoundaries)
{
    const std::pair<double, const char*> cases[] = {
        {0.0, "Nessuna correlazione tra le serie"},   {0.1, "Nessuna correlazione tra le serie"},
        {-0.1, "Scarsa correlazione tra le serie"},   {0.5, "Scarsa correlazione tra le serie"},
        {-0.5, "Buona correlazione tra le serie"},    {0.7, "Buona correlazione tra le serie"},
        {-0.7, "Ottima correlazione tra le serie"},   {0.70000000001, "Ottima correlazione tra le serie"},
        {-0.09999, "Nessuna correlazione tra le serie"}, {1.0, "Ottima correlazione tra le serie"},
    };
    for (const auto& [r, verdict] : cases) EXPECT_STREQ(correlationVerdict(r), verdict) << r;
}

TEST_F(CorrelationWindow, RefusalsAndFailuresKeepThePreviousTable)
{
    run(columns({{"1", "2", "3"}, {"3", "2", "1"}}), "Pearson");
    const std::vector<std::string> before = resultColumn(1);

    const Rows three = columns({{"1", "2"}, {"3", "4"}, {"5", "7"}});
    const std::pair<std::vector<int>, const char*> refusals[] = {
        {{}, "Devi selezionare almeno due colonne da confrontare"},
        {{2}, "Devi selezionare almeno due colonne da confrontare"},
        {{0, 1, 2}, "Puoi selezionare massimo due colonne"},
    };
    for (const auto& [checked, message] : refusals) {
        platform.messages.clear();
        open(three, checked);
        ASSERT_EQ(click(window.Analisi_IMG), "");
        EXPECT_EQ(platform.messages, std::vector<std::string>{message});
    }
    const std::pair<Rows, const char*> failures[] = {
        {columns({{"2", "2", "2"}, {"1", "2", "3"}}), "Invalid floating point operation"},
        {columns({{"1"}, {"2"}}), "Invalid floating point operation"},
        {columns({{"1", ""}, {"2", "3"}}), "'' is not a valid floating point value"},
    };
    for (const char* kind : {"Pearson", "Spearman"}) {
        ASSERT_TRUE(window.TipoAnalisi_LST.selectText(kind));
        for (const auto& [rows, message] : failures) {
            open(rows, {0, 1});
            EXPECT_EQ(click(window.Analisi_IMG), message) << kind;
            EXPECT_EQ(resultColumn(1), before) << kind << ": " << message;
        }
    }
    EXPECT_EQ(platform.tones, FakePlatform::completion());
}

TEST_F(CorrelationWindow, RoundingOptionOnlyNormalisesTheDigitBox)
{
    window.ArrotondaDato_CHK.checked = true;
    window.NumeroCifre_TXT.text = "0,6";
    run(columns({{"1", "2", "3", "4"}, {"2", "4", "6", "8"}}), "Pearson");
    EXPECT_EQ(window.NumeroCifre_TXT.text, "1");
    EXPECT_EQ(resultText(1, 4), "3.33333333333333");
}

TEST_F(CorrelationWindow, OpensFromTheAnalysisList)
{
    EXPECT_EQ(window.title, "Correlazione");
    EXPECT_EQ(window.TipoAnalisi_LST.selectedText(), "Pearson");
    EXPECT_EQ(window.find("barra"), nullptr);
    EXPECT_EQ(window.find("Ferma_IMG"), nullptr);
    open(columns({{"1"}, {"2"}}));
    EXPECT_EQ(platform.shownModal, std::vector<std::string>{"TCorrelazione"});
    EXPECT_EQ(window.ListaColonne.items.size(), 2u);
}

}  // namespace
}  // namespace velmora
