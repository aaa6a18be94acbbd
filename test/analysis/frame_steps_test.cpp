// The steps every analysis window shares: publishing results, reading
// number boxes, and the chart redraw after every command.
#include <gtest/gtest.h>

#include "analysis/analysis_window.h"
#include "controls/failures.h"
#include "controls/fpcheck.h"
#include "fake_platform.h"
#include "test_tables.h"

namespace velmora {
namespace {

using testing::FakePlatform;

class StepsWindow : public AnalysisWindow {
public:
    explicit StepsWindow(TMenuGEN& m) : AnalysisWindow(m, "TStepsWindow", "Steps", 600, 400)
    {
        declareStandardCommands(true);
        declare(Tabella_TXT);
        declareChart(false);
    }
};

struct FrameSteps : ::testing::Test {
    FakePlatform platform;
    TMenuGEN menu{platform};
    StepsWindow window{menu};

    static StringGrid oneCell(const std::string& text)
    {
        StringGrid g;
        TMenuGEN::PulisciTabella(1, 1, g, true);
        g.setCell(0, 0, text);
        return g;
    }
};

TEST_F(FrameSteps, ShowResultsPublishesOrFailsOnAPendingFault)
{
    window.Tabella_TXT.currentRow = window.Tabella_TXT.currentCol = 0;
    window.showResults(oneCell("first"));
    EXPECT_EQ(window.Tabella_TXT.cellText(0, 0), "first");
    EXPECT_EQ(window.Tabella_TXT.currentRow, -1);
    EXPECT_EQ(window.Tabella_TXT.currentCol, -1);
    EXPECT_EQ(platform.tones, FakePlatform::completion());

    // A fault raised while the table was built and never checked: the
    // previous results stay and no tone plays.
    volatile double huge = 1e308;
    volatile double product = huge * 10;
    (void)product;
    EXPECT_EQ(testing::failureOf([&] { window.showResults(oneCell("second")); }), "Floating point overflow");
    EXPECT_EQ(window.Tabella_TXT.cellText(0, 0), "first");
    EXPECT_EQ(platform.tones, FakePlatform::completion());
}

TEST_F(FrameSteps, NumberBoxesFollowTheDecimalSeparator)
{
    const struct {
        char separator;
        const char* typed;
        const char* shown;
        double value;
    } cases[] = {
        {'.', "1,6", "1.6", 1.6},
        {',', "1.6", "1,6", 1.6},
        {'.', " -2.5e1 ", " -2.5e1 ", -25},
        {',', "3", "3", 3},
    };
    for (const auto& c : cases) {
        menu.DecimalSeparator = c.separator;
        window.NumeroCifre_TXT.text = c.typed;
        EXPECT_EQ(window.readNumberBox(window.NumeroCifre_TXT), c.value) << c.typed;
        EXPECT_EQ(window.NumeroCifre_TXT.text, c.shown) << c.typed;
    }
    menu.DecimalSeparator = '.';
    window.NumeroCifre_TXT.text = "1.2.3";
    EXPECT_EQ(testing::failureOf([&] { window.readNumberBox(window.NumeroCifre_TXT); }),
              "'1.2.3' is not a valid floating point value");
}

TEST_F(FrameSteps, EveryCommandMarksTheChartChanged)
{
    const auto before = window.Grafico.revision;
    window.Analisi_IMG.onClick = [] {};
    ASSERT_TRUE(clickControl(window, window.Analisi_IMG));
    EXPECT_GT(window.Grafico.revision, before);

    // A failed command may have drawn part of the chart: redrawn too.
    const auto afterFirst = window.Grafico.revision;
    window.Analisi_IMG.onClick = [] { throw MathError(msg::overflow); };
    EXPECT_THROW(clickControl(window, window.Analisi_IMG), MathError);
    EXPECT_GT(window.Grafico.revision, afterFirst);
    EXPECT_FALSE(window.busy());
}

TEST_F(FrameSteps, ResetForDrawingEmptiesSeriesAndFreesTheAxes)
{
    ChartModel& g = window.Grafico;
    ChartSeries s;
    s.addXY(1, 2);
    g.addSeries(s);
    g.addSeries(s);
    g.leftAxis.automaticMinimum = g.bottomAxis.automaticMaximum = false;
    g.title = "kept";
    g.resetForDrawing();
    for (const ChartSeries& each : g.series) EXPECT_TRUE(each.points.empty());
    EXPECT_TRUE(g.leftAxis.automaticMinimum);
    EXPECT_TRUE(g.bottomAxis.automaticMaximum);
    EXPECT_EQ(g.title, "kept");
}

}  // namespace
}  // namespace velmora
