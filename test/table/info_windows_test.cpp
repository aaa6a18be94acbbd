#include <gtest/gtest.h>

#include "app/application.h"
#include "fake_platform.h"
#include "table/autocorrelazione_tipi.h"
#include "table/equazioni.h"
#include "table/equazioni_grafiche.h"
#include "table/informazioni.h"

namespace velmora {
namespace {

using testing::FakePlatform;

TEST(Splash, ShownPaintedWaitedAndClosedBeforeTheOtherWindows)
{
    FakePlatform platform;
    int painted = 0;
    platform.onProcessEvents = [&] {
        ++painted;
        EXPECT_EQ(platform.shown, std::vector<std::string>{"TInformazioni"});
        EXPECT_EQ(platform.sleptMs, 0);
        EXPECT_TRUE(platform.closed.empty());
    };
    Application app(platform);
    EXPECT_EQ(painted, 1);
    EXPECT_EQ(platform.sleptMs, 2000);
    EXPECT_EQ(platform.closed, std::vector<std::string>{"TInformazioni"});
    EXPECT_TRUE(platform.shownModal.empty());
    EXPECT_TRUE(platform.messages.empty());
    // The permanent one is another window, left alone by the splash.
    ASSERT_NE(app.window("TInformazioni"), nullptr);
}

struct InfoWindows : ::testing::Test {
    FakePlatform platform;
    Application app{platform};
    TMenuGEN& menu = app.menu();
    void SetUp() override
    {
        platform.shown.clear();
        platform.closed.clear();
    }
};

TEST_F(InfoWindows, InformazioniClosesOnlyOnItsLogo)
{
    platform.onShowModal = [&](Window& w) {
        auto& info = dynamic_cast<TInformazioni&>(w);
        EXPECT_TRUE(info.frameless);
        EXPECT_EQ(info.width, 800);
        EXPECT_EQ(info.background, 0xFF709229u);
        EXPECT_EQ(info.logo_IMG.preferredWidth, 800);
        EXPECT_EQ(info.logo_IMG.preferredHeight, 256);
        for (Control* c : info.controls()) {
            if (c != &info.logo_IMG) {
                EXPECT_FALSE(clickControl(info, *c)) << c->name;
            }
        }
        EXPECT_TRUE(platform.closed.empty());
        EXPECT_TRUE(clickControl(info, info.logo_IMG));
    };
    clickControl(menu, menu.Informazioni_IMG);
    EXPECT_EQ(platform.shownModal, std::vector<std::string>{"TInformazioni"});
    EXPECT_EQ(platform.closed, std::vector<std::string>{"TInformazioni"});
}

TEST_F(InfoWindows, EquazioniHasACaptionAndItsFormulasPerEquation)
{
    clickControl(menu, menu.Equazioni_IMG);
    EXPECT_EQ(platform.shownModal, std::vector<std::string>{"TEquazioni"});
    auto& page = dynamic_cast<TEquazioni&>(*app.window("TEquazioni"));
    EXPECT_EQ(page.title, "Equazioni utilizzate dal software");
    // The caption, its colour and the number of pictures under it, in order.
    std::vector<std::tuple<std::string, Color, int>> seen;
    for (Control* c : page.controls()) {
        if (c == &page.Titolo_LAB) continue;
        if (c->kind == ControlKind::Label) seen.emplace_back(c->caption, c->color, 0);
        else if (c->kind == ControlKind::Image && !seen.empty()) ++std::get<2>(seen.back());
        else ADD_FAILURE() << c->name;
    }
    const Color blue = 0xFF6495ED, green = 0xFF9BC70F, orange = 0xFFFFA500;
    const std::vector<std::tuple<std::string, Color, int>> expected{
        {"Normal distribution - Probability density", blue, 1},
        {"Normal distribution - Cumulative function", blue, 1},
        {"Rayleigh distribution - Probability density", blue, 1},
        {"Rayleigh distribution - Cumulative function", blue, 1},
        {"Fisher-Snedecor distribution - Probability density", blue, 2},
        {"Fisher-Snedecor distribution - Cumulative function", blue, 2},
        {"Weibull distribution - Probability density", blue, 1},
        {"Weibull distribution - Cumulative function", blue, 1},
        {"T - Test", green, 1},
        {"Linear Regression", orange, 1},
        {"Polynomial Regression", orange, 1},
        {"Autocorrelation", orange, 1},
        {"Correlation Pearson index", orange, 1},
        {"Correlation Spearman index", orange, 1},
    };
    EXPECT_EQ(seen, expected);
}

TEST_F(InfoWindows, PagesKeepTheirHeadingAboveTheScrollingContent)
{
    const std::pair<const char*, const char*> pages[] = {
        {"TEquazioni", "Equations used by this software"},
        {"TEquazioniGrafiche", "Typical trends of the distributions"},
    };
    for (const auto& [className, heading] : pages) {
        const Window* page = app.window(className);
        ASSERT_NE(page, nullptr) << className;
        for (const Control* c : page->controls()) {
            if (c->caption == heading) {
                EXPECT_EQ(c->area, Area::Heading) << className;
            } else {
                EXPECT_EQ(c->area, Area::Body) << className << " " << c->name;
            }
        }
    }
}

TEST_F(InfoWindows, TheCurvesPageIsOneWindowShownWithoutWaiting)
{
    Window* page = app.window("TEquazioniGrafiche");
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->modal);
    EXPECT_EQ(page->title, "Andamenti delle distribuzioni");
    std::vector<std::string> captions;
    for (Control* c : page->controls()) {
        if (c->kind == ControlKind::Label) captions.push_back(c->caption);
        if (c->kind == ControlKind::Image) {
            EXPECT_EQ(c->preferredWidth, 684);
        }
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"Typical trends of the distributions", "Normal distribution",
                                                  "Rayleigh distribution", "Fisher-Snedecor distribution",
                                                  "Weibull distribution", "Linear Regression",
                                                  "Polynomial Regression"}));
}

TEST_F(InfoWindows, TheCorrelationTypesGoOnFromTheirBeginnings)
{
    auto& page = dynamic_cast<TAutocorrelazioneTipi&>(*app.window("TAutocorrelazioneTipi"));
    EXPECT_EQ(page.title, "Tipologie di correlazioni");
    const struct {
        Memo* box;
        const char* beginning;
    } boxes[] = {
        {&page.A_TXT, "A. Il valore di Rk e' sempre positivo e decresce lentamente all'aumentare di k."},
        {&page.B_TXT,
         "B. Il valore di Rk varia, ma e' positivo e massimo in corrispondenza di valori di k tali da configurare "
         "una periodicita' annuale"},
        {&page.C_TXT, "C. I valori di Rk variano, ma per k > 0 oscillano sempre entro una banda ristretta."},
    };
    for (const auto& b : boxes) {
        ASSERT_EQ(b.box->lines.size(), 1u) << b.box->name;
        const std::string& text = b.box->lines[0];
        EXPECT_EQ(text.rfind(b.beginning, 0), 0u) << b.box->name;
        const auto sentences = std::count(text.begin(), text.end(), '.') - 1;  // less the letter's own
        EXPECT_GE(sentences, 3) << text;
        EXPECT_LE(sentences, 4) << text;
        EXPECT_TRUE(b.box->readOnly && b.box->wordWrap);
    }
}

}  // namespace
}  // namespace velmora
