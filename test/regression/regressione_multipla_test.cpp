// The four multiple regressions through their window logic. Expected
// figures: by hand, or by the short computation noted beside them
// (ordinary least squares in Python floats on the same rows).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

#include "app/application.h"
#include "controls/failures.h"
#include "fake_platform.h"
#include "regression/regressione_multipla_esponenziale.h"
#include "regression/regressione_multipla_lineare.h"
#include "regression/regressione_multipla_logaritmica.h"
#include "regression/regressione_multipla_potenza.h"
#include "table/numbers.h"
#include "table/table_file.h"
#include "test_tables.h"

namespace velmora {
namespace {

using testing::FakePlatform;
using Table = std::vector<std::vector<std::string>>;

struct MultipleRegression : ::testing::Test {
    FakePlatform platform;
    Application app{platform};
    TMenuGEN& menu = app.menu();
    testing::TempDir dir;

    // Opens the window as "Analizza" does, picks Y and ticks the regressors.
    template <class W>
    W& open(const char* analysis, const Table& table, const std::string& y, const std::vector<std::string>& ticked)
    {
        if (!table.empty()) testing::setTable(menu.Tabella_TXT, table);
        menu.TipoAnalisi_LST.selectText(analysis);
        menu.Analisi_IMGClick();
        W& w = *dynamic_cast<W*>(platform.shownModal.empty() ? nullptr : app.window(platform.shownModal.back()));
        EXPECT_TRUE(w.Colonna_Y_LST.selectText(y));
        for (const std::string& name : ticked) {
            for (std::size_t i = 0; i < w.ListaColonne.items.size(); ++i)
                if (w.ListaColonne.items[i].text == name) w.ListaColonne.items[i].checked = true;
        }
        return w;
    }
    static std::map<std::string, std::string> results(const AnalysisWindow& w)
    {
        std::map<std::string, std::string> out;
        for (int r = 0; r < w.Tabella_TXT.rowCount(); ++r) out[w.Tabella_TXT.cellText(0, r)] = w.Tabella_TXT.cellText(1, r);
        return out;
    }
    static double value(const AnalysisWindow& w, const std::string& label)
    {
        return StrToFloat(results(w).at(label), '.');
    }
    template <class W>
    std::string exported(W& w)
    {
        const std::string path = dir.file("export" + std::to_string(platform.saveDialogs.size()) + ".txt");
        platform.saveAnswers.push_back(path);
        w.Esporta_Distribuzione_IMGClick();
        return testing::readBytes(path);
    }
    // The column a copy appends, header first.
    template <class W>
    std::vector<std::string> copied(W& w)
    {
        w.CopiaColonna_IMGClick();
        const int last = menu.Tabella_TXT.columnCount() - 1;
        std::vector<std::string> out{menu.Tabella_TXT.header(last)};
        for (const std::string& cell : testing::columnTexts(menu.Tabella_TXT, last)) out.push_back(cell);
        return out;
    }
};

TEST_F(MultipleRegression, DependentColumnTickedAsRegressorFitsItself)
{
    auto& w = open<TRegressioneMultiplaLineare>("Regression Multiple Linear",
                                               {{"X", "Y"}, {"2", "1"}, {"1", "3"}, {"4", "2"}, {"3", "5"}, {"5", "4"}}, "Y",
                                               {"X", "Y"});
    w.Analisi_IMGClick();
    ASSERT_EQ(w.Tabella_TXT.rowCount(), 8);
    EXPECT_EQ(w.Tabella_TXT.header(0), "Multiple Linear Regression");
    EXPECT_EQ(w.Tabella_TXT.header(1), "Y = B0+B1*X1+B2*X2 .. + Bn*Xn");
    EXPECT_EQ(w.Tabella_TXT.width(0), 150);
    EXPECT_EQ(w.Tabella_TXT.width(1), 250);
    const std::vector<std::string> labels{"Count", "RSS Residual Sum of Squares", "TSS Total Sum of Squares", "R fitting",
                                          "Coefficients", "B0", "B1", "B2"};
    EXPECT_EQ(testing::columnTexts(w.Tabella_TXT, 0), labels);
    EXPECT_EQ(results(w)["Count"], "5");
    EXPECT_EQ(results(w)["Coefficients"], "");
    EXPECT_NEAR(value(w, "B0"), 0, 1e-12);
    EXPECT_NEAR(value(w, "B1"), 0, 1e-12);
    EXPECT_NEAR(value(w, "B2"), 1, 1e-12);
    EXPECT_NEAR(value(w, "R fitting"), 1, 1e-12);
    EXPECT_EQ(results(w)["TSS Total Sum of Squares"], "10");
    EXPECT_EQ(platform.tones.size(), 4u);
    EXPECT_EQ(w.Grafico.title, "Multiple Linear Regression - Y");
}

TEST_F(MultipleRegression, ProgressiveYOnTheRowNumberIsAPerfectFit)
{
    auto& w = open<TRegressioneMultiplaLineare>("Regression Multiple Linear",
                                               {{"N"}, {"1"}, {"2"}, {"3"}, {"4"}, {"5"}, {"6"}}, "PROGRESSIVE", {"N"});
    w.ArrotondaDato_CHK.checked = true;
    w.NumeroCifre_TXT.text = "6";
    w.Analisi_IMGClick();
    EXPECT_EQ(results(w)["B0"], "0");
    EXPECT_EQ(results(w)["B1"], "1");
    EXPECT_EQ(results(w)["R fitting"], "1");
    EXPECT_EQ(results(w)["RSS Residual Sum of Squares"], "0");
    EXPECT_EQ(w.ValoriY, (std::vector<double>{1, 2, 3, 4, 5, 6}));
}

TEST_F(MultipleRegression, OnePointPerChangeOfYInChartAndExport)
{
    // Y = 5 + 0.2 X by hand: fitted 5.2, 5.4, 5.6, 5.8.
    auto& w = open<TRegressioneMultiplaLineare>("Regression Multiple Linear",
                                               {{"X", "Y"}, {"1", "5"}, {"2", "5"}, {"3", "7"}, {"4", "5"}}, "Y", {"X"});
    w.Analisi_IMGClick();
    const ChartSeries& function = w.Grafico.series[0];
    const ChartSeries& base = w.Grafico.series[1];
    ASSERT_EQ(base.points.size(), 3u);
    ASSERT_EQ(function.points.size(), 3u);
    const double xs[] = {0, 1, 2}, ys[] = {5, 7, 5}, fs[] = {5.2, 5.6, 5.8};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(base.points[i].x, xs[i]);
        EXPECT_EQ(base.points[i].y, ys[i]);
        EXPECT_EQ(function.points[i].x, xs[i]);
        EXPECT_NEAR(function.points[i].y, fs[i], 1e-12);
    }
    EXPECT_EQ(exported(w), "y\tF(x)\r\n5\t5.2\r\n7\t5.6\r\n5\t5.8\r\n");
    EXPECT_EQ(copied(w), (std::vector<std::string>{"RegMLR_Y", "5.2", "5.4", "5.6", "5.8"}));
    EXPECT_TRUE(menu.Tabella_TXT.readOnly(2));
    EXPECT_EQ(menu.Numero_colonne_TXT.text, "3");
    EXPECT_EQ(platform.messages.back(), "Copia effettuata");
}

TEST_F(MultipleRegression, TwelveRegressorsGiveEighteenRows)
{
    Table table{{}};
    for (int c = 0; c < 13; ++c) table[0].push_back("C" + std::to_string(c));
    for (int r = 0; r < 20; ++r) {
        table.emplace_back();
        for (int c = 0; c < 13; ++c) table.back().push_back(std::to_string((r * 7 + c * c * 3 + r * c) % 17));
    }
    std::vector<std::string> regressors(table[0].begin() + 1, table[0].end());
    auto& w = open<TRegressioneMultiplaLineare>("Regression Multiple Linear", table, "C0", regressors);
    w.Analisi_IMGClick();
    ASSERT_EQ(w.Tabella_TXT.rowCount(), 18);
    EXPECT_EQ(w.Tabella_TXT.cellText(0, 17), "B12");
    EXPECT_EQ(w.Tabella_TXT.cellText(0, 15), "B10");
}

TEST_F(MultipleRegression, RefusalsAndFailuresKeepTheResultsAndBlockCopyAndExport)
{
    auto& w = open<TRegressioneMultiplaLineare>("Regression Multiple Linear",
                                               {{"X", "Y"}, {"1", "5"}, {"2", "5"}, {"3", "7"}, {"4", "5"}}, "Y", {});
    w.CopiaColonna_IMGClick();
    w.Esporta_Distribuzione_IMGClick();
    EXPECT_EQ(platform.messages, (std::vector<std::string>(2, "Devi prima calcolare i parametri delle distribuzioni")));
    w.Analisi_IMGClick();
    EXPECT_EQ(platform.messages.back(), "Devi selezionare almeno una colonna\r\nYou must select at least one column");
    EXPECT_EQ(w.Tabella_TXT.rowCount(), 0);

    w.ListaColonne.items[0].checked = true;
    w.Analisi_IMGClick();
    const auto before = results(w);
    // A constant Y has no spread to explain: TSS = 0 fails the run.
    testing::setTable(menu.Tabella_TXT, {{"X", "Y"}, {"1", "5"}, {"2", "5"}, {"3", "5"}, {"4", "5"}});
    EXPECT_THROW(w.Analisi_IMGClick(), MathError);
    EXPECT_EQ(results(w), before);
    platform.messages.clear();
    w.CopiaColonna_IMGClick();
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Devi prima calcolare i parametri delle distribuzioni"});

    // A table that gained a row since the run is not the run's table.
    testing::setTable(menu.Tabella_TXT, {{"X", "Y"}, {"1", "5"}, {"2", "5"}, {"3", "7"}, {"4", "5"}});
    w.Analisi_IMGClick();
    menu.Tabella_TXT.setRowCount(5);
    platform.messages.clear();
    w.CopiaColonna_IMGClick();
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Devi prima calcolare i parametri delle distribuzioni"});
    EXPECT_EQ(menu.Tabella_TXT.columnCount(), 2);

    testing::setTable(menu.Tabella_TXT, {{"X", "Y"}, {"1", "5"}, {"x", "5"}});
    try {
        w.Analisi_IMGClick();
        ADD_FAILURE() << "no failure";
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'x' is not a valid floating point value");
    }
}

TEST_F(MultipleRegression, LogarithmicLeavesAZeroOutOnlyWithFixZeri)
{
    const Table table{{"X", "Y"}, {"1", "3"}, {"2", "4.5"}, {"0", "9"}, {"4", "6"}, {"5", "6.2"},
                      {"6", "7"}, {"7", "7.1"}, {"8", "8"}, {"9", "8.3"}, {"10", "9"}};
    auto& w = open<TRegressioneMultiplaLogaritmica>("Regression Multiple Logarithmic", table, "Y", {"X"});
    w.Analisi_IMGClick();
    EXPECT_EQ(platform.messages.back(),
              "Impossibile proseguire, sono presenti in X valori <= 0\r\nUnable to proceed, there are X values <= 0");
    EXPECT_EQ(w.Tabella_TXT.rowCount(), 0);

    w.AggiustaZeri_CHK.checked = true;
    w.Analisi_IMGClick();
    EXPECT_EQ(w.Tabella_TXT.header(1), "Y = B0 + B1*ln(X1) + B2*ln(X2) +..+ Bn*ln(Xn)");
    EXPECT_EQ(results(w)["Count"], "9/10");
    // Y on ln X over the nine other rows.
    EXPECT_NEAR(value(w, "B0"), 2.750036899480882, 1e-12);
    EXPECT_NEAR(value(w, "B1"), 2.452531608844472, 1e-12);
    EXPECT_NEAR(value(w, "RSS Residual Sum of Squares"), 40.007930996818835, 1e-10);
    EXPECT_NEAR(value(w, "R fitting"), -0.16883142939667617, 1e-12);
    // Row 3 keeps only B0: its X has no logarithm.
    const auto column = copied(w);
    EXPECT_EQ(column[0], "RegMLnR_Y");
    EXPECT_NEAR(StrToFloat(column[3], '.'), 2.750036899480882, 1e-12);
}

TEST_F(MultipleRegression, ExponentialKeepsAZeroYInTheFiguresAndTheChart)
{
    auto& w = open<TRegressioneMultiplaEsponenziale>(
        "Regression Multiple Exponential", {{"X", "Y"}, {"1", "2"}, {"2", "0"}, {"3", "5"}, {"4", "9"}, {"5", "14"}, {"6", "25"}},
        "Y", {"X"});
    w.Analisi_IMGClick();
    EXPECT_EQ(platform.messages.back(),
              "Impossibile proseguire, sono presenti in Y valori <= 0\r\nUnable to proceed, there are Y values <= 0");
    w.AggiustaZeri_CHK.checked = true;
    w.Analisi_IMGClick();
    EXPECT_EQ(results(w)["Count"], "5/6");
    // ln Y on X over the five rows with Y > 0; RSS and TSS over all six.
    EXPECT_NEAR(value(w, "B0"), 0.15627716342478726, 1e-12);
    EXPECT_NEAR(value(w, "B1"), 0.50401878987841, 1e-12);
    EXPECT_NEAR(value(w, "RSS Residual Sum of Squares"), 11.583118468672875, 1e-9);
    EXPECT_NEAR(value(w, "TSS Total Sum of Squares"), 426.8333333333333, 1e-9);
    EXPECT_EQ(w.Grafico.series[1].points.size(), 6u);
    EXPECT_EQ(w.Grafico.series[1].points[1].y, 0);
    EXPECT_NEAR(w.Grafico.series[0].points[1].y, 3.20372675522963, 1e-12);
    EXPECT_EQ(w.Grafico.title, "Multiple Exponential Regression - Y");
    EXPECT_EQ(copied(w)[0], "RegMER_Y");
}

TEST_F(MultipleRegression, PowerFittedValueIsZeroWhereAnXIsNotPositive)
{
    auto& w = open<TRegressioneMultiplaPotenza>(
        "Regression Multiple Power",
        {{"X", "Y"}, {"1", "1.5"}, {"2", "3.1"}, {"-2", "4"}, {"4", "8.2"}, {"5", "11"}, {"6", "14.5"}}, "Y", {"X"});
    w.Analisi_IMGClick();
    EXPECT_EQ(platform.messages.back(), "Impossibile proseguire, sono presenti in X o in Y valori <= 0\r\n"
                                        "Unable to proceed, there are X or Y values <= 0");
    w.AggiustaZeri_CHK.checked = true;
    w.Analisi_IMGClick();
    EXPECT_EQ(results(w)["Count"], "5/6");
    EXPECT_NEAR(value(w, "B0"), 0.3440335256312117, 1e-12);
    EXPECT_NEAR(value(w, "B1"), 1.2759238048242354, 1e-12);
    EXPECT_EQ(w.Grafico.series[0].points[2].y, 0);
    const auto column = copied(w);
    EXPECT_EQ(column[0], "RegMPR_Y");
    EXPECT_EQ(column[3], "0");
    EXPECT_NEAR(StrToFloat(column[4], '.'), 8.271695461268479, 1e-12);
    const std::string lines = exported(w);
    EXPECT_NE(lines.find("\r\n4\t0\r\n"), std::string::npos) << lines;
}

TEST_F(MultipleRegression, NoUsableRowGivesZeroCoefficients)
{
    // Every coefficient 0; fitted values 0 (logarithmic), 1 (exponential),
    // 1 or 0 (power).
    const Table table{{"X", "Y"}, {"-1", "-1"}, {"-2", "-3"}, {"0", "-2"}};
    struct Case {
        const char* analysis;
        std::vector<std::string> fitted;
    } cases[] = {
        {"Regression Multiple Logarithmic", {"0", "0", "0"}},
        {"Regression Multiple Exponential", {"1", "1", "1"}},
        {"Regression Multiple Power", {"0", "0", "0"}},
    };
    for (const Case& c : cases) {
        testing::setTable(menu.Tabella_TXT, table);
        auto& w = open<MultipleRegressionWindow>(c.analysis, {}, "Y", {"X"});
        w.findAs<CheckBox>("AggiustaZeri_CHK")->checked = true;
        w.Analisi_IMGClick();
        EXPECT_EQ(results(w)["Count"], "0/3") << c.analysis;
        EXPECT_EQ(results(w)["B0"], "0") << c.analysis;
        EXPECT_EQ(results(w)["B1"], "0") << c.analysis;
        std::vector<std::string> fitted(copied(w));
        fitted.erase(fitted.begin());
        EXPECT_EQ(fitted, c.fitted) << c.analysis;
    }
}

TEST_F(MultipleRegression, ExactExponentialModelGivesItsCoefficients)
{
    // Y = exp(0.5 + 0.2 X1 - 0.1 X2), written with 16 digits.
    auto& w = open<TRegressioneMultiplaEsponenziale>(
        "Regression Multiple Exponential",
        {{"X1", "X2", "Y"}, {"1", "2", "1.648721270700128"}, {"2", "1", "2.225540928492468"},
         {"3", "4", "2.0137527074704766"}, {"4", "3", "2.718281828459045"}, {"5", "6", "2.4596031111569494"},
         {"6", "5", "3.320116922736548"}},
        "Y", {"X1", "X2"});
    w.Analisi_IMGClick();
    EXPECT_EQ(results(w)["Count"], "6/6");
    EXPECT_NEAR(value(w, "B0"), 0.5, 1e-12);
    EXPECT_NEAR(value(w, "B1"), 0.2, 1e-12);
    EXPECT_NEAR(value(w, "B2"), -0.1, 1e-12);
    EXPECT_NEAR(value(w, "R fitting"), 1, 1e-12);
}

TEST_F(MultipleRegression, LongleyCertifiedCoefficients)
{
    // The NIST StRD Longley data (16 years, six predictors).
    TableFileContent longley = parseTableFile(readWholeFile(std::string(VELMORA_SOURCE_DIR) + "/test/regression/longley.tsv"));
    menu.Tabella_TXT.swap(longley.grid);
    auto& w = open<TRegressioneMultiplaLineare>("Regression Multiple Linear", {}, "y",
                                               {"x1", "x2", "x3", "x4", "x5", "x6"});
    w.Analisi_IMGClick();
    const double certified[] = {-3482258.63459582, 15.0618722713733, -0.358191792925910E-01, -2.02022980381683,
                                -1.03322686717359, -0.511041056535807E-01, 1829.15146461355};
    // The normal equations square the condition of Longley's design: the
    // coefficients keep 8.6 (B2) to 10.5 (B4) correct digits.
    for (int q = 0; q < 7; ++q) {
        const double got = w.Coefficienti[q];
        const double lre = -std::log10(std::fabs(got - certified[q]) / std::fabs(certified[q]));
        EXPECT_GE(lre, 8.0) << "B" << q << " " << got;
    }
    EXPECT_NEAR(value(w, "R fitting"), 0.995479004577296, 1e-9);
}

}  // namespace
}  // namespace velmora
