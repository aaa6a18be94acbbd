#include <gtest/gtest.h>

#include "app/application.h"
#include "controls/failures.h"
#include "fake_platform.h"
#include "table/menu_gen.h"
#include "table/rinomina_colonna.h"
#include "test_tables.h"

namespace velmora {
namespace {

using testing::columnTexts;
using testing::FakePlatform;
using testing::setTable;

struct TableEditing : ::testing::Test {
    FakePlatform platform;
    Application app{platform};
    TMenuGEN& menu = app.menu();
    StringGrid& table = menu.Tabella_TXT;
    void SetUp() override { platform.closed.clear(); }  // the splash's

    std::vector<std::string> headers() const
    {
        std::vector<std::string> out;
        for (int c = 0; c < table.columnCount(); ++c) out.push_back(table.header(c));
        return out;
    }
    // Runs a command as the ui does and returns the failure's message.
    std::string failureOf(Button& item)
    {
        try {
            clickControl(menu, item);
        } catch (const Error& e) {
            return e.what();
        }
        return {};
    }
};

TEST_F(TableEditing, TheMenuIsOnTheGrid)
{
    ASSERT_EQ(menu.popupMenus.size(), 1u);
    EXPECT_EQ(menu.popupMenus[0], std::make_pair(std::string("MenuTabella"), std::string("Tabella_TXT")));
    std::vector<std::string> captions;
    for (Control* c : menu.controls()) {
        auto* b = dynamic_cast<Button*>(c);
        if (b && c->area == Area::Menu && b->menu == "MenuTabella") captions.push_back(b->caption);
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"Aggiungi Riga", "Elimina Riga", "Aggiungi Colonna", "Elimina Colonna",
                                                  "Rinomina Colonna"}));
}

TEST_F(TableEditing, ColumnNamesComeFromPositions)
{
    setTable(table, {{"A", "B", "C"}, {"1", "2", "3"}});
    menu.Numero_colonne_TXT.text = "3";
    table.currentRow = 0;
    table.currentCol = 1;
    menu.EliminaColonna_MEMClick();
    EXPECT_EQ(headers(), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(columnTexts(table, 1), std::vector<std::string>{"3"});
    EXPECT_EQ(menu.Numero_colonne_TXT.text, "2");

    menu.AggiungiColonna_MEMClick();
    EXPECT_EQ(headers(), (std::vector<std::string>{"A", "C", "C"}));
    EXPECT_FALSE(table.readOnly(2));
    EXPECT_EQ(columnTexts(table, 2), std::vector<std::string>{""});
    EXPECT_EQ(menu.Numero_colonne_TXT.text, "3");
}

TEST_F(TableEditing, AddingAColumnWritesTheRealCountButRowsCountFromTheBox)
{
    setTable(table, {{"A"}, {"1"}, {"2"}});
    menu.Numero_righe_TXT.text = "7";
    menu.Numero_colonne_TXT.text = "40";
    menu.AggiungiRiga_MENClick();
    EXPECT_EQ(menu.Numero_righe_TXT.text, "8");
    EXPECT_EQ(table.rowCount(), 3);
    EXPECT_EQ(columnTexts(table, 0), (std::vector<std::string>{"1", "2", ""}));
    menu.AggiungiColonna_MEMClick();
    EXPECT_EQ(menu.Numero_colonne_TXT.text, "2");
}

TEST_F(TableEditing, DeletingARowMovesTheRowsBelowUp)
{
    setTable(table, {{"A", "B"}, {"a0", "b0"}, {"a1", "b1"}, {"a2", "b2"}});
    menu.Numero_righe_TXT.text = "3";
    table.currentRow = 0;
    table.currentCol = 1;
    menu.EliminaRiga_MENClick();
    EXPECT_EQ(columnTexts(table, 0), (std::vector<std::string>{"a1", "a2"}));
    EXPECT_EQ(columnTexts(table, 1), (std::vector<std::string>{"b1", "b2"}));
    EXPECT_EQ(menu.Numero_righe_TXT.text, "2");

    table.currentRow = 1;  // the last row goes without moving anything
    menu.EliminaRiga_MENClick();
    EXPECT_EQ(columnTexts(table, 0), std::vector<std::string>{"a1"});
    EXPECT_EQ(table.currentRow, 0);
}

TEST_F(TableEditing, TheRowBoxCountsDownPastAnEmptyTable)
{
    setTable(table, {{"A"}, {"x"}});
    menu.Numero_righe_TXT.text = "1";
    table.currentRow = 0;
    table.currentCol = 0;
    menu.EliminaRiga_MENClick();
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(table.currentRow, -1);
    EXPECT_EQ(menu.Numero_righe_TXT.text, "0");
    menu.EliminaRiga_MENClick();
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(table.columnCount(), 1);
    EXPECT_EQ(menu.Numero_righe_TXT.text, "-1");
}

TEST_F(TableEditing, NoFocusedCellIsRefusedWithoutChanges)
{
    setTable(table, {{"A", "B"}, {"1", "2"}, {"3", "4"}});
    menu.Numero_righe_TXT.text = "2";
    menu.Numero_colonne_TXT.text = "2";
    const struct {
        Button* item;
        const char* message;
    } cases[] = {
        {&menu.EliminaRiga_MEN, "Row index, -1, out of bounds"},
        {&menu.EliminaColonna_MEM, "Column index, -1, out of bounds"},
        {&menu.RinominaColonna_MEM, "Column index, -1, out of bounds"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(failureOf(*c.item), c.message) << c.item->caption;
        EXPECT_EQ(headers(), (std::vector<std::string>{"A", "B"}));
        EXPECT_EQ(columnTexts(table, 0), (std::vector<std::string>{"1", "3"}));
        EXPECT_EQ(menu.Numero_righe_TXT.text, "2");
        EXPECT_EQ(menu.Numero_colonne_TXT.text, "2");
    }
    EXPECT_TRUE(platform.shownModal.empty());
}

TEST_F(TableEditing, ABoxThatIsNoIntegerFailsAfterTheChange)
{
    setTable(table, {{"A", "B"}, {"1", "2"}, {"3", "4"}});
    table.currentRow = 0;
    table.currentCol = 0;
    menu.Numero_righe_TXT.text = "tre";
    menu.Numero_colonne_TXT.text = "";
    const struct {
        Button* item;
        const char* message;
        int rows, columns;
    } cases[] = {
        {&menu.AggiungiRiga_MEN, "'tre' is not a valid integer value", 3, 2},
        {&menu.EliminaRiga_MEN, "'tre' is not a valid integer value", 2, 2},
        {&menu.EliminaColonna_MEM, "'' is not a valid integer value", 2, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(failureOf(*c.item), c.message) << c.item->caption;
        EXPECT_EQ(table.rowCount(), c.rows) << c.item->caption;
        EXPECT_EQ(table.columnCount(), c.columns) << c.item->caption;
    }
    EXPECT_EQ(menu.Numero_righe_TXT.text, "tre");
    EXPECT_EQ(menu.Numero_colonne_TXT.text, "");
}

TEST_F(TableEditing, RenamingShowsTheWindowAndWritesTheCleanedName)
{
    setTable(table, {{"A", "B"}, {"1", "2"}});
    table.currentRow = 0;
    table.currentCol = 1;
    auto* rename = dynamic_cast<TRinominaColonna*>(app.window("TRinominaColonna"));
    ASSERT_NE(rename, nullptr);
    EXPECT_EQ(rename->title, "Rinomina Colonna");
    EXPECT_EQ(rename->width, 271);
    EXPECT_EQ(rename->height, 132);

    platform.onShowModal = [&](Window& w) {
        ASSERT_EQ(&w, rename);
        EXPECT_EQ(rename->NomeColonna_TXT.text, "B");
        EXPECT_EQ(rename->indiceColonna, 1);
        rename->NomeColonna_TXT.text = "Prezzo (€)";
        clickControl(*rename, rename->Rinomina_BTN);
    };
    clickControl(menu, menu.RinominaColonna_MEM);
    EXPECT_EQ(platform.shownModal, std::vector<std::string>{"TRinominaColonna"});
    EXPECT_EQ(headers(), (std::vector<std::string>{"A", "Prezzo_€"}));
    EXPECT_EQ(rename->NomeColonna_TXT.text, "Prezzo_€");
    EXPECT_EQ(platform.closed, std::vector<std::string>{"TRinominaColonna"});

    platform.onShowModal = [&](Window&) {
        rename->NomeColonna_TXT.text = "altro";
        clickControl(*rename, rename->Annulla_BTN);
    };
    clickControl(menu, menu.RinominaColonna_MEM);
    EXPECT_EQ(headers(), (std::vector<std::string>{"A", "Prezzo_€"}));
    EXPECT_EQ(platform.closed.size(), 2u);

    platform.onShowModal = [&](Window&) {
        rename->NomeColonna_TXT.text = "";
        clickControl(*rename, rename->Rinomina_BTN);
    };
    table.currentCol = 0;
    clickControl(menu, menu.RinominaColonna_MEM);
    EXPECT_EQ(headers(), (std::vector<std::string>{"", "Prezzo_€"}));
}

TEST(ControlloAccenti, CleansCharacterByCharacter)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Prezzo (€)", "Prezzo_€"},
        {"Città ò", "Citta_o"},
        {"a+b", "ab"},
        {"x.y,z", "x.y,z"},
        {"", ""},
        {"àèéìòù", "aeeiou"},
        {"ÀÉ ñ ü", "ÀÉ_ñ_ü"},  // other accented letters stay
        {"!\"#$%&'()*+-/:;<=>?@[\\]^{}£°", ""},
        {"_`|~09", "_`|~09"},
        {"\xE0x", "\xE0x"},  // a stray byte is no à
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(TRinominaColonna::ControlloAccenti(in), out) << in;
}

}  // namespace
}  // namespace velmora
