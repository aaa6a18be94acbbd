#include "distributions/distribuzione_uniforme.h"

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

Table column(const std::vector<std::string>& values, const std::string& header = "A")
{
    Table t{{header}};
    for (const auto& v : values) t.push_back({v});
    return t;
}

struct Uniform : ::testing::Test {
    FakePlatform platform;
    Application app{platform};
    TMenuGEN& menu = app.menu();
    TDistribuzioneUniforme& window = *static_cast<TDistribuzioneUniforme*>(app.window("TDistribuzioneUniforme"));
    testing::TempDir dir;

    void calcola(const Table& table, const std::vector<int>& ticked = {0})
    {
        testing::setTable(menu.Tabella_TXT, table);
        menu.TipoAnalisi_LST.selectText("Uniform Distribution");
        menu.Analisi_IMGClick();
        for (int i : ticked) window.ListaColonneItemClick(i);
        window.Analisi_IMGClick();
    }
    Points points(int series) const
    {
        Points out;
        for (const ChartPoint& p : window.Grafico.series[series].points) out.emplace_back(p.x, p.y);
        return out;
    }
    // Draws the density and then the cumulative function: both series each time.
    std::vector<Points> drawBoth()
    {
        window.Disegna_DensitaProbabilita_CHK.checked = true;
        window.Disegna_FunzioneRipartizione_CHK.checked = false;
        window.DisegnaDati_IMGClick();
        std::vector<Points> out{points(0), points(1)};
        window.Disegna_DensitaProbabilita_CHK.checked = false;
        window.Disegna_FunzioneRipartizione_CHK.checked = true;
        window.DisegnaDati_IMGClick();
        out.push_back(points(0));
        out.push_back(points(1));
        return out;
    }
};

TEST_F(Uniform, ResultTableShowsTheProbabilityUnrounded)
{
    window.ArrotondaDato_CHK.checked = true;
    window.NumeroCifre_TXT.text = "1";
    calcola({{"A", "B"}, {"1", "10"}, {"3", "20"}, {"1", "30"}, {"2", "40"}, {"3", "50"}, {"1", "60"}}, {0, 1});
    ASSERT_EQ(window.Tabella_TXT.columnCount(), 2);
    // Mean 11/6, variance 29/30, deviation 0.983.
    EXPECT_EQ(testing::columnTexts(window.Tabella_TXT, 0),
              (std::vector<std::string>{"Average", "1.8", "Variance", "1", "Sta.Dev.", "1", "Min", "1", "Max", "3",
                                        "Median", "1.5", "Count", "6", "CountOcc.", "3", "Probability",
                                        "0.333333333333333"}));
    EXPECT_EQ(window.Tabella_TXT.cell(1, 15), "6");
    EXPECT_EQ(window.Tabella_TXT.cell(1, 17), "0.166666666666667");
    EXPECT_EQ(window.NumeroOccorrenze, (std::vector<int>{3, 6}));
    EXPECT_EQ(window.Probabilita[1], 1.0 / 6);
    EXPECT_EQ(platform.tones, FakePlatform::completion());
    EXPECT_EQ(window.Grafico.title, "Uniform distribution ");
    EXPECT_EQ(window.Grafico.series[0].lineWidth, 2);
}

TEST_F(Uniform, CountingStartsBelowEveryOrdinaryValue)
{
    // The count compares the first value with -1e12, so that value alone
    // is not counted; a column of nothing else has no probability.
    calcola(column({"-1e12", "-1e12", "5"}));
    EXPECT_EQ(window.Tabella_TXT.cell(0, 15), "1");
    EXPECT_EQ(window.Tabella_TXT.cell(0, 17), "1");
    EXPECT_EQ(distinctValueCount(std::vector<double>{-2e12, -1e12, 0, 0, 7}.data(), 5), 4);

    testing::setTable(menu.Tabella_TXT, column({"-1e12"}));
    try {
        window.Analisi_IMGClick();
        ADD_FAILURE() << "no failure";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    EXPECT_EQ(window.Tabella_TXT.cell(0, 17), "1");
}

TEST_F(Uniform, DrawsTheProbabilityAtEveryDistinctValue)
{
    calcola(column({"3", "1", "2", "1", "3", "1"}, "Dado"));
    const std::vector<Points> drawn = drawBoth();
    const double third = 1.0 / 3;
    EXPECT_EQ(drawn[0], (Points{{1, third}, {2, third}, {3, third}}));
    EXPECT_EQ(drawn[1], (Points{{1, 0.5}, {2, 1.0 / 6}, {3, 2.0 / 6}}));
    EXPECT_EQ(drawn[2], (Points{{1, third}, {2, third + third}, {3, third + third + third}}));
    EXPECT_EQ(drawn[3], (Points{{1, 0.5}, {2, 4.0 / 6}, {3, 1}}));
    EXPECT_EQ(window.Grafico.title, "Uniform distribution - Dado");
    EXPECT_EQ(window.Grafico.leftAxis.title, "Cumulative Probability");

    // Distinct values: every occurrence at the curve's own height.
    calcola(column({"4", "8", "1", "2", "16"}));
    window.Disegna_DensitaProbabilita_CHK.checked = true;
    window.Disegna_FunzioneRipartizione_CHK.checked = false;
    window.DisegnaDati_IMGClick();
    ASSERT_EQ(points(1).size(), 5u);
    for (const auto& [x, y] : points(1)) EXPECT_EQ(y, 0.2) << x;
    EXPECT_EQ(points(0), points(1));
}

TEST_F(Uniform, ZerosLeftOutStillCount)
{
    window.NonDisegnareValoriNulli_CHK.checked = true;
    calcola(column({"0", "2", "0", "1"}));
    EXPECT_EQ(window.Tabella_TXT.cell(0, 15), "3");
    const std::vector<Points> drawn = drawBoth();
    const double third = 1.0 / 3;
    EXPECT_EQ(drawn[0], (Points{{1, third}, {2, third}}));
    EXPECT_EQ(drawn[1], (Points{{1, 0.25}, {2, 0.25}}));
    EXPECT_EQ(drawn[2], (Points{{1, third}, {2, third + third}}));
    EXPECT_EQ(drawn[3], (Points{{1, 0.25}, {2, 0.5}}));
}

TEST_F(Uniform, ExportMatchesTheFileByteForByte)
{
    calcola(column({"3", "1", "2", "1", "3", "1", "0", "2.5"}));
    window.NonDisegnareValoriNulli_CHK.checked = true;
    window.IncludiValoriBase_CHK.checked = false;  // the export writes the occurrences all the same
    const std::string path = dir.file("u.txt");
    platform.saveAnswers = {path};
    window.Esporta_Distribuzione_IMGClick();
    const std::string expected =
        testing::readBytes(std::string(VELMORA_SOURCE_DIR) + "/test/distributions/expected/uniform_export.txt");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(testing::readBytes(path), expected);
}

}  // namespace
}  // namespace velmora
