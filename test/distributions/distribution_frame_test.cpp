// What every distribution window inherits from the distribution frame, run
// on each of them: the common result rows, the drawn-column picker, the
// guards, stop and failure, and the occurrence points of a drawing.
// A new distribution window joins by adding its class to the list below.
#include <gtest/gtest.h>

#include "descriptive/velmora_descrittiva.h"
#include "distributions/distribuzione_normale.h"
#include "window_fixture.h"

namespace velmora {
namespace {

using testing::column;
using testing::FakePlatform;
using testing::Table;

template <class W>
struct DistributionFrame : testing::WindowFixture<W> {
    using Base = testing::WindowFixture<W>;
    using Base::window;

    void calcola(const Table& table, const std::vector<int>& ticked = {0})
    {
        this->open(table, ticked);
        clickControl(window, window.Analisi_IMG);
    }
    std::vector<std::pair<double, double>> basePoints() const
    {
        std::vector<std::pair<double, double>> out;
        for (const ChartPoint& p : window.Grafico.series[1].points) out.emplace_back(p.x, p.y);
        return out;
    }
    void draw() { clickControl(window, window.DisegnaDati_IMG); }
};

using DistributionWindows = ::testing::Types<TDistribuzioneNormale>;
TYPED_TEST_SUITE(DistributionFrame, DistributionWindows);

TYPED_TEST(DistributionFrame, CalcolaWritesTheCommonRowsAndPicksTheDrawnColumns)
{
    auto& w = this->window;
    this->calcola({{"X", "Y", "Z"}, {"4", "9", "1"}, {"1", "8", "1"}, {"3", "7", "1"}, {"2", "6", "1"}}, {0, 1});
    ASSERT_EQ(w.Tabella_TXT.columnCount(), 2);
    ASSERT_GE(w.Tabella_TXT.rowCount(), 14);
    EXPECT_EQ(w.Tabella_TXT.header(0), "X");
    EXPECT_EQ(w.Tabella_TXT.header(1), "Y");
    EXPECT_TRUE(w.Tabella_TXT.readOnly(0) && w.Tabella_TXT.readOnly(1));
    // 1..4: mean 2.5, variance 5/3, deviation sqrt(5/3); 6..9 shifted by 5.
    const std::vector<std::string> first{"Average", "2.5", "Variance", "1.66666666666667", "Sta.Dev.",
                                         "1.29099444873581", "Min", "1", "Max", "4", "Median", "2.5", "Count", "4"};
    for (int r = 0; r < 14; ++r) EXPECT_EQ(w.Tabella_TXT.cellText(0, r), first[r]) << r;
    EXPECT_EQ(w.Tabella_TXT.cellText(1, 1), "7.5");
    EXPECT_EQ(w.Tabella_TXT.cellText(1, 7), "6");
    EXPECT_EQ(w.Colonna_LST.items, (std::vector<std::string>{"X", "Y"}));
    EXPECT_EQ(w.Colonna_LST.selectedText(), "X");
    EXPECT_EQ(this->platform.tones, FakePlatform::completion());
}

TYPED_TEST(DistributionFrame, DrawingAndExportNeedACalcola)
{
    auto& w = this->window;
    this->open(column({"1", "2", "4"}), {});
    for (Button* b : {&w.DisegnaDati_IMG, &w.Esporta_Distribuzione_IMG}) clickControl(w, *b);
    EXPECT_EQ(this->platform.messages,
              std::vector<std::string>(2, "Devi prima calcolare i parametri delle distribuzioni"));
    EXPECT_TRUE(this->platform.saveDialogs.empty());

    // Nothing ticked: the frame's message, and still nothing to draw.
    this->platform.messages.clear();
    clickControl(w, w.Analisi_IMG);
    clickControl(w, w.DisegnaDati_IMG);
    EXPECT_EQ(this->platform.messages,
              (std::vector<std::string>{"Devi selezionare almeno una colonna da calcolare",
                                        "Devi prima calcolare i parametri delle distribuzioni"}));
}

TYPED_TEST(DistributionFrame, StopAndFailureKeepThePreviousResultsAndDrawing)
{
    auto& w = this->window;
    this->calcola(column({"1", "2", "2", "4"}));
    this->draw();
    const auto table = testing::columnTexts(w.Tabella_TXT, 0);
    const auto drawn = this->basePoints();
    ASSERT_FALSE(drawn.empty());

    this->platform.onProcessEvents = [&] { clickControl(w, w.Ferma_IMG); };
    this->calcola(column({"7", "8", "9"}));
    this->platform.onProcessEvents = nullptr;
    EXPECT_EQ(this->platform.lastMessage(), "Operazioni fermate");

    this->open(column({"7", "x", "9"}), {0});
    EXPECT_EQ(this->click(w.Analisi_IMG), "'x' is not a valid floating point value");
    EXPECT_EQ(testing::columnTexts(w.Tabella_TXT, 0), table);
    EXPECT_EQ(this->platform.tones, FakePlatform::completion(1));

    // Drawing reads the values of the last successful Calcola, not the
    // main window's Valori that another window refilled since.
    auto& descriptive = *static_cast<TVelmoraDescrittiva*>(this->app.window("TVelmoraDescrittiva"));
    this->menu.TipoAnalisi_LST.selectText("Descriptive statistics");
    testing::setTable(this->menu.Tabella_TXT, column({"50", "60"}));
    this->menu.Analisi_IMGClick();
    descriptive.ListaColonneItemClick(0);
    descriptive.Analisi_IMGClick();
    w.Colonna_LST.selectText("A");
    this->draw();
    EXPECT_EQ(this->basePoints(), drawn);
}

TYPED_TEST(DistributionFrame, CumulativeOccurrencesAreRunningShares)
{
    auto& w = this->window;
    this->calcola(column({"4", "2", "0", "2", "1"}));
    w.Disegna_DensitaProbabilita_CHK.checked = false;
    w.Disegna_FunzioneRipartizione_CHK.checked = true;
    this->draw();
    EXPECT_EQ(w.Grafico.leftAxis.title, "Cumulative Probability");
    // Sorted 0 1 2 2 4: running counts 1 2 4 5 of 5.
    EXPECT_EQ(this->basePoints(),
              (std::vector<std::pair<double, double>>{{0, 0.2}, {1, 0.4}, {2, 0.8}, {4, 1.0}}));

    // Zeros passed over count neither as a group nor in the total.
    w.NonDisegnareValoriNulli_CHK.checked = true;
    this->draw();
    EXPECT_EQ(this->basePoints(), (std::vector<std::pair<double, double>>{{1, 0.25}, {2, 0.75}, {4, 1.0}}));

    w.IncludiValoriBase_CHK.checked = false;
    this->draw();
    EXPECT_TRUE(this->basePoints().empty());
    EXPECT_FALSE(w.Grafico.series[0].points.empty());
}

}  // namespace
}  // namespace velmora
