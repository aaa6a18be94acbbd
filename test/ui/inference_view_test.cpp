// The analysis of variance, correlation and autocorrelation windows in their
// real views, computed from the real buttons on a few hundred measurements.
#include <gtest/gtest.h>

#include <qcustomplot.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>

#include <cmath>
#include <random>

#include "app/application.h"
#include "inference/autocorrelazione.h"
#include "inference/correlazione.h"
#include "screenshot.h"
#include "table/numbers.h"
#include "ui/qt_platform.h"
#include "ui/window_view.h"

namespace velmora {
namespace {

using testing::screenshot;

// 300 days of temperature (one decimal) and ice creams sold, and a third
// series of yields.
void fillMeasurements(TMenuGEN& menu)
{
    const int rows = 300;
    TMenuGEN::PulisciTabella(rows, 3, menu.Tabella_TXT, false);
    menu.Tabella_TXT.setHeader(0, "Temperatura");
    menu.Tabella_TXT.setHeader(1, "Gelati");
    menu.Tabella_TXT.setHeader(2, "Resa");
    std::mt19937_64 random(11);
    std::normal_distribution<double> noise(0.0, 1.0);
    for (int r = 0; r < rows; ++r) {
        const double t = std::round((18 + 7 * std::sin(r / 30.0) + 1.5 * noise(random)) * 10) / 10;
        menu.Tabella_TXT.setCell(0, r, FloatToStr(t, '.'));
        menu.Tabella_TXT.setCell(1, r, FloatToStr(std::round(40 + 3 * t + 6 * noise(random)), '.'));
        menu.Tabella_TXT.setCell(2, r, FloatToStr(std::round((20 + 2 * noise(random)) * 10) / 10, '.'));
    }
}

struct InferenceView : ::testing::Test {
    ui::QtPlatform platform;
    Application app{platform};
    TMenuGEN& menu = app.menu();

    void SetUp() override { fillMeasurements(menu); }

    // The window's view, shown with its column list filled as "Analizza"
    // fills it (its modal showing would wait for a user).
    ui::WindowView& open(const char* className)
    {
        Window& window = *app.window(className);
        if (auto* list = window.findAs<CheckList>("ListaColonne")) menu.RiempiListaColonne(*list);
        ui::WindowView& view = platform.viewOf(window);
        view.resize(960, 600);
        view.show();
        return view;
    }
    static void tickAll(Window& w)
    {
        for (auto& item : w.findAs<CheckList>("ListaColonne")->items) item.checked = true;
    }
};

TEST_F(InferenceView, AnovaShowsItsTableWithTheVerdict)
{
    Window& window = *app.window("TTestANOVA");
    ui::WindowView& view = open("TTestANOVA");
    tickAll(window);
    view.findChild<QToolButton*>("Analisi_IMG")->click();
    auto* grid = view.findChild<QTableView*>("Tabella_TXT");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->model()->rowCount(), 16);
    EXPECT_EQ(grid->model()->columnCount(), 3);
    EXPECT_EQ(grid->model()->index(15, 0).data().toString(), "T > F");
    screenshot(view, "anova");
}

TEST_F(InferenceView, CorrelationShowsSpearmanRanks)
{
    auto& window = *static_cast<TCorrelazione*>(app.window("TCorrelazione"));
    ui::WindowView& view = open("TCorrelazione");
    window.ListaColonne.items[0].checked = true;
    window.ListaColonne.items[1].checked = true;
    window.TipoAnalisi_LST.selectText("Spearman");
    view.findChild<QToolButton*>("Analisi_IMG")->click();
    auto* grid = view.findChild<QTableView*>("Tabella_TXT");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->model()->rowCount(), 309);
    EXPECT_EQ(grid->model()->index(6, 1).data().toString(), "Ottima correlazione tra le serie");
    screenshot(view, "correlation");
}

TEST_F(InferenceView, AutocorrelationDrawsOneBarPerLag)
{
    auto& window = *static_cast<TAutocorrelazione*>(app.window("TAutocorrelazione"));
    window.Colonna_LST.items = {"Temperatura", "Gelati", "Resa"};
    window.Colonna_LST.itemIndex = 0;
    ui::WindowView& view = open("TAutocorrelazione");
    auto* limited = view.findChild<QCheckBox*>("Limite_K_CHK");
    auto* lower = view.findChild<QLineEdit*>("Limite_K_inf_TXT");
    ASSERT_TRUE(limited && lower);
    EXPECT_FALSE(lower->isEnabled());
    limited->click();
    EXPECT_TRUE(lower->isEnabled());
    limited->click();

    view.findChild<QToolButton*>("Analisi_IMG")->click();
    auto* grid = view.findChild<QTableView*>("Tabella_TXT");
    auto* plot = view.findChild<QCustomPlot*>("Grafico");
    ASSERT_TRUE(grid && plot);
    EXPECT_EQ(grid->model()->rowCount(), 75);  // lags 1 to 300 div 4
    ASSERT_EQ(plot->plottableCount(), 1);
    auto* bars = qobject_cast<QCPBars*>(plot->plottable(0));
    ASSERT_NE(bars, nullptr);
    EXPECT_EQ(bars->data()->size(), 75);
    EXPECT_EQ(plot->xAxis->range().lower <= 0 && plot->xAxis->range().upper >= 74, true);
    screenshot(view, "autocorrelation");
}

}  // namespace
}  // namespace velmora
