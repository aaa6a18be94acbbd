#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>
#include <QToolButton>

#include <qcustomplot.h>

#include "app/application.h"
#include "screenshot.h"
#include "table/numbers.h"
#include "transform/filtri_smoothing.h"
#include "transform/matrice.h"
#include "ui/qt_platform.h"
#include "ui/window_view.h"

namespace velmora {
namespace {

using testing::screenshot;

TEST(MatrixView, ExponentBoxGoesWithThePowerAndTheInverseIsListed)
{
    ui::QtPlatform platform;
    Application app(platform);
    StringGrid& data = app.menu().Tabella_TXT;
    const int n = 6;
    TMenuGEN::PulisciTabella(n, n, data, false);
    for (int c = 0; c < n; ++c) {
        data.setHeader(c, TMenuGEN::letterName(c));
        for (int r = 0; r < n; ++r) data.setCell(c, r, IntToStr(r == c ? 10 + r : (r * 7 + c * 3) % 5 - 2));
    }
    auto& window = *static_cast<TMatrice*>(app.window("TMatrice"));
    ui::WindowView& view = platform.viewOf(window);
    view.resize(window.width, window.height);
    view.show();
    EXPECT_EQ(view.windowTitle(), "Operazioni su matrici");

    auto* exponent = view.findChild<QLineEdit*>("esponente_TXT");
    ASSERT_NE(exponent, nullptr);
    EXPECT_TRUE(exponent->isVisible());
    auto* operation = view.findChild<QComboBox*>("Operazione_LST");
    ASSERT_NE(operation, nullptr);
    operation->setCurrentIndex(1);
    emit operation->activated(1);
    EXPECT_FALSE(exponent->isVisible());

    view.findChild<QToolButton*>("Analisi_IMG")->click();
    EXPECT_EQ(view.findChild<QTableView*>("Tabella_TXT")->model()->rowCount(), n);
    screenshot(view, "matrix_inverse");

    operation->setCurrentIndex(0);
    emit operation->activated(0);
    EXPECT_TRUE(exponent->isVisible());
}

TEST(SmoothingView, DrawsAColumnAgainstItsSmoothedValues)
{
    ui::QtPlatform platform;
    Application app(platform);
    // 300 hourly temperatures: a daily swing with noise, one decimal.
    StringGrid& data = app.menu().Tabella_TXT;
    TMenuGEN::PulisciTabella(300, 2, data, false);
    data.setHeader(0, "Ora");
    data.setHeader(1, "Temperatura");
    std::mt19937_64 random(9);
    std::normal_distribution<double> noise(0.0, 0.8);
    for (int r = 0; r < 300; ++r) {
        data.setCell(0, r, IntToStr(r));
        data.setCell(1, r, FloatToStr(std::round((15 + 5 * std::sin(r * 6.2832 / 24) + noise(random)) * 10) / 10, '.'));
    }
    auto& window = *static_cast<TFiltriSmoothing*>(app.window("TFiltriSmoothing"));
    app.menu().RiempiListaColonne(window.ListaColonne);
    ui::WindowView& view = platform.viewOf(window);
    view.resize(window.width, window.height);
    view.show();
    EXPECT_EQ(view.windowTitle(), "Filtri Smoothing");

    auto* list = view.findChild<QListWidget*>("ListaColonne");
    ASSERT_NE(list, nullptr);
    emit list->itemClicked(list->item(1));
    auto* filter = view.findChild<QComboBox*>("Tipo_Filtro_LST");
    ASSERT_NE(filter, nullptr);
    filter->setCurrentIndex(1);
    emit filter->activated(1);
    view.findChild<QToolButton*>("Analisi_IMG")->click();
    view.findChild<QToolButton*>("DisegnaDati_IMG")->click();
    EXPECT_EQ(view.findChild<QTableView*>("Tabella_TXT")->model()->rowCount(), 300);

    auto* plot = view.findChild<QCustomPlot*>();
    ASSERT_NE(plot, nullptr);
    EXPECT_FALSE(plot->legend->visible());
    EXPECT_EQ(plot->plottableCount(), 2);
    screenshot(view, "smoothing_exponential");
}

}  // namespace
}  // namespace velmora
