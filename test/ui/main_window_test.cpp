#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QTableView>
#include <QToolButton>

#include "app/application.h"
#include "descriptive/velmora_descrittiva.h"
#include "table/table_file.h"
#include "test_tables.h"
#include "ui/grid_model.h"
#include "ui/qt_platform.h"
#include "ui_test_platform.h"
#include "screenshot.h"
#include "ui/window_view.h"

namespace velmora {
namespace {

using testing::screenshot;

void loadExample(TMenuGEN& menu, const char* file)
{
    TableFileContent content =
        parseTableFile(readWholeFile(std::string(VELMORA_SOURCE_DIR) + "/examples/" + file));
    menu.Tabella_TXT.swap(content.grid);
    menu.DecimalSeparator = content.decimalSeparator;
}

TEST(MainWindowView, ShowsTheControlsByName)
{
    testing::UiTestPlatform platform;
    Application app(platform);
    ui::WindowView& view = platform.viewOf(app.menu());
    view.resize(1024, 720);
    view.show();

    EXPECT_EQ(view.objectName(), "TMenuGEN");
    EXPECT_EQ(view.windowTitle(), "Korvane Velmora");
    for (const char* name : {"Nuovi_Dati_IMG", "Apri_Dati_IMG", "Salva_Dati_IMG", "Equazioni_IMG", "FiltraDati_IMG",
                             "Analisi_IMG", "Informazioni_IMG"})
        EXPECT_NE(view.findChild<QToolButton*>(name), nullptr) << name;
    auto* analyses = view.findChild<QComboBox*>("TipoAnalisi_LST");
    ASSERT_NE(analyses, nullptr);
    EXPECT_EQ(analyses->count(), 23);
    EXPECT_EQ(analyses->currentText(), "Descriptive statistics");
    EXPECT_EQ(view.findChild<QLineEdit*>("Numero_righe_TXT")->text(), "1");
    EXPECT_NE(view.findChild<QProgressBar*>("barra"), nullptr);

    // A new table made through the real button shows in the grid.
    view.findChild<QLineEdit*>("Numero_righe_TXT")->setText("3");
    app.menu().Numero_righe_TXT.text = "3";
    app.menu().Numero_colonne_TXT.text = "28";
    app.menu().MessaggioColonne = false;  // no message box in a test
    view.findChild<QToolButton*>("Nuovi_Dati_IMG")->click();
    auto* grid = view.findChild<QTableView*>("Tabella_TXT");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->model()->columnCount(), 28);
    EXPECT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(grid->model()->headerData(27, Qt::Horizontal).toString(), "AB");

    loadExample(app.menu(), "misure.txt");
    platform.syncAll();
    EXPECT_GT(grid->model()->rowCount(), 5);
    screenshot(view, "main_window");
}

TEST(MainWindowView, GridMenuOpensOnCellsHeaderEmptySpaceAndKeyboard)
{
    ui::QtPlatform platform;
    Application app(platform);
    loadExample(app.menu(), "misure.txt");
    ui::WindowView& view = platform.viewOf(app.menu());
    view.resize(1024, 720);
    view.show();
    auto* grid = view.findChild<QTableView*>("Tabella_TXT");
    ASSERT_NE(grid, nullptr);
    auto* menu = view.findChild<QMenu*>("MenuTabella");
    ASSERT_NE(menu, nullptr);
    QStringList captions;
    for (QAction* a : menu->actions()) captions << a->text();
    EXPECT_EQ(captions, QStringList({"Aggiungi Riga", "Elimina Riga", "Aggiungi Colonna", "Elimina Colonna",
                                     "Rinomina Colonna"}));

    // Each request is a real context-menu event, as the mouse or Shift+F10 sends it.
    const QRect secondCell = grid->visualRect(grid->model()->index(1, 1));
    const QPoint emptySpace(grid->viewport()->width() - 2, grid->viewport()->height() - 2);
    const QRect firstHeader(grid->horizontalHeader()->sectionViewportPosition(0), 0, 20, 10);
    struct Request {
        const char* where;
        QWidget* receiver;
        QPoint pos;
        QContextMenuEvent::Reason reason;
    } requests[] = {
        {"cell", grid->viewport(), secondCell.center(), QContextMenuEvent::Mouse},
        {"empty grid space", grid->viewport(), emptySpace, QContextMenuEvent::Mouse},
        {"header", grid->horizontalHeader()->viewport(), firstHeader.center(), QContextMenuEvent::Mouse},
        {"keyboard", grid, QPoint(5, 5), QContextMenuEvent::Keyboard},
    };
    for (const Request& r : requests) {
        menu->hide();
        QContextMenuEvent event(r.reason, r.pos, r.receiver->mapToGlobal(r.pos));
        QApplication::sendEvent(r.receiver, &event);
        EXPECT_TRUE(menu->isVisible()) << r.where;
    }
    menu->hide();

    // A right click on a cell makes it the current cell the menu works on.
    QContextMenuEvent onCell(QContextMenuEvent::Mouse, secondCell.center(), grid->viewport()->mapToGlobal(secondCell.center()));
    QApplication::sendEvent(grid->viewport(), &onCell);
    menu->hide();
    EXPECT_EQ(app.menu().Tabella_TXT.currentRow, 1);
    EXPECT_EQ(app.menu().Tabella_TXT.currentCol, 1);
}

TEST(MainWindowView, EditsGoToTheTableAndReadOnlyColumnsRefuse)
{
    StringGrid grid;
    testing::setTable(grid, {{"A", "B"}, {"1", "2"}, {"3", "4"}});
    grid.setReadOnly(1, true);
    ui::GridModel model(grid);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_TRUE(model.setData(model.index(1, 0), "9,5", Qt::EditRole));
    EXPECT_EQ(grid.cell(0, 1), "9,5");
    EXPECT_FALSE(model.setData(model.index(0, 1), "x", Qt::EditRole));
    EXPECT_EQ(grid.cell(1, 0), "2");
    EXPECT_FALSE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);

    grid.addColumn("C");
    EXPECT_TRUE(model.refresh());
    EXPECT_EQ(model.columnCount(), 3);

    // A cell of megabytes shows its beginning; editing and saving see it whole.
    const std::string huge(5000000, '7');
    grid.setCell(2, 0, huge);
    const QString shown = model.data(model.index(0, 2), Qt::DisplayRole).toString();
    EXPECT_EQ(shown, QString(4000, '7') + QChar(0x2026));
    EXPECT_EQ(model.data(model.index(0, 2), Qt::EditRole).toString().size(), 5000000);
}

TEST(DescriptiveView, ComputesFromTheRealButtons)
{
    testing::UiTestPlatform platform;
    Application app(platform);
    loadExample(app.menu(), "misure.txt");
    auto& window = *static_cast<TVelmoraDescrittiva*>(app.window("TVelmoraDescrittiva"));
    app.menu().RiempiListaColonne(window.ListaColonne);
    ui::WindowView& view = platform.viewOf(window);
    view.show();
    EXPECT_EQ(view.windowTitle(), "Velmora Descrittiva");

    auto* list = view.findChild<QListWidget*>("ListaColonne");
    ASSERT_NE(list, nullptr);
    ASSERT_GE(list->count(), 2);
    emit list->itemClicked(list->item(0));
    emit list->itemClicked(list->item(1));
    EXPECT_EQ(list->item(0)->checkState(), Qt::Checked);
    EXPECT_TRUE(window.ListaColonne.items[1].checked);

    window.Analisi_IMG.onClick = [&] { window.Analisi_IMGClick(); };
    // The tones play through the real audio path; with no device they are silent.
    view.findChild<QToolButton*>("Analisi_IMG")->click();
    auto* table = view.findChild<QTableView*>("Tabella_TXT");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->model()->rowCount(), 42);
    EXPECT_EQ(table->model()->columnCount(), 2);
    EXPECT_EQ(table->model()->data(table->model()->index(0, 0)).toString(), "Average");
    // No figure is cut: every column is as wide as its widest value.
    const QFontMetrics metrics(table->font());
    for (int c = 0; c < table->model()->columnCount(); ++c) {
        for (int r = 0; r < table->model()->rowCount(); ++r) {
            const QString text = table->model()->data(table->model()->index(r, c)).toString();
            EXPECT_GE(table->columnWidth(c), metrics.horizontalAdvance(text)) << text.toStdString();
        }
    }
    screenshot(view, "descriptive");
}

}  // namespace
}  // namespace velmora
