#include "transform/filtri_smoothing.h"

#include <random>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/application.h"
#include "controls/failures.h"
#include "fake_platform.h"
#include "test_tables.h"
#include "transform/smoothing.h"

namespace velmora {
namespace {

using testing::FakePlatform;
using testing::columnTexts;
using Table = std::vector<std::vector<std::string>>;
using Points = std::vector<std::pair<double, double>>;

TEST(Smoothing, MatchesTheMeansItStandsForWhateverTheSteps)
{
    // Five hundred ordinary measurements.
    std::mt19937_64 random(3);
    std::normal_distribution<double> measurement(20.0, 3.0);
    const int n = 500;
    std::vector<double> v(n);
    for (double& x : v) x = measurement(random);

    for (const SmoothingFilter filter : {SmoothingFilter::MovingAverage, SmoothingFilter::ExponentialSmoothing}) {
        std::vector<double> whole(n), pieces(n);
        double sum = 0;
        smoothRows(filter, v.data(), whole.data(), 0, n, sum);
        // In the window's steps: row 0, then 50 rows at a time.
        double carried = 0;
        for (int from = 0, to = 1; from < n; from = to, to = std::min(to + 50, n))
            smoothRows(filter, v.data(), pieces.data(), from, to, carried);
        EXPECT_EQ(pieces, whole);

        // The moving average of row i is the mean of rows 0 to i - 1; the
        // exponential smoothing the mean of rows 1 to i.
        EXPECT_EQ(whole[0], v[0]);
        double before = v[0];
        for (int i = 1; i < n; ++i) {
            const double mean = filter == SmoothingFilter::MovingAverage ? before / i : (before - v[0] + v[i]) / i;
            EXPECT_NEAR(whole[i], mean, 1e-12) << i;
            before += v[i];
        }
    }
}

struct SmoothingWindow : ::testing::Test {
    FakePlatform platform;
    Application app{platform};
    TMenuGEN& menu = app.menu();
    TFiltriSmoothing& window = *static_cast<TFiltriSmoothing*>(app.window("TFiltriSmoothing"));

    // Opens the window as "Analizza" does and ticks the given columns.
    void open(const Table& table, const std::vector<int>& ticked = {0})
    {
        testing::setTable(menu.Tabella_TXT, table);
        menu.TipoAnalisi_LST.selectText("Smoothing filters");
        menu.Analisi_IMGClick();
        ASSERT_EQ(platform.shownModal.back(), "TFiltriSmoothing");
        for (int i : ticked) ASSERT_TRUE(clickListItem(window, window.ListaColonne, i));
    }
    void calcola() { ASSERT_TRUE(clickControl(window, window.Analisi_IMG)); }
    void draw() { ASSERT_TRUE(clickControl(window, window.DisegnaDati_IMG)); }
    static Points points(const ChartSeries& s)
    {
        Points out;
        for (const ChartPoint& p : s.points) out.emplace_back(p.x, p.y);
        return out;
    }
    Points base() const { return points(window.Grafico.series[0]); }
    Points smoothed() const { return points(window.Grafico.series[1]); }
};

TEST_F(SmoothingWindow, BothFiltersOnOneColumn)
{
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"Simple moving averages", {"2", "2", "3", "4"}},
        {"Exponential smoothing", {"2", "4", "5", "6"}},
    };
    for (const auto& [filter, expected] : cases) {
        open({{"V"}, {"2"}, {"4"}, {"6"}, {"8"}});
        ASSERT_TRUE(window.Tipo_Filtro_LST.selectText(filter));
        platform.tones.clear();
        calcola();
        EXPECT_EQ(columnTexts(window.Tabella_TXT, 0), expected) << filter;
        EXPECT_EQ(window.Tabella_TXT.header(0), "V");
        EXPECT_TRUE(window.Tabella_TXT.readOnly(0));
        EXPECT_EQ(platform.tones, FakePlatform::completion());
        // Computing leaves the chart alone.
        EXPECT_TRUE(base().empty());
    }
}

TEST_F(SmoothingWindow, TwoColumnsAndTheChosenOneDrawn)
{
    open({{"A", "B", "C"}, {"1", "10", "x"}, {"3", "30", "x"}, {"5", "20", "x"}}, {0, 1});
    calcola();
    EXPECT_EQ(window.Tabella_TXT.columnCount(), 2);
    EXPECT_EQ(columnTexts(window.Tabella_TXT, 0), (std::vector<std::string>{"1", "1", "2"}));
    EXPECT_EQ(columnTexts(window.Tabella_TXT, 1), (std::vector<std::string>{"10", "10", "20"}));
    EXPECT_EQ(window.Colonna_LST.items, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(window.Colonna_LST.itemIndex, 0);

    ASSERT_TRUE(window.Colonna_LST.selectText("B"));
    // The title names the filter that made the values, not the one picked since.
    ASSERT_TRUE(window.Tipo_Filtro_LST.selectText("Exponential smoothing"));
    draw();
    EXPECT_EQ(window.Grafico.title, "Simple moving averages - B");
    EXPECT_EQ(window.Grafico.leftAxis.title, "B");
    EXPECT_EQ(base(), (Points{{0, 10}, {1, 30}, {2, 20}}));
    EXPECT_EQ(smoothed(), (Points{{0, 10}, {1, 10}, {2, 20}}));
}

TEST_F(SmoothingWindow, RepeatedValuesAreDrawnOnce)
{
    open({{"V"}, {"5"}, {"5"}, {"5"}, {"7"}, {"5"}});
    calcola();
    // After a fixed left minimum, the drawing sets both axes automatic again.
    window.Grafico.leftAxis.automaticMinimum = false;
    draw();
    EXPECT_EQ(base(), (Points{{0, 5}, {1, 7}, {2, 5}}));
    EXPECT_EQ(smoothed(), (Points{{0, 5}, {1, 5}, {2, 5.5}}));
    EXPECT_TRUE(window.Grafico.leftAxis.automaticMinimum);
}

TEST_F(SmoothingWindow, RoundingOfTheValuesReadAndOfTheValuesShown)
{
    open({{"V"}, {"1.26"}, {"2.34"}, {"1.12"}, {"5"}});
    window.ArrotondaDato_CHK.checked = true;
    window.NumeroCifre_TXT.text = "1";
    calcola();
    // Read as 1.3, 2.3, 1.1, 5: the last mean 4.7 / 3 is shown as 1.6.
    EXPECT_EQ(columnTexts(window.Tabella_TXT, 0), (std::vector<std::string>{"1.3", "1.3", "1.8", "1.6"}));
    draw();
    EXPECT_EQ(base(), (Points{{0, 1.3}, {1, 2.3}, {2, 1.1}, {3, 5}}));
    ASSERT_EQ(smoothed().size(), 4u);
    EXPECT_NEAR(smoothed()[3].second, 4.7 / 3, 1e-15);
}

TEST_F(SmoothingWindow, NothingToComputeOrDraw)
{
    open({{"V"}, {"1"}}, {});
    draw();
    EXPECT_EQ(platform.lastMessage(), "Devi prima calcolare i parametri delle distribuzioni");
    calcola();
    EXPECT_EQ(platform.lastMessage(), "Devi selezionare almeno una colonna da calcolare");
    EXPECT_TRUE(window.Colonna_LST.items.empty());
    EXPECT_EQ(window.Tabella_TXT.columnCount(), 0);
    EXPECT_TRUE(platform.tones.empty());
}

TEST_F(SmoothingWindow, StoppedOrFailedRunKeepsTheLastResultsAndChartData)
{
    open({{"V"}, {"2"}, {"4"}, {"6"}});
    calcola();

    Table big{{"W"}};
    for (int i = 0; i < 120; ++i) big.push_back({std::to_string(i)});
    open(big);
    std::vector<int> positions;
    platform.onProcessEvents = [&] { positions.push_back(window.barra.position); };
    calcola();
    EXPECT_EQ(positions, (std::vector<int>{0, 50, 100}));
    EXPECT_EQ(window.barra.maximum, 119);
    EXPECT_EQ(window.barra.position, 119);

    open({{"V"}, {"2"}, {"4"}, {"6"}});
    calcola();
    open(big);
    platform.onProcessEvents = [&] {
        if (window.barra.position == 50) clickControl(window, window.Ferma_IMG);
    };
    calcola();
    EXPECT_EQ(platform.lastMessage(), "Operazioni fermate");
    open({{"V"}, {"1"}, {"abc"}});
    EXPECT_THROW(window.Analisi_IMGClick(), Error);

    EXPECT_EQ(columnTexts(window.Tabella_TXT, 0), (std::vector<std::string>{"2", "2", "3"}));
    // The chart still draws the values behind that table.
    window.Colonna_LST.selectText("V");
    draw();
    EXPECT_EQ(base(), (Points{{0, 2}, {1, 4}, {2, 6}}));
    EXPECT_EQ(window.Grafico.title, "Simple moving averages - V");
}

}  // namespace
}  // namespace velmora
