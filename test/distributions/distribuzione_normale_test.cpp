#include "distributions/distribuzione_normale.h"

#include <cmath>
#include <map>

#include <gtest/gtest.h>

#include "app/application.h"
#include "controls/failures.h"
#include "descriptive/velmora_descrittiva.h"
#include "table/numbers.h"
#include "window_fixture.h"

namespace velmora {
namespace {

using testing::FakePlatform;
using testing::Table;

using testing::column;

std::vector<std::string> texts(const std::vector<double>& values)
{
    std::vector<std::string> out;
    for (double v : values) out.push_back(FloatToStr(v, '.'));
    return out;
}

std::vector<std::string> split(const std::string& text, const std::string& by)
{
    std::vector<std::string> out;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(by, from)) != std::string::npos; from = at + by.size())
        out.push_back(text.substr(from, at - from));
    out.push_back(text.substr(from));
    return out;
}

struct Normal : testing::WindowFixture<TDistribuzioneNormale> {
    void calcola(const Table& table, const std::vector<int>& ticked = {0})
    {
        open(table, ticked);
        window.Analisi_IMGClick();
    }
    std::string cell(int row, int k = 0) const { return std::string(window.Tabella_TXT.cell(k, row)); }
    template <class F>
    std::string failure(F&& f)
    {
        return testing::failureOf(f);
    }
    std::vector<std::pair<double, double>> points(int series) const
    {
        std::vector<std::pair<double, double>> out;
        for (const ChartPoint& p : window.Grafico.series[series].points) out.emplace_back(p.x, p.y);
        return out;
    }
    std::string exported() { return exportedBytes(window.Esporta_Distribuzione_IMG); }
};

TEST_F(Normal, ControlsAndDefaults)
{
    EXPECT_EQ(window.title, "Distribuzione Normale");
    const std::map<std::string, std::string> captions{
        {"Analisi_IMG", "Calcola"},
        {"Ferma_IMG", "Ferma"},
        {"ArrotondaDato_CHK", "Arrotonda i dati a cifre"},
        {"SalvaTabella_IMG", "Salva Tabella"},
        {"Colonna_LST", "Disegna colonna"},
        {"NonDisegnareValoriNulli_CHK", "Non disegnare valori nulli"},
        {"FattoreProporzione_TXT", "Fattore di proporz."},
        {"DisegnaDati_IMG", "Disegna Dati"},
        {"SalvaGrafico_IMG", "Salva Grafico"},
        {"Esporta_Distribuzione_IMG", "Salva dati Grafico"},
        {"Disegna_DensitaProbabilita_CHK", "Probability Density"},
        {"Disegna_FunzioneRipartizione_CHK", "Cumulative Probability"},
        {"IncludiValoriBase_CHK", "Include base values"},
    };
    for (const auto& [name, caption] : captions) {
        const Control* c = window.find(name);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_EQ(c->caption, caption) << name;
    }
    // Every drawing sets the axes, so the chart has no axis menu.
    for (const char* absent : {"AsseSinistroInZero", "AsseSinistroInAuto", "AsseBassoInZero", "AsseBassoInAuto",
                               "CopiaColonna_IMG", "Colonna_X_LST"})
        EXPECT_EQ(window.find(absent), nullptr) << absent;
    EXPECT_TRUE(window.popupMenus.empty());
    EXPECT_EQ(window.FattoreProporzione_TXT.text, "1,8");
    EXPECT_EQ(window.NumeroCifre_TXT.text, "2");
    EXPECT_FALSE(window.NumeroCifre_TXT.enabled);
    EXPECT_FALSE(window.ArrotondaDato_CHK.checked);
    EXPECT_FALSE(window.NonDisegnareValoriNulli_CHK.checked);
    EXPECT_TRUE(window.Disegna_DensitaProbabilita_CHK.checked);
    EXPECT_FALSE(window.Disegna_FunzioneRipartizione_CHK.checked);
    EXPECT_EQ(window.Disegna_DensitaProbabilita_CHK.group, window.Disegna_FunzioneRipartizione_CHK.group);
    EXPECT_TRUE(window.IncludiValoriBase_CHK.checked);

    const ChartModel& g = window.Grafico;
    EXPECT_EQ(g.title, "Normal (Gaussian) distribution ");
    EXPECT_EQ(g.leftAxis.title, "Probability Density");
    EXPECT_FALSE(g.legendVisible);
    ASSERT_EQ(g.series.size(), 2u);
    EXPECT_EQ(g.series[0].title, "Function");
    EXPECT_EQ(g.series[0].kind, SeriesKind::Line);
    EXPECT_EQ(g.series[0].color, colors::orange);
    EXPECT_FALSE(g.series[0].sortedByX);
    EXPECT_EQ(g.series[1].title, "Base values");
    EXPECT_EQ(g.series[1].kind, SeriesKind::Point);
    EXPECT_EQ(g.series[1].pointer, PointerStyle::Circle);
    EXPECT_EQ(g.series[1].pointerSize, 1);
    EXPECT_EQ(g.series[1].color, 0xFF4466A3u);
    EXPECT_TRUE(g.series[1].sortedByX);

    // Created before the descriptive statistics, and opened by "Analizza".
    const std::vector<Window*> all = app.windows();
    const auto at = [&](const char* name) {
        return std::find_if(all.begin(), all.end(), [&](Window* w) { return w->className() == name; }) - all.begin();
    };
    EXPECT_LT(at("TDistribuzioneNormale"), at("TVelmoraDescrittiva"));
    open(column({"1", "2"}), {});
    EXPECT_EQ(platform.shownModal, std::vector<std::string>{"TDistribuzioneNormale"});
}

TEST_F(Normal, CalcolaFillsTheResultTableAndPicksTheDrawnColumns)
{
    calcola({{"X", "Y", "Z"}, {"4", "9", "1"}, {"1", "8", "1"}, {"3", "7", "1"}, {"2", "6", "1"}}, {0, 1});
    ASSERT_EQ(window.Tabella_TXT.rowCount(), 22);
    ASSERT_EQ(window.Tabella_TXT.columnCount(), 2);
    EXPECT_EQ(window.Tabella_TXT.header(0), "X");
    EXPECT_EQ(window.Tabella_TXT.header(1), "Y");
    EXPECT_TRUE(window.Tabella_TXT.readOnly(0));
    EXPECT_EQ(testing::columnTexts(window.Tabella_TXT, 0),
              (std::vector<std::string>{"Average", "2.5", "Variance", "1.66666666666667", "Sta.Dev.",
                                        "1.29099444873581", "Min", "1", "Max", "4", "Median", "2.5", "Count", "4",
                                        "Asymmetry", "0", "Kurtosis", "-2.0775", "- VERIFICA -", "OK (Media=Mediana)",
                                        "OK (Asimmetria)", "Platicurtica (curva piatta)"}));
    EXPECT_EQ(cell(1, 1), "7.5");
    EXPECT_EQ(window.Colonna_LST.items, (std::vector<std::string>{"X", "Y"}));
    EXPECT_EQ(window.Colonna_LST.selectedText(), "X");
    EXPECT_EQ(platform.tones, FakePlatform::completion());
    // The main window's Valori holds the sorted columns.
    ASSERT_EQ(menu.Valori.rows(), 4);
    ASSERT_EQ(menu.Valori.columns(), 2);
    EXPECT_EQ(menu.Valori(0, 0), 1);
    EXPECT_EQ(menu.Valori(3, 1), 9);
    EXPECT_EQ(window.Medie, (std::vector<double>{2.5, 7.5}));

    // Rounding rounds what is shown, not the verdicts' inputs.
    window.ArrotondaDato_CHK.checked = true;
    window.NumeroCifre_TXT.text = "1";
    window.Analisi_IMGClick();
    EXPECT_EQ(cell(3), "1.7");
    EXPECT_EQ(cell(5), "1.3");
    EXPECT_EQ(cell(17), "-2.1");  // -2.0775
    EXPECT_DOUBLE_EQ(window.Varianze[0], 5.0 / 3);
}

TEST_F(Normal, MinimumAndMaximumStartFromTenToTheTwelfth)
{
    calcola({{"A", "B"}, {"2e12", "-3e12"}, {"3e12", "-2e12"}}, {0, 1});
    EXPECT_EQ(cell(7, 0), "1000000000000");
    EXPECT_EQ(cell(9, 0), "3000000000000");
    EXPECT_EQ(cell(7, 1), "-3000000000000");
    EXPECT_EQ(cell(9, 1), "-1000000000000");
}

TEST_F(Normal, VerdictBoundaries)
{
    // Data chosen so that mean, skewness and kurtosis come out exact.
    const std::vector<double> skewTwo = [] {
        std::vector<double> v{14, 8, 9, 9, 9, 9, 11, 11};
        v.insert(v.end(), 19, 10);
        return v;
    }();
    const std::vector<double> kurtosisZero = [] {
        std::vector<double> v{7.5, 8.5, 8.5, 8.5, 11, 11, 9.5, 10};
        v.insert(v.end(), 11, 10.5);
        return v;
    }();
    const std::vector<double> oneOutlier = [] {
        std::vector<double> v(15, 0.0);
        v.push_back(1);
        return v;
    }();
    struct Case {
        std::vector<double> values;
        const char* median;
        const char* skewness;
        const char* kurtosis;
    };
    const Case cases[] = {
        {{0, 5.1, 9.9}, "OK (Media=Mediana)", "OK (Asimmetria)", "Platicurtica (curva piatta)"},
        {{0, 5.11, 9.89}, "NO (Media<>Mediana)", "OK (Asimmetria)", "Platicurtica (curva piatta)"},
        {{10.1, 4.9, 0}, "OK (Media=Mediana)", "OK (Asimmetria)", "Platicurtica (curva piatta)"},
        {{10.11, 4.89, 0}, "NO (Media<>Mediana)", "OK (Asimmetria)", "Platicurtica (curva piatta)"},
        {skewTwo, "OK (Media=Mediana)", "OK (Asimmetria)", "Leptocurtica (curva aguzza)"},
        {kurtosisZero, "NO (Media<>Mediana)", "OK (Asimmetria)", "Platicurtica (curva piatta)"},
        {oneOutlier, "OK (Media=Mediana)", "NO (Asimmetria)", "Leptocurtica (curva aguzza)"},
    };
    for (const Case& c : cases) {
        calcola(column(texts(c.values)));
        SCOPED_TRACE(cell(1) + " " + cell(11) + " " + cell(15) + " " + cell(17));
        EXPECT_EQ(cell(19), c.median);
        EXPECT_EQ(cell(20), c.skewness);
        EXPECT_EQ(cell(21), c.kurtosis);
    }
    calcola(column(texts(skewTwo)));
    EXPECT_EQ(window.Asimmetria[0], 2.0);
    calcola(column(texts(kurtosisZero)));
    EXPECT_EQ(window.Curtosi[0], 0.0);
    calcola(column({"0", "5.1", "9.9"}));
    EXPECT_EQ(window.Medie[0], 5.0);
    EXPECT_EQ(window.Mediana[0], 5.1);
    // The lower skewness bound.
    EXPECT_EQ(skewnessVerdict(-2.0), "OK (Asimmetria)");
    EXPECT_EQ(skewnessVerdict(-2.0000000001), "NO (Asimmetria)");
}

// One row has no deviation and a constant column a deviation of 0: either
// way the shape is NAN with no verdict on it, and the curve, which needs a
// spread, cannot be drawn or exported.
TEST_F(Normal, NoShapeForOneRowOrAConstantColumn)
{
    const struct {
        std::vector<std::string> values;
        const char* mean;
        const char* rounded;
        const char* deviation;
    } cases[] = {
        {{"3.14159"}, "3.14159", "3.14", "NAN"},
        {{"5", "5", "5", "5"}, "5", "5", "0"},
    };
    for (const auto& c : cases) {
        for (bool rounded : {false, true}) {
            window.ArrotondaDato_CHK.checked = rounded;
            calcola(column(c.values));
            ASSERT_EQ(window.Tabella_TXT.rowCount(), 22) << c.values.size();
            EXPECT_EQ(cell(1), rounded ? c.rounded : c.mean);
            for (int row : {3, 5}) EXPECT_EQ(cell(row), c.deviation) << row;
            for (int row : {15, 17}) EXPECT_EQ(cell(row), "NAN") << row;
            EXPECT_EQ(cell(11), cell(1));
            EXPECT_EQ(cell(19), "OK (Media=Mediana)");
            EXPECT_EQ(cell(20), "");
            EXPECT_EQ(cell(21), "");
            EXPECT_TRUE(std::isnan(window.Asimmetria[0]) && std::isnan(window.Curtosi[0]));
        }
        EXPECT_EQ(platform.tones, FakePlatform::completion(2));
        platform.tones.clear();

        window.Grafico.title = "before";
        EXPECT_EQ(failure([&] { window.DisegnaDati_IMGClick(); }), "Invalid floating point operation");
        EXPECT_EQ(window.Grafico.title, "before");
        EXPECT_TRUE(window.Grafico.series[0].points.empty());
        platform.saveAnswers = {dir.file("one.txt")};
        EXPECT_EQ(failure([&] { window.Esporta_Distribuzione_IMGClick(); }), "Invalid floating point operation");
        EXPECT_FALSE(std::filesystem::exists(dir.file("one.txt")));
    }
}

TEST_F(Normal, FermaDuringTheSortKeepsThePreviousResults)
{
    calcola(column({"1", "2", "3"}));
    const std::vector<std::string> before = testing::columnTexts(window.Tabella_TXT, 0);
    open({{"A", "B"}, {"7", "8"}, {"9", "1"}}, {0, 1});
    platform.onProcessEvents = [&] { window.Ferma_IMGClick(); };
    window.Analisi_IMGClick();
    EXPECT_EQ(platform.lastMessage(), "Operazioni fermate");
    EXPECT_EQ(testing::columnTexts(window.Tabella_TXT, 0), before);
    EXPECT_EQ(window.Medie, std::vector<double>{2});
    EXPECT_EQ(window.barra.position, window.barra.maximum);
}

TEST_F(Normal, CurveRunsFromMinusFourToFourWithFReachingOne)
{
    const std::vector<NormalCurveRow> rows = normalCurve(10, 4, 2);
    ASSERT_EQ(rows.size(), 81u);
    double sum = 0;
    for (const NormalCurveRow& r : rows) sum += r.f;
    EXPECT_EQ(rows.front().z, -4.0);
    EXPECT_DOUBLE_EQ(rows.front().x, 2.0);
    EXPECT_DOUBLE_EQ(rows[40].x, 10.0);
    EXPECT_DOUBLE_EQ(rows[40].f, 1 / std::sqrt(8 * M_PI));
    EXPECT_EQ(rows.back().z, 4.0);
    EXPECT_EQ(rows.back().F, 1.0);
    EXPECT_DOUBLE_EQ(rows.front().F, rows.front().f / sum);
    EXPECT_DOUBLE_EQ(rows[40].F, 0.5 + rows[40].f / sum / 2);
    for (std::size_t i = 1; i < rows.size(); ++i) EXPECT_GT(rows[i].F, rows[i - 1].F);
}

TEST_F(Normal, DrawingTheDensityAndTheCumulativeFunction)
{
    calcola(column({"3", "1", "2", "1", "3", "1"}, "Peso"));
    window.DisegnaDati_IMGClick();
    const ChartModel& g = window.Grafico;
    EXPECT_EQ(g.title, "Normal (Gaussian) distribution - Peso");
    EXPECT_EQ(g.leftAxis.title, "Probability Density");
    ASSERT_EQ(g.series[0].points.size(), 81u);
    const std::vector<NormalCurveRow> curve = normalCurve(window.Medie[0], window.Varianze[0], window.DeviazioniStandard[0]);
    for (int i = 0; i < 81; ++i) {
        EXPECT_EQ(g.series[0].points[i].x, curve[i].x);
        EXPECT_EQ(g.series[0].points[i].y, curve[i].f);
    }
    const auto density = points(1);
    ASSERT_EQ(density.size(), 3u);
    EXPECT_EQ(density[0].first, 1);
    EXPECT_EQ(density[1].first, 2);
    EXPECT_EQ(density[2].first, 3);
    EXPECT_DOUBLE_EQ(density[0].second / density[1].second, 3);
    EXPECT_DOUBLE_EQ(density[2].second / density[1].second, 2);

    window.Disegna_FunzioneRipartizione_CHK.checked = true;
    ASSERT_TRUE(changeControl(window, window.Disegna_FunzioneRipartizione_CHK));
    EXPECT_FALSE(window.Disegna_DensitaProbabilita_CHK.checked);
    window.Grafico.leftAxis.automaticMinimum = false;
    window.DisegnaDati_IMGClick();
    EXPECT_EQ(g.leftAxis.title, "Cumulative Probability");
    EXPECT_TRUE(g.leftAxis.automaticMinimum);
    EXPECT_EQ(g.series[0].points.back().y, 1.0);
    EXPECT_EQ(points(1), (std::vector<std::pair<double, double>>{{1, 0.5}, {2, 4.0 / 6}, {3, 1}}));

    window.IncludiValoriBase_CHK.checked = false;
    window.DisegnaDati_IMGClick();
    EXPECT_EQ(g.series[0].points.size(), 81u);
    EXPECT_TRUE(g.series[1].points.empty());
}

TEST_F(Normal, OccurrenceScaling)
{
    // Distinct values: every point at the peak height, no factor needed.
    calcola(column({"1", "2", "3", "4", "5"}));
    window.FattoreProporzione_TXT.text = "x";
    window.DisegnaDati_IMGClick();
    const double peak = normalDensity(3, 3, 2.5);
    for (const auto& p : points(1)) EXPECT_DOUBLE_EQ(p.second, peak);

    // A crowded centre leaves the groups at mean +- s too low: the nearer of
    // them (7, count 1) goes to f(m + s) / factor.
    calcola(column({"2", "4", "4", "4", "5", "5", "7", "9"}));
    const double m = 5, v = window.Varianze[0], s = window.DeviazioniStandard[0];
    EXPECT_EQ(failure([&] { window.DisegnaDati_IMGClick(); }), "'x' is not a valid floating point value");
    EXPECT_EQ(points(1).size(), 5u);  // the drawing before stays
    window.FattoreProporzione_TXT.text = "1,8";
    window.DisegnaDati_IMGClick();
    EXPECT_EQ(window.FattoreProporzione_TXT.text, "1.8");
    const auto pts = points(1);
    ASSERT_EQ(pts.size(), 5u);
    EXPECT_EQ(pts[3].first, 7);
    EXPECT_DOUBLE_EQ(pts[3].second, normalDensity(m + s, m, v) / 1.8);
    EXPECT_DOUBLE_EQ(pts[1].second, 3 * pts[3].second);

    window.FattoreProporzione_TXT.text = "3";
    window.DisegnaDati_IMGClick();
    EXPECT_DOUBLE_EQ(points(1)[3].second, normalDensity(m + s, m, v) / 3);

    menu.DecimalSeparator = ',';
    window.FattoreProporzione_TXT.text = "1.8";
    window.DisegnaDati_IMGClick();
    EXPECT_EQ(window.FattoreProporzione_TXT.text, "1,8");
}

TEST_F(Normal, ZerosPassedOverLeaveTheCurveAsItIs)
{
    calcola(column({"0", "0", "0", "1e-9"}));
    window.DisegnaDati_IMGClick();
    const std::vector<ChartPoint> curve = window.Grafico.series[0].points;
    EXPECT_EQ(points(1).size(), 2u);
    window.NonDisegnareValoriNulli_CHK.checked = true;
    window.DisegnaDati_IMGClick();
    EXPECT_EQ(window.Grafico.series[0].points.size(), curve.size());
    EXPECT_EQ(window.Grafico.series[0].points.back().y, curve.back().y);
    EXPECT_EQ(points(1), (std::vector<std::pair<double, double>>{{1e-9, normalDensity(2.5e-10, 2.5e-10, window.Varianze[0])}}));

    // A column of zeros alone fails at Calcola (its deviation is 0), so no
    // group at all reaches the scaling only through it: the scale is 0 and
    // the factor is not read.
    bool read = false;
    EXPECT_EQ(normalOccurrenceScale(OccurrenceScan{}, 0, 1, 1, [&] { read = true; return 1.8; }), 0.0);
    EXPECT_FALSE(read);
}

TEST_F(Normal, ExportMatchesTheFileByteForByte)
{
    EXPECT_TRUE(platform.saveDialogs.empty());
    window.Esporta_Distribuzione_IMGClick();
    EXPECT_EQ(platform.lastMessage(), "Devi prima calcolare i parametri delle distribuzioni");
    EXPECT_TRUE(platform.saveDialogs.empty());

    calcola(column({"2", "4", "4", "4", "5", "5", "7", "9"}));
    window.Disegna_FunzioneRipartizione_CHK.checked = true;  // the export ignores both options
    window.IncludiValoriBase_CHK.checked = false;
    const std::string expected =
        testing::readBytes(std::string(VELMORA_SOURCE_DIR) + "/test/distributions/normal_export_8rows.txt");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(exported(), expected);
    EXPECT_EQ(platform.saveDialogs.back().filterName, "Tabella delimitata da tabulatura");
    EXPECT_EQ(window.FattoreProporzione_TXT.text, "1.8");

    platform.saveAnswers = {std::nullopt};
    window.FattoreProporzione_TXT.text = "1,8";
    window.Esporta_Distribuzione_IMGClick();
    EXPECT_EQ(window.FattoreProporzione_TXT.text, "1,8");  // untouched on cancel
}

TEST_F(Normal, EightyTwoDistinctValuesSpillIntoOneLineOfFiveTabs)
{
    std::vector<std::string> values;
    for (int i = 1; i <= 82; ++i) values.push_back(std::to_string(i));
    calcola(column(values));
    const std::vector<std::string> lines = split(exported(), "\r\n");
    ASSERT_EQ(lines.size(), 84u);
    EXPECT_EQ(lines[0], "Z\tx\tf(x)\tF(x)\t\tx\tOccurrency\tOcc.f(x)\tOcc.F(x)");
    const std::vector<std::string> first = split(lines[1], "\t");
    ASSERT_EQ(first.size(), 9u);
    EXPECT_EQ(first[0], "-4");
    EXPECT_EQ(first[4], "");
    EXPECT_EQ(first[5], "1");
    EXPECT_EQ(first[6], "1");
    const std::vector<std::string> last = split(lines[81], "\t");
    ASSERT_EQ(last.size(), 9u);
    EXPECT_EQ(last[0], "4");
    EXPECT_EQ(last[3], "1");
    EXPECT_EQ(last[5], "81");
    EXPECT_EQ(lines[82].substr(0, 9), "\t\t\t\t\t82\t1");
    EXPECT_EQ(split(lines[82], "\t").back(), "1");
    EXPECT_EQ(lines[83], "");
}

TEST_F(Normal, TwoColumnsOfOneNameDrawTheFirst)
{
    calcola({{"A", "A"}, {"1", "10"}, {"2", "20"}, {"4", "30"}}, {0, 1});
    EXPECT_EQ(window.Colonna_LST.items, (std::vector<std::string>{"A", "A"}));
    window.Colonna_LST.itemIndex = 1;
    window.DisegnaDati_IMGClick();
    EXPECT_EQ(window.Grafico.title, "Normal (Gaussian) distribution - A");
    EXPECT_EQ(points(1).front().first, 1);
    EXPECT_EQ(points(1).back().first, 4);
}

TEST_F(Normal, DrawingKeepsToItsOwnCalcola)
{
    const Table table{{"A", "B"}, {"3", "100"}, {"1", "200"}, {"2", "x"}};
    calcola(table, {0});
    window.DisegnaDati_IMGClick();
    const auto drawn = points(1);
    const std::string file = exported();
    ASSERT_EQ(drawn.size(), 3u);

    // The descriptive statistics refill Valori with another column.
    auto& descriptive = *static_cast<TVelmoraDescrittiva*>(app.window("TVelmoraDescrittiva"));
    testing::setTable(menu.Tabella_TXT, {{"A", "B"}, {"3", "100"}, {"1", "200"}, {"2", "300"}, {"9", "400"}});
    menu.TipoAnalisi_LST.selectText("Descriptive statistics");
    menu.Analisi_IMGClick();
    descriptive.ListaColonneItemClick(1);
    descriptive.Analisi_IMGClick();
    ASSERT_EQ(menu.Valori(3, 0), 400);
    window.DisegnaDati_IMGClick();
    EXPECT_EQ(points(1), drawn);
    EXPECT_EQ(exported(), file);

    // So does a Calcola of this window that fails at a cell.
    open(table, {0, 1});
    EXPECT_EQ(failure([&] { window.Analisi_IMGClick(); }), "'x' is not a valid floating point value");
    window.Colonna_LST.selectText("A");
    window.DisegnaDati_IMGClick();
    EXPECT_EQ(points(1), drawn);
    EXPECT_EQ(exported(), file);

    // The picker now names B, which has no results: nothing to draw.
    window.Colonna_LST.selectText("B");
    window.DisegnaDati_IMGClick();
    EXPECT_EQ(platform.lastMessage(), "Devi prima calcolare i parametri delle distribuzioni");
    EXPECT_EQ(window.Grafico.title, "Normal (Gaussian) distribution - A");
}

TEST_F(Normal, RefusedCalcolaLeavesNothingToDraw)
{
    calcola(column({"1", "2", "4"}));
    window.DisegnaDati_IMGClick();
    open(column({"1", "2", "4"}), {});
    window.Analisi_IMGClick();
    EXPECT_EQ(platform.lastMessage(), "Devi selezionare almeno una colonna da calcolare");
    EXPECT_TRUE(window.Colonna_LST.items.empty());
    EXPECT_EQ(window.Tabella_TXT.rowCount(), 22);
    platform.messages.clear();

    window.DisegnaDati_IMGClick();
    window.Esporta_Distribuzione_IMGClick();
    EXPECT_EQ(platform.messages, std::vector<std::string>(2, "Devi prima calcolare i parametri delle distribuzioni"));
    EXPECT_TRUE(platform.saveDialogs.empty());
    EXPECT_EQ(window.Grafico.series[0].points.size(), 81u);  // the drawing before stays
}

}  // namespace
}  // namespace velmora
