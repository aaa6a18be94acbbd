#include "descriptive/andamenti.h"

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

struct Trends : ::testing::Test {
    FakePlatform platform;
    Application app{platform};
    TMenuGEN& menu = app.menu();
    TAndamenti& window = *static_cast<TAndamenti*>(app.window("TAndamenti"));

    // Opens the window as "Analizza" does, picks X and ticks the columns.
    void open(const Table& table, const std::string& x, const std::vector<int>& ticked)
    {
        testing::setTable(menu.Tabella_TXT, table);
        menu.TipoAnalisi_LST.selectText("Trends");
        menu.Analisi_IMGClick();
        ASSERT_TRUE(window.Colonna_X_LST.selectText(x));
        for (int i : ticked) window.ListaColonneItemClick(i);
    }
    void draw(const Table& table, const std::string& x, const std::vector<int>& ticked)
    {
        open(table, x, ticked);
        window.DisegnaDati_IMGClick();
    }
    Points points(int series) const
    {
        Points out;
        for (const ChartPoint& p : window.Grafico.series.at(series).points) out.emplace_back(p.x, p.y);
        return out;
    }
};

TEST_F(Trends, ControlsAndDefaults)
{
    EXPECT_EQ(window.title, "Andamento grafico");
    EXPECT_EQ(window.width, 900);
    EXPECT_EQ(window.height, 500);
    EXPECT_EQ(window.DisegnaDati_IMG.caption, "Disegna Dati");
    EXPECT_EQ(window.TitoloGrafico_TXT.caption, "Titolo del Grafico");
    EXPECT_EQ(window.TitoloGrafico_TXT.text, "Trend");
    EXPECT_EQ(window.Colonna_X_LST.caption, "Asse delle X");
    EXPECT_EQ(window.ListaColonne.caption, "Assi delle Y");
    EXPECT_FALSE(window.ArrotondaDato_CHK.checked);
    EXPECT_FALSE(window.NumeroCifre_TXT.enabled);
    EXPECT_TRUE(window.Punti_Singoli_CHK.checked);
    EXPECT_EQ(window.Punti_Singoli_CHK.group, window.Punti_Uniti_CHK.group);
    for (const char* absent : {"Analisi_IMG", "Ferma_IMG", "Tabella_TXT", "SalvaTabella_IMG", "AsseBassoInZero"})
        EXPECT_EQ(window.find(absent), nullptr) << absent;
    for (const char* present : {"SalvaGrafico_IMG", "AsseSinistroInZero", "AsseSinistroInAuto", "Tipologie_IMG"})
        EXPECT_NE(window.find(present), nullptr) << present;
    const ChartModel& g = window.Grafico;
    EXPECT_EQ(g.title, "Trend");
    EXPECT_EQ(g.bottomAxis.title, "Value X");
    EXPECT_EQ(g.leftAxis.title, "Value");
    EXPECT_TRUE(g.series.empty());
}

TEST_F(Trends, ProgressiveXCountsRowsFromZero)
{
    window.TitoloGrafico_TXT.text = "Misure";
    draw({{"A"}, {"5"}, {"7"}, {"6"}}, "PROGRESSIVE", {0});
    ASSERT_EQ(window.Grafico.series.size(), 1u);
    const ChartSeries& s = window.Grafico.series[0];
    EXPECT_EQ(points(0), (Points{{0, 5}, {1, 7}, {2, 6}}));
    EXPECT_EQ(s.title, "A");
    EXPECT_EQ(s.kind, SeriesKind::Point);
    EXPECT_EQ(s.pointer, PointerStyle::Circle);
    EXPECT_EQ(s.pointerSize, 1);
    EXPECT_EQ(s.color, 0xFF0000FFu);
    EXPECT_EQ(window.Grafico.title, "Misure");
    EXPECT_EQ(window.Grafico.bottomAxis.title, "PROGRESSIVE");
    EXPECT_TRUE(window.Grafico.legendVisible);
    EXPECT_EQ(window.barra.position, 1);
    EXPECT_EQ(platform.tones, FakePlatform::completion());
}

// Rows stay in table order, so joined points follow the rows.
TEST_F(Trends, OneSeriesPerColumnAgainstTheXColumn)
{
    draw({{"A", "B", "C"}, {"2", "10", "-1"}, {"1", "20", "-2"}}, "A", {1, 2});
    ASSERT_EQ(window.Grafico.series.size(), 2u);
    EXPECT_EQ(window.Grafico.series[0].title, "B");
    EXPECT_EQ(window.Grafico.series[1].title, "C");
    EXPECT_EQ(window.Grafico.series[0].color, 0xFF0000FFu);
    EXPECT_EQ(window.Grafico.series[1].color, 0xFF008000u);
    EXPECT_EQ(points(0), (Points{{2, 10}, {1, 20}}));
    EXPECT_EQ(points(1), (Points{{2, -1}, {1, -2}}));
    EXPECT_EQ(window.Grafico.bottomAxis.title, "A");

    // A checked column may be X itself; two columns named alike give the later as X.
    draw({{"T", "T", "Y"}, {"1", "4", "7"}, {"2", "5", "8"}}, "T", {0, 2});
    EXPECT_EQ(points(0), (Points{{4, 1}, {5, 2}}));
    EXPECT_EQ(points(1), (Points{{4, 7}, {5, 8}}));
}

TEST_F(Trends, ColoursByPositionAndProgressEveryFiftySeries)
{
    const std::vector<Color> expected{
        0xFF0000FF, 0xFF008000, 0xFFFFA500, 0xFFFF0000, 0xFF808080, 0xFF808000, 0xFF800080, 0xFFFFD700,
        0xFFADFF2F, 0xFF00FA9A, 0xFF800000, 0xFFE9967A, 0xFFD2691E, 0xFF228B22, 0xFF5F9EA0, 0xFFBA55D3,
        0xFF9370DB, 0xFFFF6347, 0xFF66CDAA, 0xFFC71585, 0xFF2F4F4F, 0xFF006400, 0xFF00008B, 0xFF696969,
        0xFF000000, 0xFF000000};
    for (const int columns : {26, 101}) {
        Table t(2);
        std::vector<int> all;
        for (int c = 0; c < columns; ++c) {
            t[0].push_back("C" + std::to_string(c));
            t[1].push_back(std::to_string(c));
            all.push_back(c);
        }
        platform.processEventsCalls = 0;
        std::vector<int> positions;
        platform.onProcessEvents = [&] { positions.push_back(window.barra.position); };
        draw(t, "PROGRESSIVE", all);
        ASSERT_EQ(window.Grafico.series.size(), static_cast<std::size_t>(columns));
        for (int k = 0; k < columns; ++k)
            EXPECT_EQ(window.Grafico.series[k].color, k < 26 ? expected[k] : 0xFF000000u) << k;
        const std::vector<int> expectedPositions = columns == 26 ? std::vector<int>{1} : std::vector<int>{1, 51, 101};
        EXPECT_EQ(positions, expectedPositions);
        EXPECT_EQ(window.barra.maximum, columns);
        EXPECT_EQ(window.barra.position, columns);
    }
}

TEST_F(Trends, RadioSwitchRedrawsAsLines)
{
    open({{"A"}, {"5"}, {"7"}}, "PROGRESSIVE", {});
    window.Punti_Uniti_CHK.checked = true;
    changeControl(window, window.Punti_Uniti_CHK);
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Devi selezionare almeno una colonna da calcolare"});
    EXPECT_TRUE(window.Grafico.series.empty());

    window.ListaColonneItemClick(0);
    window.Punti_Singoli_CHK.checked = true;
    changeControl(window, window.Punti_Singoli_CHK);
    ASSERT_EQ(window.Grafico.series.size(), 1u);
    EXPECT_EQ(window.Grafico.series[0].kind, SeriesKind::Point);
    window.Punti_Uniti_CHK.checked = true;
    changeControl(window, window.Punti_Uniti_CHK);
    ASSERT_EQ(window.Grafico.series.size(), 1u);
    EXPECT_EQ(window.Grafico.series[0].kind, SeriesKind::Line);
    EXPECT_EQ(window.Grafico.series[0].lineWidth, 1);
    EXPECT_EQ(points(0), (Points{{0, 5}, {1, 7}}));
    EXPECT_EQ(platform.tones, FakePlatform::completion(2));
}

TEST_F(Trends, RedrawMakesEveryAxisAutomatic)
{
    draw({{"A"}, {"150"}, {"170"}}, "PROGRESSIVE", {0});
    window.AsseSinistroInZeroClick();
    EXPECT_FALSE(window.Grafico.leftAxis.automaticMinimum);
    EXPECT_EQ(window.Grafico.leftAxis.minimum, 0.0);
    window.Grafico.bottomAxis.automaticMaximum = false;
    window.DisegnaDati_IMGClick();
    for (const ChartAxis* axis : {&window.Grafico.leftAxis, &window.Grafico.bottomAxis}) {
        EXPECT_TRUE(axis->automaticMinimum);
        EXPECT_TRUE(axis->automaticMaximum);
    }
}

TEST_F(Trends, RoundingAppliesToXAndY)
{
    open({{"A", "B"}, {"1.26", "2.04"}, {"1.24", "3.06"}}, "A", {1});
    window.ArrotondaDato_CHK.checked = true;
    window.ArrotondaDato_CHKChange();
    window.NumeroCifre_TXT.text = "0,6";
    window.DisegnaDati_IMGClick();
    EXPECT_EQ(window.NumeroCifre_TXT.text, "1");
    EXPECT_EQ(points(0), (Points{{1.3, 2.0}, {1.2, 3.1}}));
}

// A bad cell ends the drawing; the series drawn so far stay.
TEST_F(Trends, BadCellLeavesTheSeriesDrawnSoFar)
{
    open({{"A", "B"}, {"1", "4"}, {"2", "x"}, {"3", "6"}}, "PROGRESSIVE", {0, 1});
    try {
        window.DisegnaDati_IMGClick();
        ADD_FAILURE() << "no failure";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "'x' is not a valid floating point value");
    }
    ASSERT_EQ(window.Grafico.series.size(), 2u);
    EXPECT_EQ(points(0), (Points{{0, 1}, {1, 2}, {2, 3}}));
    EXPECT_EQ(points(1), (Points{{0, 4}}));
    EXPECT_TRUE(platform.tones.empty());
}

TEST_F(Trends, SalvaGraficoSavesThePictureOrNothing)
{
    draw({{"A"}, {"5"}, {"7"}}, "PROGRESSIVE", {0});
    platform.saveAnswers = {std::nullopt, std::string("/tmp/trend.png")};
    window.SalvaGrafico_IMGClick();
    EXPECT_TRUE(platform.savedCharts.empty());
    window.SalvaGrafico_IMGClick();
    ASSERT_EQ(platform.savedCharts.size(), 1u);
    EXPECT_EQ(platform.savedCharts[0], std::make_pair(std::string("Trend"), std::string("/tmp/trend.png")));
    EXPECT_EQ(platform.saveDialogs[0].pattern, "*.png");
}

}  // namespace
}  // namespace velmora
