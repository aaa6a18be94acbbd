// The distribution windows whose function is drawn at the distinct values
// of a column: uniform, Rayleigh, Weibull.
#include <cmath>
#include <filesystem>

#include <gtest/gtest.h>

#include "distributions/distribuzione_rayleigh.h"
#include "distributions/distribuzione_uniforme.h"
#include "distributions/distribuzione_weibull.h"

#include "app/application.h"
#include "controls/failures.h"
#include "fake_platform.h"
#include "table/numbers.h"
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

// A distribution window drawn at the distinct values, opened as "Analizza"
// opens it.
template <class W>
struct DistinctValues : ::testing::Test {
    FakePlatform platform;
    Application app{platform};
    TMenuGEN& menu = app.menu();
    W& window = *dynamic_cast<W*>(app.window(className()));
    testing::TempDir dir;

    static const char* className();
    static const char* analysis();

    void open(const Table& table, const std::vector<int>& ticked = {0})
    {
        testing::setTable(menu.Tabella_TXT, table);
        menu.TipoAnalisi_LST.selectText(analysis());
        menu.Analisi_IMGClick();
        for (int i : ticked) window.ListaColonneItemClick(i);
    }
    void calcola(const Table& table, const std::vector<int>& ticked = {0})
    {
        open(table, ticked);
        window.Analisi_IMGClick();
    }
    std::string cell(int row, int k = 0) const { return std::string(window.Tabella_TXT.cell(k, row)); }
    Points points(int series) const
    {
        Points out;
        for (const ChartPoint& p : window.Grafico.series[series].points) out.emplace_back(p.x, p.y);
        return out;
    }
    void drawCumulative(bool cumulative)
    {
        window.Disegna_DensitaProbabilita_CHK.checked = !cumulative;
        window.Disegna_FunzioneRipartizione_CHK.checked = cumulative;
        window.DisegnaDati_IMGClick();
    }
    // Draws the density and then the cumulative function: both series each time.
    std::vector<Points> drawBoth()
    {
        drawCumulative(false);
        std::vector<Points> out{points(0), points(1)};
        drawCumulative(true);
        out.push_back(points(0));
        out.push_back(points(1));
        return out;
    }
    // The export's bytes, or "" when no file was written.
    std::string exported()
    {
        const std::string path = dir.file("export" + std::to_string(platform.saveDialogs.size()) + ".txt");
        platform.saveAnswers.push_back(path);
        window.Esporta_Distribuzione_IMGClick();
        return testing::readBytes(path);
    }
    static std::string expectedFile(const std::string& name)
    {
        return testing::readBytes(std::string(VELMORA_SOURCE_DIR) + "/test/distributions/expected/" + name);
    }
    template <class F>
    std::string failure(F&& f)
    {
        try {
            f();
        } catch (const Error& e) {
            return e.what();
        }
        return {};
    }
    // A failing drawing and a failing export change neither the chart drawn
    // before nor any file.
    void expectDrawingAndExportFail(const std::string& message)
    {
        const std::string title = window.Grafico.title;
        const Points before = points(0);
        EXPECT_EQ(failure([&] { window.DisegnaDati_IMGClick(); }), message);
        EXPECT_EQ(window.Grafico.title, title);
        EXPECT_EQ(points(0), before);
        const std::string path = dir.file("failed.txt");
        platform.saveAnswers = {path};
        EXPECT_EQ(failure([&] { window.Esporta_Distribuzione_IMGClick(); }), message);
        EXPECT_FALSE(std::filesystem::exists(path));
    }
};

using Uniform = DistinctValues<TDistribuzioneUniforme>;
template <>
const char* Uniform::className() { return "TDistribuzioneUniforme"; }
template <>
const char* Uniform::analysis() { return "Uniform Distribution"; }

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
    EXPECT_EQ(cell(15), "1");
    EXPECT_EQ(cell(17), "1");
    EXPECT_EQ(distinctValueCount(std::vector<double>{-2e12, -1e12, 0, 0, 7}.data(), 5), 4);

    testing::setTable(menu.Tabella_TXT, column({"-1e12"}));
    EXPECT_EQ(failure([&] { window.Analisi_IMGClick(); }), "Floating point division by zero");
    EXPECT_EQ(cell(17), "1");
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
    drawCumulative(false);
    ASSERT_EQ(points(1).size(), 5u);
    for (const auto& [x, y] : points(1)) EXPECT_EQ(y, 0.2) << x;
    EXPECT_EQ(points(0), points(1));
}

TEST_F(Uniform, ZerosLeftOutStillCount)
{
    window.NonDisegnareValoriNulli_CHK.checked = true;
    calcola(column({"0", "2", "0", "1"}));
    EXPECT_EQ(cell(15), "3");
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
    const std::string expected = expectedFile("uniform_export.txt");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(exported(), expected);
}

using Rayleigh = DistinctValues<TDistribuzioneRayleigh>;
template <>
const char* Rayleigh::className() { return "TDistribuzioneRayleigh"; }
template <>
const char* Rayleigh::analysis() { return "Rayleigh Distribution"; }

using Weibull = DistinctValues<TDistribuzioneWeibull>;
template <>
const char* Weibull::className() { return "TDistribuzioneWeibull"; }
template <>
const char* Weibull::analysis() { return "Weibull Distribution"; }

// Relative agreement for figures computed along another path.
void expectClose(const Points& actual, const Points& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].first, expected[i].first) << i;
        EXPECT_NEAR(actual[i].second, expected[i].second, 1e-14 * std::fabs(expected[i].second)) << i;
    }
}

TEST_F(Rayleigh, DensityAndCumulativeAtTheDistinctValues)
{
    EXPECT_EQ(window.title, "Distribuzione di Rayleigh");
    EXPECT_EQ(window.Grafico.title, "Rayleigh distribution ");
    calcola(column({"2", "1", "3", "2"}, "Vento"));
    // Variance 2/3: d(x) = 1.5 x exp(-0.75 x^2), F(x) = 1 - exp(-0.75 x^2).
    const std::vector<Points> drawn = drawBoth();
    const double d1 = 0.708549829111522;
    expectClose(drawn[0], {{1, d1}, {2, 0.14936120510359183}, {3, 0.005268958293560285}});
    // The largest count (2, at 2) stands at the largest density, d(1).
    expectClose(drawn[1], {{1, d1 / 2}, {2, d1}, {3, d1 / 2}});
    expectClose(drawn[2], {{1, 0.5276334472589853}, {2, 0.950212931632136}, {3, 0.9988291203792088}});
    EXPECT_EQ(drawn[3], (Points{{1, 0.25}, {2, 0.75}, {3, 1}}));
    EXPECT_EQ(window.Grafico.title, "Rayleigh distribution - Vento");
}

TEST_F(Rayleigh, NegativeValuesAndZerosLeftOut)
{
    // A negative value has the negated density and the same cumulative value.
    calcola(column({"-2", "2", "5"}));
    const std::vector<Points> drawn = drawBoth();
    ASSERT_EQ(drawn[0].size(), 3u);
    EXPECT_LT(drawn[0][0].second, 0);
    EXPECT_EQ(drawn[0][0].second, -drawn[0][1].second);
    EXPECT_EQ(drawn[2][0].second, drawn[2][1].second);

    // The zeros passed over still count in the search for the largest
    // density: theirs (0) beats every negative one, so the scale is 0.
    window.NonDisegnareValoriNulli_CHK.checked = true;
    calcola(column({"-2", "0", "-1", "0"}));
    drawCumulative(false);
    EXPECT_EQ(points(1), (Points{{-2, 0}, {-1, 0}}));
    drawCumulative(true);
    EXPECT_EQ(points(1), (Points{{-2, 0.5}, {-1, 1}}));
}

TEST_F(Rayleigh, ZeroOrUndefinedVarianceFailsBeforeDrawingOrWriting)
{
    const struct {
        std::vector<std::string> values;
        const char* message;
    } cases[] = {
        {{"5", "5", "5"}, "Floating point division by zero"},
        {{"0", "0"}, "Invalid floating point operation"},
        {{"4"}, "Invalid floating point operation"},  // the variance of one row is not a number
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.values.size());
        calcola(column({"1", "2", "4"}));
        drawCumulative(false);
        calcola(column(c.values));
        ASSERT_EQ(window.Tabella_TXT.rowCount(), 14);
        expectDrawingAndExportFail(c.message);
    }
}

TEST_F(Rayleigh, ExportMatchesTheFileByteForByte)
{
    calcola(column({"2", "-1", "0", "1", "2", "3"}));
    window.Disegna_FunzioneRipartizione_CHK.checked = true;  // the export ignores both options
    window.IncludiValoriBase_CHK.checked = false;
    const std::string expected = expectedFile("rayleigh_export.txt");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(exported(), expected);
}

TEST_F(Weibull, ResultTableAndTheBoxesOfShapeAndScale)
{
    EXPECT_EQ(window.title, "Distribuzione di Weibull");
    EXPECT_EQ(window.Grafico.title, "Weibull distribution");
    EXPECT_EQ(window.k_TXT.caption, "k");
    EXPECT_EQ(window.lamda_TXT.caption, "λ");
    EXPECT_EQ(window.k_TXT.text, "1,5");
    EXPECT_EQ(window.lamda_TXT.text, "1");
    calcola(column({"6", "2", "4"}));
    EXPECT_EQ(testing::columnTexts(window.Tabella_TXT, 0),
              (std::vector<std::string>{"Average", "4", "Variance", "4", "Sta.Dev.", "2", "Min", "2", "Max", "6",
                                        "Median", "4", "Count", "3"}));
    // Calcola brings both boxes to the decimal separator and reads neither.
    EXPECT_EQ(window.k_TXT.text, "1.5");
    window.lamda_TXT.text = "x";
    window.Analisi_IMGClick();
    EXPECT_EQ(platform.tones, FakePlatform::completion(2));
}

TEST_F(Weibull, DensityForKnownShapes)
{
    calcola(column({"2", "0.5", "1"}));
    // k = 1, lambda = 1: exp(-x) and 1 - exp(-x).
    window.k_TXT.text = "1";
    const std::vector<Points> drawn = drawBoth();
    expectClose(drawn[0], {{0.5, 0.6065306597126334}, {1, 0.36787944117144233}, {2, 0.1353352832366127}});
    expectClose(drawn[2], {{0.5, 0.3934693402873666}, {1, 0.6321205588285577}, {2, 0.8646647167633873}});
    EXPECT_EQ(window.Grafico.title, "Weibull distribution - A");

    // The default shape 1.5 with lambda 1: 1.5 exp(-1) at x = 1.
    window.k_TXT.text = "1,5";
    drawCumulative(false);
    EXPECT_NEAR(points(0)[1].second, 0.5518191617571635, 1e-15);
    EXPECT_EQ(window.k_TXT.text, "1.5");
}

TEST_F(Weibull, ShapeTwoIsTheRayleighOfTheVariance)
{
    const Table table = column({"1", "2", "2", "3", "4.5", "0.25"});
    calcola(table);
    // lambda^2 = 2 V.
    window.k_TXT.text = "2";
    window.lamda_TXT.text = FloatToStr(std::sqrt(2 * window.Varianze[0]), '.');
    const std::vector<Points> weibull = drawBoth();

    auto& rayleigh = *dynamic_cast<TDistribuzioneRayleigh*>(app.window("TDistribuzioneRayleigh"));
    menu.TipoAnalisi_LST.selectText("Rayleigh Distribution");
    menu.Analisi_IMGClick();
    rayleigh.ListaColonneItemClick(0);
    rayleigh.Analisi_IMGClick();
    rayleigh.DisegnaDati_IMGClick();
    Points density;
    for (const ChartPoint& p : rayleigh.Grafico.series[0].points) density.emplace_back(p.x, p.y);
    ASSERT_EQ(density.size(), 5u);
    for (std::size_t i = 0; i < density.size(); ++i)
        EXPECT_NEAR(weibull[0][i].second, density[i].second, 1e-12) << i;
}

TEST_F(Weibull, DecimalCommaRewritesTheBoxes)
{
    menu.DecimalSeparator = ',';
    window.k_TXT.text = "2.5";
    window.lamda_TXT.text = "1.0";
    calcola(column({"1", "2"}));
    EXPECT_EQ(window.k_TXT.text, "2,5");
    EXPECT_EQ(window.lamda_TXT.text, "1,0");
    window.k_TXT.text = "2.5";
    drawCumulative(false);
    EXPECT_EQ(window.k_TXT.text, "2,5");
    EXPECT_NEAR(points(0)[0].second, 2.5 * 0.36787944117144233, 1e-15);

    // The export reads the boxes only once a file is chosen.
    window.k_TXT.text = "x";
    platform.saveAnswers = {std::nullopt};
    window.Esporta_Distribuzione_IMGClick();
    EXPECT_EQ(window.k_TXT.text, "x");
    window.k_TXT.text = "2.5";
    EXPECT_NE(exported().find("1\t0,919698602928606\t"), std::string::npos);
    EXPECT_EQ(window.k_TXT.text, "2,5");
}

TEST_F(Weibull, UndefinedDensityFailsBeforeDrawingOrWriting)
{
    const struct {
        std::vector<std::string> values;
        const char* k;
        const char* lambda;
        const char* message;
    } cases[] = {
        {{"1", "2"}, "1.5", "0", "Floating point division by zero"},
        {{"-1", "2"}, "1.5", "1", "Invalid floating point operation"},
        {{"1", "2"}, "1.5", "-1", "Invalid floating point operation"},
        {{"0", "2"}, "0.5", "1", "Floating point division by zero"},
        {{"1", "2"}, "x", "1", "'x' is not a valid floating point value"},
        {{"1", "2"}, "1.5", "", "'' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.k) + " " + c.lambda);
        window.k_TXT.text = "1.5";
        window.lamda_TXT.text = "1";
        calcola(column({"1", "2", "4"}));
        drawCumulative(false);
        calcola(column(c.values));
        window.k_TXT.text = c.k;
        window.lamda_TXT.text = c.lambda;
        expectDrawingAndExportFail(c.message);
    }
    // Neither is checked otherwise: a negative whole shape has a density.
    window.k_TXT.text = "-1";
    window.lamda_TXT.text = "1";
    drawCumulative(false);
    EXPECT_EQ(points(0).size(), 2u);
}

TEST_F(Weibull, ExportMatchesTheFileByteForByte)
{
    window.k_TXT.text = "1,5";
    window.lamda_TXT.text = "2";
    calcola(column({"0.5", "1", "0", "1", "2", "3.5"}));
    const std::string expected = expectedFile("weibull_export.txt");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(exported(), expected);
}

}  // namespace
}  // namespace velmora
