#include "table/menu_gen.h"

#include <gtest/gtest.h>

#include "app/application.h"
#include "controls/failures.h"
#include "fake_platform.h"
#include "test_tables.h"

namespace velmora {
namespace {

using testing::FakePlatform;
using testing::TempDir;

const char* const warning =
    "ATTENZIONE.\rAttualmente le colonne devono contenere lo stesso numero di valori, dove la cella risulta vuota "
    "mettere 0 o un altro valore simbolico.";

struct MainWindow : ::testing::Test {
    FakePlatform platform;
    TMenuGEN menu{platform};
};

TEST(LetterName, PositionsToNames)
{
    const std::pair<int, const char*> cases[] = {{0, "A"},    {25, "Z"},   {26, "AA"},  {27, "AB"},
                                                 {51, "AZ"},  {52, "BA"},  {701, "ZZ"}, {702, "[A"},
                                                 {703, "[B"}, {728, "\\A"}};
    for (const auto& [index, name] : cases) EXPECT_EQ(TMenuGEN::letterName(index), name) << index;
}

TEST(PulisciTabella, ShapesAnyGrid)
{
    StringGrid g;
    testing::setTable(g, {{"x", "y"}, {"1", "2"}, {"3", "4"}});
    TMenuGEN::PulisciTabella(3, 2, g, true);
    EXPECT_EQ(g.rowCount(), 3);
    ASSERT_EQ(g.columnCount(), 2);
    EXPECT_EQ(g.header(0), "");
    EXPECT_EQ(g.cell(1, 1), "");
    EXPECT_TRUE(g.readOnly(0) && g.readOnly(1));

    TMenuGEN::PulisciTabella(-1, 0, g, false);  // a negative count keeps the rows
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.columnCount(), 0);
}

TEST_F(MainWindow, NewTableNamesColumnsByPositionAndWarnsOnce)
{
    menu.Numero_righe_TXT.text = "3";
    menu.Numero_colonne_TXT.text = "28";
    menu.Nuovi_Dati_IMGClick();
    ASSERT_EQ(menu.Tabella_TXT.columnCount(), 28);
    EXPECT_EQ(menu.Tabella_TXT.rowCount(), 3);
    EXPECT_EQ(menu.Tabella_TXT.header(0), "A");
    EXPECT_EQ(menu.Tabella_TXT.header(25), "Z");
    EXPECT_EQ(menu.Tabella_TXT.header(26), "AA");
    EXPECT_EQ(menu.Tabella_TXT.header(27), "AB");
    EXPECT_EQ(menu.Tabella_TXT.cell(27, 2), "");
    EXPECT_FALSE(menu.Tabella_TXT.readOnly(0));
    EXPECT_EQ(platform.messages, std::vector<std::string>{warning});

    menu.Nuovi_Dati_IMGClick();
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(MainWindow, NewTableWithBadCountsKeepsTheTable)
{
    menu.Numero_righe_TXT.text = "2";
    menu.Numero_colonne_TXT.text = "2";
    menu.Nuovi_Dati_IMGClick();
    menu.Tabella_TXT.setCell(0, 0, "5");
    menu.Numero_righe_TXT.text = "abc";
    try {
        menu.Nuovi_Dati_IMGClick();
        FAIL() << "accepted abc";
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
    EXPECT_EQ(menu.Tabella_TXT.cell(0, 0), "5");

    // Negative rows keep the row count; negative columns give no columns.
    menu.Numero_righe_TXT.text = "-1";
    menu.Nuovi_Dati_IMGClick();
    EXPECT_EQ(menu.Tabella_TXT.rowCount(), 2);
    EXPECT_EQ(menu.Tabella_TXT.cell(0, 0), "");
    menu.Numero_colonne_TXT.text = "-3";
    menu.Nuovi_Dati_IMGClick();
    EXPECT_EQ(menu.Tabella_TXT.columnCount(), 0);
}

TEST_F(MainWindow, AnalyzeAnEmptyTableAsksForData)
{
    menu.Numero_righe_TXT.text = "0";
    menu.Numero_colonne_TXT.text = "3";
    menu.Nuovi_Dati_IMGClick();
    menu.Analisi_IMGClick();
    EXPECT_EQ(platform.lastMessage(), "Devi prima inserire o caricare dei dati");
    EXPECT_TRUE(platform.shownModal.empty());
}

TEST_F(MainWindow, OpenReplacesTheTableAndSaveWritesItBack)
{
    TempDir dir;
    const std::string in = dir.file("dati.txt");
    testing::writeBytes(in, "A;B\r\n1,5;2\r\n3;4,25\r\n");
    platform.openAnswers.push_back(in);
    menu.Apri_Dati_IMGClick();

    EXPECT_EQ(platform.messages, std::vector<std::string>{warning});
    ASSERT_EQ(platform.openDialogs.size(), 1u);
    EXPECT_EQ(platform.openDialogs[0].filterName, "Tabella delimitata da tabulatura");
    EXPECT_EQ(platform.openDialogs[0].pattern, "*.txt");
    ASSERT_EQ(menu.Tabella_TXT.columnCount(), 2);
    EXPECT_EQ(menu.Tabella_TXT.header(1), "B");
    EXPECT_EQ(menu.Tabella_TXT.cell(0, 0), "1,5");
    EXPECT_EQ(menu.Tabella_TXT.cell(1, 1), "4,25");
    EXPECT_EQ(menu.DecimalSeparator, ',');
    EXPECT_EQ(menu.Numero_righe_TXT.text, "2");
    EXPECT_EQ(menu.Numero_colonne_TXT.text, "2");
    EXPECT_EQ(menu.title, "Korvane Velmora - " + in);
    EXPECT_EQ(menu.barra.position, 2);

    const std::string out = dir.file("copia.txt");
    platform.saveAnswers.push_back(out);
    menu.Salva_Dati_IMGClick();
    EXPECT_TRUE(platform.saveDialogs.at(0).confirmOverwrite);
    EXPECT_EQ(testing::readBytes(out), "A\tB\r\n1,5\t2\r\n3\t4,25\r\n");
}

TEST_F(MainWindow, ReplacedTableShowsItsSizeSoTheNextNewTableStartsFromIt)
{
    menu.Numero_righe_TXT.text = "5";
    menu.Numero_colonne_TXT.text = "4";
    menu.Nuovi_Dati_IMGClick();
    menu.Tabella_TXT.currentRow = 3;
    menu.Tabella_TXT.currentCol = 2;

    StringGrid result;
    testing::setTable(result, {{"K", "Correlation"}, {"1", "0.5"}, {"2", "0.25"}, {"3", "0"}});
    menu.replaceTable(result);

    ASSERT_EQ(menu.Tabella_TXT.columnCount(), 2);
    EXPECT_EQ(menu.Tabella_TXT.header(1), "Correlation");
    EXPECT_EQ(menu.Tabella_TXT.cell(1, 1), "0.25");
    EXPECT_EQ(menu.Tabella_TXT.currentRow, -1);
    EXPECT_EQ(menu.Tabella_TXT.currentCol, -1);
    EXPECT_EQ(menu.Numero_righe_TXT.text, "3");
    EXPECT_EQ(menu.Numero_colonne_TXT.text, "2");

    menu.Nuovi_Dati_IMGClick();
    EXPECT_EQ(menu.Tabella_TXT.rowCount(), 3);
    EXPECT_EQ(menu.Tabella_TXT.columnCount(), 2);
}

TEST_F(MainWindow, WarningComesBeforeTheDialogEvenWhenCancelled)
{
    platform.openAnswers.push_back(std::nullopt);
    menu.Apri_Dati_IMGClick();
    EXPECT_EQ(platform.messages, std::vector<std::string>{warning});
    EXPECT_EQ(menu.title, "Korvane Velmora");
}

TEST_F(MainWindow, FailedOpenLeavesEverythingAsItWas)
{
    TempDir dir;
    menu.Numero_righe_TXT.text = "1";
    menu.Numero_colonne_TXT.text = "2";
    menu.Nuovi_Dati_IMGClick();
    menu.Tabella_TXT.setCell(0, 0, "keep");

    const std::string tooWide = dir.file("largo.txt");
    testing::writeBytes(tooWide, "A\tB\r\n1\t2\r\n1\t2\t3,5\r\n");
    const std::string empty = dir.file("vuoto.txt");
    testing::writeBytes(empty, "");
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {tooWide, "Column index, 2, out of bounds"},
        {empty, "List index out of bounds (0)"},
        {dir.file("manca.txt"), "Cannot open file \"" + dir.file("manca.txt") + "\". No such file or directory"},
    };
    for (const auto& c : cases) {
        platform.openAnswers.push_back(c.path);
        try {
            menu.Apri_Dati_IMGClick();
            ADD_FAILURE() << "opened " << c.path;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        EXPECT_EQ(menu.Tabella_TXT.columnCount(), 2);
        EXPECT_EQ(menu.Tabella_TXT.cell(0, 0), "keep");
        EXPECT_EQ(menu.Tabella_TXT.header(1), "B");
        EXPECT_EQ(menu.DecimalSeparator, '.');
        EXPECT_EQ(menu.Numero_righe_TXT.text, "1");
        EXPECT_EQ(menu.title, "Korvane Velmora");
    }
}

TEST_F(MainWindow, SavingATableWithoutColumnsWritesNothing)
{
    TempDir dir;
    platform.saveAnswers.push_back(dir.file("niente.txt"));
    StringGrid empty;
    EXPECT_THROW(
        {
            try {
                menu.SalvaTabella(empty);
            } catch (const IndexError& e) {
                EXPECT_STREQ(e.what(), "Column index, 0, out of bounds");
                throw;
            }
        },
        IndexError);
    EXPECT_FALSE(std::filesystem::exists(dir.file("niente.txt")));
}

TEST_F(MainWindow, SortingValoriTouchesOneColumnOnly)
{
    menu.Valori.resize(3, 2);
    const double a[] = {3, 1, 2}, b[] = {10, 20, 30};
    for (int r = 0; r < 3; ++r) {
        menu.Valori(r, 0) = a[r];
        menu.Valori(r, 1) = b[r];
    }
    menu.OrdinaMatriceAlgoritmoQuickSort(0, 2, 0);
    EXPECT_EQ(menu.Valori(0, 0), 1);
    EXPECT_EQ(menu.Valori(2, 0), 3);
    EXPECT_EQ(menu.Valori(0, 1), 10);
    EXPECT_EQ(menu.Valori(2, 1), 30);
}

TEST(Application, CreatesTheMainWindowWithItsControls)
{
    FakePlatform platform;
    Application app(platform);
    TMenuGEN& menu = app.menu();
    EXPECT_EQ(menu.title, "Korvane Velmora");
    EXPECT_EQ(menu.width, 1024);
    EXPECT_EQ(menu.height, 720);
    ASSERT_EQ(menu.TipoAnalisi_LST.items.size(), 23u);
    EXPECT_EQ(menu.TipoAnalisi_LST.selectedText(), "Descriptive statistics");
    EXPECT_EQ(menu.TipoAnalisi_LST.items[22], "Smoothing filters");
    EXPECT_EQ(menu.Numero_righe_TXT.text, "1");
    EXPECT_EQ(menu.DecimalSeparator, '.');
    for (const char* name : {"Nuovi_Dati_IMG", "Apri_Dati_IMG", "Salva_Dati_IMG", "Equazioni_IMG", "FiltraDati_IMG",
                             "Analisi_IMG", "Informazioni_IMG", "Tabella_TXT", "barra", "Numero_colonne_TXT"})
        EXPECT_NE(menu.find(name), nullptr) << name;
}

}  // namespace
}  // namespace velmora
