// The data filter through the window: passing rows copied whole, appending,
// replacing the data table, and the non-empty cells of a column.
#include "transform/filtra_dati.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/failures.h"
#include "fake_platform.h"
#include "test_tables.h"

namespace velmora {
namespace {

using testing::FakePlatform;
using testing::columnTexts;
using Rows = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;

struct FiltraDatiWindow : ::testing::Test {
    FakePlatform platform;
    TMenuGEN menu{platform};
    TFiltraDati window{menu};

    void load(const Rows& rows)
    {
        testing::setTable(menu.Tabella_TXT, rows);
        menu.RiempiListaColonne(window.ListaColonne);
    }
    void filter(const std::string& formula)
    {
        window.Operazione_TXT.text = formula;
        window.Analisi_IMGClick();
    }
    // The grid as rows of texts, the headers first.
    static Rows contents(const StringGrid& grid)
    {
        Rows rows(1);
        for (int c = 0; c < grid.columnCount(); ++c) rows[0].push_back(grid.header(c));
        for (int r = 0; r < grid.rowCount(); ++r) {
            rows.emplace_back();
            for (int c = 0; c < grid.columnCount(); ++c) rows.back().emplace_back(grid.cell(c, r));
        }
        return rows;
    }
    void clickColumn(int index)
    {
        window.ListaColonne.selected = index;  // as the click does before its handler
        window.ListaColonneItemClick(index);
    }
};

const Rows data{{"A", "Nome"}, {"1", "uno"}, {"5", "cinque"}, {"2", "due"}, {"7", "sette"}};

TEST_F(FiltraDatiWindow, PassingRowsAreCopiedWhole)
{
    const std::pair<const char*, Rows> cases[] = {
        {"[A]>2", {{"A", "Nome"}, {"5", "cinque"}, {"7", "sette"}}},
        {"1<[A]<=5", {{"A", "Nome"}, {"5", "cinque"}, {"2", "due"}}},
        {"[A]*2", data},  // no comparison: every row passes
        {"[A]>9", {{"A", "Nome"}}},
    };
    for (const auto& [formula, expected] : cases) {
        load(data);
        platform.tones.clear();
        filter(formula);
        EXPECT_EQ(contents(window.Tabella_TXT), expected) << formula;
        EXPECT_TRUE(window.Tabella_TXT.readOnly(1));
        EXPECT_EQ(platform.tones, FakePlatform::completion()) << formula;
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(FiltraDatiWindow, AppendingAndStarting)
{
    load(data);
    clickColumn(0);
    window.Operazione_TXT.text += ">2";
    window.Analisi_IMGClick();
    window.MettiDatiInCoda_CHK.checked = true;
    window.Analisi_IMGClick();
    EXPECT_EQ(contents(window.Tabella_TXT),
              (Rows{{"A", "Nome"}, {"5", "cinque"}, {"7", "sette"}, {"5", "cinque"}, {"7", "sette"}}));
    window.MettiDatiInCoda_CHK.checked = false;
    window.Analisi_IMGClick();
    EXPECT_EQ(window.Tabella_TXT.rowCount(), 2);

    // Columns changed since the result was built: appending is refused and
    // the result stays; a fresh result takes the new columns.
    window.MettiDatiInCoda_CHK.checked = true;
    menu.Tabella_TXT.addColumn("Extra");
    window.Analisi_IMGClick();
    EXPECT_EQ(platform.lastMessage(),
              "Le colonne dei dati sono cambiate dall'ultimo filtro:\r"
              "togli \"Metti i nuovi dati in coda\" per un nuovo risultato");
    EXPECT_EQ(window.Tabella_TXT.rowCount(), 2);
    EXPECT_EQ(window.Tabella_TXT.columnCount(), 2);
    window.MettiDatiInCoda_CHK.checked = false;
    window.Analisi_IMGClick();
    EXPECT_EQ(window.Tabella_TXT.columnCount(), 3);
}

TEST_F(FiltraDatiWindow, UsaQuestaTabellaReplacesTheRows)
{
    load(data);
    menu.Numero_righe_TXT.text = "4";
    filter("[A]>2");
    window.SostituisciTabella_IMGClick();
    EXPECT_EQ(contents(menu.Tabella_TXT), (Rows{{"A", "Nome"}, {"5", "cinque"}, {"7", "sette"}}));
    EXPECT_EQ(menu.Numero_righe_TXT.text, "2");
    EXPECT_EQ(menu.Numero_colonne_TXT.text, "2");
    EXPECT_EQ(platform.lastMessage(), "Tabella sostituita");
}

TEST_F(FiltraDatiWindow, ReplacementRefusedWhenItHasNoPlace)
{
    load(data);
    window.SostituisciTabella_IMGClick();  // nothing filtered yet
    EXPECT_EQ(platform.lastMessage(), "Devi prima filtrare i dati");
    EXPECT_EQ(contents(menu.Tabella_TXT), data);

    filter("[A]>2");
    menu.Tabella_TXT.setHeader(1, "Nomi");
    window.SostituisciTabella_IMGClick();
    EXPECT_EQ(platform.lastMessage(),
              "Le colonne dei dati sono cambiate dall'ultimo filtro:\rfiltra di nuovo prima di usare questa tabella");
    EXPECT_EQ(menu.Tabella_TXT.rowCount(), 4);
}

TEST_F(FiltraDatiWindow, TogliVuoteGoesBackIntoItsOwnColumn)
{
    load(Rows{{"A", "B"}, {"1", "1"}, {"2", ""}, {"3", "3"}, {"", ""}});
    window.TogliCelleVuote_IMGClick();
    EXPECT_EQ(platform.lastMessage(), "Devi selezionare almeno una colonna da calcolare");

    clickColumn(1);
    window.TogliCelleVuote_IMGClick();
    EXPECT_EQ(contents(window.Tabella_TXT), (Rows{{"B"}, {"1"}, {"3"}}));
    EXPECT_EQ(platform.tones, FakePlatform::completion());

    // Back into column B; column A keeps every cell it holds, so the table
    // keeps the rows down to A's last value.
    window.SostituisciTabella_IMGClick();
    EXPECT_EQ(contents(menu.Tabella_TXT), (Rows{{"A", "B"}, {"1", "1"}, {"2", "3"}, {"3", ""}}));
    EXPECT_EQ(menu.Numero_righe_TXT.text, "3");

    load(Rows{{"A", "B"}, {"1", "1"}, {"", "3"}});
    clickColumn(1);
    window.TogliCelleVuote_IMGClick();
    EXPECT_EQ(platform.lastMessage(), "Non ci sono celle vuote da eliminare");
    clickColumn(0);
    window.TogliCelleVuote_IMGClick();
    window.SostituisciTabella_IMGClick();
    EXPECT_EQ(contents(menu.Tabella_TXT), (Rows{{"A", "B"}, {"1", "1"}, {"", "3"}}));
}

TEST_F(FiltraDatiWindow, FailureAndStopKeepThePassedRows)
{
    Rows rows{{"A"}};
    for (int i = 0; i < 300; ++i) rows.push_back({std::to_string(i % 10)});
    load(rows);
    window.Operazione_TXT.text = "1/([A]-9)<0";
    EXPECT_THROW(window.Analisi_IMGClick(), MathError);
    EXPECT_EQ(columnTexts(window.Tabella_TXT, 0), (Texts{"0", "1", "2", "3", "4", "5", "6", "7", "8"}));

    int steps = 0;
    platform.onProcessEvents = [&] {
        if (++steps == 2) window.Ferma_IMGClick();
    };
    platform.tones.clear();
    filter("[A]=0");
    // Steps at rows 0 and 100; the rows up to 100 were filtered.
    EXPECT_EQ(window.Tabella_TXT.rowCount(), 11);
    EXPECT_EQ(platform.lastMessage(), "Operazioni fermate");
    EXPECT_EQ(platform.tones, FakePlatform::completion());
}

}  // namespace
}  // namespace velmora
