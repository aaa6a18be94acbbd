#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QMenu>
#include <QPointer>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include "app/application.h"
#include "test_tables.h"
#include "ui/pictures.h"
#include "ui/qt_platform.h"
#include "ui_test_platform.h"
#include "ui/window_view.h"

namespace velmora {
namespace {

struct Views : ::testing::Test {
    testing::UiTestPlatform platform;
    Application app{platform};

    ui::WindowView& view(const char* className) { return platform.viewOf(*app.window(className)); }
    // Pictures for the eye when asked for.
    void keep(QWidget& w, const char* name)
    {
        const QByteArray dir = qgetenv("VELMORA_SCREENSHOTS");
        if (dir.isEmpty()) return;
        w.grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
        if (auto* scroll = w.findChild<QScrollArea*>())
            scroll->widget()->grab().save(QString::fromUtf8(dir) + "/" + name + "_content.png");
    }
};

TEST_F(Views, EveryPictureIsDrawnByTheProgram)
{
    for (Window* w : app.windows()) {
        for (Control* c : w->controls()) {
            if (auto* image = dynamic_cast<Image*>(c)) {
                EXPECT_TRUE(ui::hasPicture(image->picture)) << image->picture;
            }
        }
    }
}

TEST_F(Views, InformazioniShowsItsPicturesAndLabelsAsDeclared)
{
    ui::WindowView& v = view("TInformazioni");
    v.show();
    QApplication::processEvents();
    auto* logo = v.findChild<QLabel*>("logo_IMG");
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->size(), QSize(800, 256));
    EXPECT_EQ(logo->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(logo->mapTo(&v, QPoint(0, 0)), QPoint(0, 0));
    auto* badge = v.findChild<QLabel*>("os_IMG");
    ASSERT_NE(badge, nullptr);
    EXPECT_EQ(badge->geometry(), QRect(0, 0, 50, 50));
    auto* title = v.findChild<QLabel*>("titolo_LAB");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), "Velmora");
    EXPECT_EQ(title->font().pointSize(), 38);
    EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(v.findChild<QLabel*>("versione_LAB")->font().pointSize(), 26);
    EXPECT_EQ(v.width(), 800);
    keep(v, "TInformazioni");

    for (const char* name : {"TEquazioni", "TEquazioniGrafiche", "TAutocorrelazioneTipi", "TRinominaColonna"}) {
        ui::WindowView& page = view(name);
        page.show();
        QApplication::processEvents();
        keep(page, name);
        page.hide();
    }
    // The headings of the two pages stay put while their content scrolls.
    for (const char* name : {"TEquazioni", "TEquazioniGrafiche"}) {
        auto* heading = view(name).findChild<QLabel*>("Titolo_LAB");
        ASSERT_NE(heading, nullptr) << name;
        auto* scroll = view(name).findChild<QScrollArea*>();
        ASSERT_NE(scroll, nullptr) << name;
        EXPECT_FALSE(scroll->isAncestorOf(heading)) << name;
    }
}

TEST_F(Views, CtrlCAndCtrlVGoThroughTheTable)
{
    TMenuGEN& menu = app.menu();
    testing::setTable(menu.Tabella_TXT, {{"A", "B"}, {"1", "2"}, {"3", "4"}});
    ui::WindowView& v = platform.viewOf(menu);
    v.sync();
    auto* table = v.findChild<QTableView*>("Tabella_TXT");
    ASSERT_NE(table, nullptr);
    table->selectRow(1);
    QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
    QApplication::sendEvent(table, &copy);
    EXPECT_EQ(QApplication::clipboard()->text(), "3\t4\r\n");

    table->setCurrentIndex(table->model()->index(1, 1));
    QApplication::clipboard()->setText("x\ty\nz\tw\n");
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(table, &paste);
    ASSERT_EQ(menu.Tabella_TXT.columnCount(), 3);
    EXPECT_EQ(menu.Tabella_TXT.rowCount(), 3);
    EXPECT_EQ(menu.Tabella_TXT.cell(1, 1), "x");
    EXPECT_EQ(menu.Tabella_TXT.cell(2, 2), "w");
    EXPECT_EQ(table->model()->columnCount(), 3);
    EXPECT_EQ(table->currentIndex(), table->model()->index(1, 1));
    EXPECT_EQ(menu.Numero_colonne_TXT.text, "3");
}

TEST_F(Views, TheTableMenuRenamesThroughAModalWindowThatClosesItself)
{
    TMenuGEN& menu = app.menu();
    testing::setTable(menu.Tabella_TXT, {{"A", "B"}, {"1", "2"}});
    ui::WindowView& v = platform.viewOf(menu);
    auto* popup = v.findChild<QMenu*>("MenuTabella");
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->actions().size(), 5);

    menu.Tabella_TXT.currentRow = 0;
    menu.Tabella_TXT.currentCol = 1;
    QPointer<ui::WindowView> renameView;
    for (int round = 0; round < 2; ++round) {
        // The button is pressed from inside the modal loop, as a user would.
        QTimer::singleShot(0, [&] {
            renameView = qobject_cast<ui::WindowView*>(QApplication::activeModalWidget());
            ASSERT_TRUE(renameView);
            auto* edit = renameView->findChild<QLineEdit*>("NomeColonna_TXT");
            ASSERT_NE(edit, nullptr);
            EXPECT_EQ(edit->text().toStdString(), round == 0 ? "B" : "Citta_nuova");
            edit->setText(round == 0 ? "Città nuova" : "Altro");
            emit edit->textEdited(edit->text());
            renameView->findChild<QToolButton*>(round == 0 ? "Rinomina_BTN" : "Annulla_BTN")->click();
        });
        QAction* item = popup->findChild<QAction*>("RinominaColonna_MEM");
        ASSERT_NE(item, nullptr);
        item->trigger();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(renameView.isNull());  // the closed view is gone, its window stays
        EXPECT_EQ(menu.Tabella_TXT.header(1), "Citta_nuova");
    }
}

}  // namespace
}  // namespace velmora
