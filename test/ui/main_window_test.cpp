#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QComboBox>
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
    screenshot(view, "descriptive");
}

}  // namespace
}  // namespace velmora
