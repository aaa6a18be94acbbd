#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QTableView>

#include <gtest/gtest.h>

#include "app/application.h"
#include "test_tables.h"
#include "ui/pictures.h"
#include "ui/qt_platform.h"
#include "ui/window_view.h"

namespace velmora {
namespace {

// The real platform without the splash's wait.
struct NoWaitPlatform : ui::QtPlatform {
    void sleep(int) override {}
};

struct Views : ::testing::Test {
    NoWaitPlatform platform;
    Application app{platform};

    ui::WindowView& view(const char* className) { return platform.viewOf(*app.window(className)); }
    // Pictures for the eye when asked for.
    void keep(QWidget& w, const char* name)
    {
        const QByteArray dir = qgetenv("VELMORA_GRAB_DIR");
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
            if (auto* image = dynamic_cast<Image*>(c)) EXPECT_TRUE(ui::hasPicture(image->picture)) << image->picture;
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

}  // namespace
}  // namespace velmora
