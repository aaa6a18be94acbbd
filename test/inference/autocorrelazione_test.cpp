#include "inference/autocorrelazione.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "window_fixture.h"

namespace velmora {
namespace {

using testing::columns;
using testing::FakePlatform;
using Rows = testing::Table;

struct AutocorrelationWindow : testing::WindowFixture<TAutocorrelazione> {
    void limits(const char* lower, const char* upper)
    {
        window.Limite_K_CHK.checked = true;
        window.Limite_K_CHKChange();
        window.Limite_K_inf_TXT.text = lower;
        window.Limite_K_sup_TXT.text = upper;
    }
    std::vector<double> bars() const
    {
        std::vector<double> y;
        for (const ChartPoint& p : window.Grafico.series.at(0).points) y.push_back(p.y);
        return y;
    }
};

std::vector<std::string> numbers(int from, int to)
{
    std::vector<std::string> v;
    for (int i = from; i <= to; ++i) v.push_back(std::to_string(i));
    return v;
}

// 40 ordinary rows: (7i mod 11) + i / 2.
std::vector<std::string> fortyRows()
{
    std::vector<std::string> v;
    for (int i = 0; i < 40; ++i) {
        const int twice = 2 * ((i * 7) % 11) + i;
        v.push_back(std::to_string(twice / 2) + (twice % 2 ? ".5" : ""));
    }
    return v;
}

TEST_F(AutocorrelationWindow, EightRowsGiveTwoLagsTableAndCorrelogram)
{
    open(columns({std::vector<std::string>(8, "9"), numbers(1, 8)}));
    window.Colonna_LST.itemIndex = 1;
    ASSERT_EQ(click(window.Analisi_IMG), "");
    const StringGrid& t = window.Tabella_TXT;
    ASSERT_EQ(t.columnCount(), 2);
    EXPECT_EQ(t.header(0), "K");
    EXPECT_EQ(t.header(1), "Correlation");
    EXPECT_TRUE(t.readOnly(0) && t.readOnly(1));
    EXPECT_EQ(resultColumn(0), (std::vector<std::string>{"1", "2"}));
    // 26.25 / 29.75 and 11.5 / 23.5.
    EXPECT_EQ(resultColumn(1), (std::vector<std::string>{"0.882352941176471", "0.48936170212766"}));
    EXPECT_EQ(window.Correlazione, (std::vector<double>{26.25 / 29.75, 11.5 / 23.5}));

    EXPECT_EQ(window.Grafico.title, "Correlation - B");
    const auto& points = window.Grafico.series.at(0).points;
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].x, 0);
    EXPECT_EQ(points[1].x, 1);
    EXPECT_EQ(bars(), window.Correlazione);
    EXPECT_EQ(window.barra.position, 2);
    EXPECT_EQ(platform.tones, FakePlatform::completion());
}

TEST_F(AutocorrelationWindow, ConstantColumnsGiveZeroForEveryLag)
{
    // Twelve times 0.1 sums to a little more than 1.2, so a mean taken from
    // the sum alone would leave deviations of about 1e-17 and R = 1.
    for (const char* value : {"5", "0.1", "-3.7"}) {
        open(columns({std::vector<std::string>(12, value)}));
        ASSERT_EQ(click(window.Analisi_IMG), "");
        EXPECT_EQ(resultColumn(1), (std::vector<std::string>{"0", "0", "0"})) << value;
    }
}

TEST_F(AutocorrelationWindow, LimitsAreBroughtIntoRangeAndShown)
{
    open(columns({fortyRows()}));
    limits("0", "100");
    ASSERT_EQ(click(window.Analisi_IMG), "");
    EXPECT_EQ(window.Limite_K_inf_TXT.text, "1");
    EXPECT_EQ(window.Limite_K_sup_TXT.text, "10");
    EXPECT_EQ(resultColumn(0), numbers(1, 10));
    EXPECT_EQ(resultColumn(1), (std::vector<std::string>{"0.657113105568503", "0.714179491945874", "0.837712947631683",
                                                   "0.527552459268153", "0.667604414628868", "0.572570125213832",
                                                   "0.430708048759402", "0.645163383846578", "0.350190033783784",
                                                   "0.29261501745702"}));

    // Brought to the separator, then to whole numbers (ties to even).
    limits("2,5", "5.5");
    ASSERT_EQ(click(window.Analisi_IMG), "");
    EXPECT_EQ(window.Limite_K_inf_TXT.text, "2");
    EXPECT_EQ(window.Limite_K_sup_TXT.text, "6");
    EXPECT_EQ(resultColumn(0), numbers(2, 6));
    EXPECT_EQ(resultText(1, 1), "0.837712947631683");

    window.ArrotondaDato_CHK.checked = true;
    window.NumeroCifre_TXT.text = "2";
    limits("1", "4");
    ASSERT_EQ(click(window.Analisi_IMG), "");
    EXPECT_EQ(resultColumn(1), (std::vector<std::string>{"0.66", "0.71", "0.84", "0.53"}));
}

TEST_F(AutocorrelationWindow, LowerLimitFarAboveTheUpperChangesNothing)
{
    open(columns({fortyRows()}));
    ASSERT_EQ(click(window.Analisi_IMG), "");
    const std::vector<std::string> before = resultColumn(1);
    const auto chartBefore = bars();
    platform.tones.clear();

    struct Case {
        int rows;
        const char *lower, *upper, *message;
    };
    const Case cases[] = {
        {40, "30", "10",
         "Il limite inferiore di K (30) supera il limite superiore (10).\rIl limite superiore è al massimo il numero di "
         "righe diviso 4."},
        {8, "5", "20",
         "Il limite inferiore di K (5) supera il limite superiore (2).\rIl limite superiore è al massimo il numero di "
         "righe diviso 4."},
    };
    for (const Case& c : cases) {
        std::vector<std::string> values = fortyRows();
        values.resize(c.rows);
        open(columns({values}));
        limits(c.lower, c.upper);
        platform.messages.clear();
        ASSERT_EQ(click(window.Analisi_IMG), "");
        EXPECT_EQ(platform.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(window.Limite_K_inf_TXT.text, c.lower);
        EXPECT_EQ(window.Limite_K_sup_TXT.text, c.upper);
        EXPECT_EQ(resultColumn(1), before);
        EXPECT_EQ(bars(), chartBefore);
    }
    EXPECT_TRUE(platform.tones.empty());

    // One above: no lag at all, an empty table, the chart as it was.
    limits("3", "2");
    ASSERT_EQ(click(window.Analisi_IMG), "");
    EXPECT_EQ(window.Tabella_TXT.rowCount(), 0);
    EXPECT_EQ(window.Tabella_TXT.header(1), "Correlation");
    EXPECT_EQ(bars(), chartBefore);
}

TEST_F(AutocorrelationWindow, StopAndFailuresKeepThePreviousResults)
{
    open(columns({numbers(1, 8)}));
    ASSERT_EQ(click(window.Analisi_IMG), "");
    const std::vector<std::string> before = resultColumn(1);
    const std::vector<double> correlation = window.Correlazione;

    // 400 rows: lags 1 to 100, a progress step at 1 and 51.
    std::vector<std::string> longColumn = numbers(1, 400);
    open(columns({longColumn}));
    int steps = 0;
    platform.onProcessEvents = [&] {
        if (++steps == 2) clickControl(window, window.Ferma_IMG);
    };
    ASSERT_EQ(click(window.Analisi_IMG), "");
    platform.onProcessEvents = nullptr;
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(platform.lastMessage(), "Operazioni fermate");
    EXPECT_EQ(window.barra.position, 100);
    EXPECT_EQ(resultColumn(1), before);
    EXPECT_EQ(window.Correlazione, correlation);

    const std::pair<Rows, const char*> failures[] = {
        {columns({{"1", "2", "x", "4"}}), "'x' is not a valid floating point value"},
    };
    for (const auto& [rows, message] : failures) {
        open(rows);
        EXPECT_EQ(click(window.Analisi_IMG), message);
    }
    open(columns({longColumn}));
    limits("a", "20");
    EXPECT_EQ(click(window.Analisi_IMG), "'a' is not a valid floating point value");
    EXPECT_EQ(resultColumn(1), before);
    EXPECT_EQ(platform.tones, FakePlatform::completion());
}

TEST_F(AutocorrelationWindow, UsingTheResultReplacesTheDataTableAndItsSize)
{
    open(columns({fortyRows(), fortyRows()}));
    // Before any result: the index failure, and the data table stays.
    EXPECT_EQ(click(window.SostituisciTabella_IMG), "Column index, 0, out of bounds");
    EXPECT_EQ(menu.Tabella_TXT.rowCount(), 40);

    ASSERT_EQ(click(window.Analisi_IMG), "");
    ASSERT_TRUE(clickControl(window, window.SostituisciTabella_IMG));
    EXPECT_EQ(platform.lastMessage(), "Tabella sostituita");
    const StringGrid& data = menu.Tabella_TXT;
    ASSERT_EQ(data.columnCount(), 2);
    EXPECT_EQ(data.header(0), "K");
    EXPECT_EQ(data.header(1), "Correlation");
    EXPECT_TRUE(data.readOnly(0) && data.readOnly(1));
    EXPECT_EQ(testing::columnTexts(data, 0), numbers(1, 10));
    EXPECT_EQ(testing::columnTexts(data, 1), resultColumn(1));
    EXPECT_EQ(menu.Numero_righe_TXT.text, "10");
    EXPECT_EQ(menu.Numero_colonne_TXT.text, "2");
}

TEST_F(AutocorrelationWindow, OpensWithItsColumnAndShowsTheTypes)
{
    EXPECT_EQ(window.title, "Autocorrelazione");
    EXPECT_EQ(window.Colonna_LST.caption, "Colonna da elaborare");
    EXPECT_FALSE(window.Limite_K_inf_TXT.enabled);
    EXPECT_EQ(window.Limite_K_sup_TXT.text, "20");
    EXPECT_EQ(window.Grafico.title, "Correlogram");

    open(columns({{"1", "2"}, {"3", "4"}}));
    EXPECT_EQ(window.Colonna_LST.items, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(window.Colonna_LST.selectedText(), "A");
    ASSERT_EQ(click(window.Tipologie_IMG), "");
    EXPECT_EQ(platform.shownModal, (std::vector<std::string>{"TAutocorrelazione", "TAutocorrelazioneTipi"}));
}

}  // namespace
}  // namespace velmora
