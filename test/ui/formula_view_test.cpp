#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableView>
#include <QToolButton>

#include "app/application.h"
#include "screenshot.h"
#include "table/table_file.h"
#include "transform/filtra_dati.h"
#include "transform/operazioni.h"
#include "ui/qt_platform.h"
#include "ui/window_view.h"

namespace velmora {
namespace {

using testing::screenshot;

// The window of `className` shown over 300 rows of measurements, its column
// list filled; the list inserts names, so it shows no check boxes.
template <class W>
W& showOnMeteo(ui::QtPlatform& platform, Application& app, const char* className, const char* title)
{
    TableFileContent content =
        parseTableFile(readWholeFile(std::string(VELMORA_SOURCE_DIR) + "/test/batch/data/meteo.txt"));
    app.menu().Tabella_TXT.swap(content.grid);
    app.menu().DecimalSeparator = content.decimalSeparator;
    auto& window = *static_cast<W*>(app.window(className));
    app.menu().RiempiListaColonne(window.ListaColonne);
    ui::WindowView& view = platform.viewOf(window);
    view.resize(window.width, window.height);
    view.show();
    EXPECT_EQ(view.windowTitle(), title);
    auto* list = view.findChild<QListWidget*>("ListaColonne");
    EXPECT_EQ(list->count(), 3);  // Giorno, Temperatura, Pressione
    for (int i = 0; i < list->count(); ++i) EXPECT_FALSE(list->item(i)->data(Qt::CheckStateRole).isValid());
    return window;
}

TEST(FormulaViews, ColumnOperationsShowResultAndSummary)
{
    ui::QtPlatform platform;
    Application app(platform);
    auto& window = showOnMeteo<TOperazioni>(platform, app, "TOperazioni", "Operazioni sulle colonne");
    ui::WindowView& view = platform.viewOf(window);
    auto* list = view.findChild<QListWidget*>("ListaColonne");
    emit list->itemClicked(list->item(2));
    EXPECT_EQ(window.Operazione_TXT.text, "[Pressione]");
    window.Operazione_TXT.text += ">1010";
    view.findChild<QToolButton*>("Analisi_IMG")->click();
    EXPECT_EQ(view.findChild<QTableView*>("Tabella_TXT")->model()->rowCount(), 300);
    auto* summary = view.findChild<QPlainTextEdit*>("Risultati_TXT");
    ASSERT_NE(summary, nullptr);
    EXPECT_TRUE(summary->toPlainText().startsWith("The equation is valid "));
    screenshot(view, "operazioni");
}

TEST(FormulaViews, DataFilterShowsThePassingRows)
{
    ui::QtPlatform platform;
    Application app(platform);
    auto& window = showOnMeteo<TFiltraDati>(platform, app, "TFiltraDati", "Filtra i dati di origine");
    ui::WindowView& view = platform.viewOf(window);
    window.Operazione_TXT.text = "15<[Temperatura]<25";
    view.findChild<QToolButton*>("Analisi_IMG")->click();
    EXPECT_EQ(view.findChild<QTableView*>("Tabella_TXT")->model()->rowCount(), 210);
    EXPECT_EQ(view.findChild<QTableView*>("Tabella_TXT")->model()->columnCount(), 3);
    screenshot(view, "filtra_dati");
}

}  // namespace
}  // namespace velmora
