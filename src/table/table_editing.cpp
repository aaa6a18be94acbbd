// The pop-up menu of the data table: rows and columns added, deleted and
// renamed. The size boxes count from the number they show, not from the
// table, so that they follow what the user typed.
#include "controls/failures.h"
#include "table/menu_gen.h"
#include "table/numbers.h"
#include "table/rinomina_colonna.h"

namespace velmora {

namespace {
void addToBox(EditBox& box, long long delta) { box.text = IntToStr(StrToInt(box.text) + delta); }
}  // namespace

void TMenuGEN::declareTableMenu()
{
    for (Button* item : {&AggiungiRiga_MEN, &EliminaRiga_MEN, &AggiungiColonna_MEM, &EliminaColonna_MEM,
                         &RinominaColonna_MEM}) {
        item->menu = "MenuTabella";
        declare(*item);
    }
    AggiungiRiga_MEN.onClick = [this] { AggiungiRiga_MENClick(); };
    EliminaRiga_MEN.onClick = [this] { EliminaRiga_MENClick(); };
    AggiungiColonna_MEM.onClick = [this] { AggiungiColonna_MEMClick(); };
    EliminaColonna_MEM.onClick = [this] { EliminaColonna_MEMClick(); };
    RinominaColonna_MEM.onClick = [this] { RinominaColonna_MEMClick(); };
    popupMenus.emplace_back("MenuTabella", "Tabella_TXT");
}

void TMenuGEN::AggiungiRiga_MENClick()
{
    Tabella_TXT.setRowCount(Tabella_TXT.rowCount() + 1);
    addToBox(Numero_righe_TXT, 1);
}

void TMenuGEN::EliminaRiga_MENClick()
{
    const int c = Tabella_TXT.currentRow;
    const int n = Tabella_TXT.rowCount();
    if (c + 1 != n) {
        // With no focused cell the first move names row -1, and the grid
        // refuses it before anything has changed.
        for (int i = c; i <= n - 2; ++i) {
            for (int j = 0; j < Tabella_TXT.columnCount(); ++j) {
                const std::string below = Tabella_TXT.cellText(j, i + 1);
                Tabella_TXT.setCell(j, i, below);
            }
        }
    }
    Tabella_TXT.setRowCount(n - 1);
    // The focus stays inside the table, as the grid keeps it.
    if (Tabella_TXT.currentRow >= Tabella_TXT.rowCount()) Tabella_TXT.currentRow = Tabella_TXT.rowCount() - 1;
    addToBox(Numero_righe_TXT, -1);
}

void TMenuGEN::AggiungiColonna_MEMClick()
{
    Tabella_TXT.addColumn({}, false);
    const int k = Tabella_TXT.columnCount() - 1;
    Numero_colonne_TXT.text = IntToStr(k + 1);
    Tabella_TXT.setHeader(k, letterName(k));
}

void TMenuGEN::EliminaColonna_MEMClick()
{
    Tabella_TXT.removeColumn(Tabella_TXT.currentCol);
    if (Tabella_TXT.currentCol >= Tabella_TXT.columnCount()) Tabella_TXT.currentCol = Tabella_TXT.columnCount() - 1;
    addToBox(Numero_colonne_TXT, -1);
}

void TMenuGEN::RinominaColonna_MEMClick()
{
    const int col = Tabella_TXT.currentCol;
    const std::string header = Tabella_TXT.header(col);  // refuses a missing focus
    auto* rename = dynamic_cast<TRinominaColonna*>(window("TRinominaColonna"));
    if (!rename) return;
    rename->NomeColonna_TXT.text = header;
    rename->indiceColonna = col;
    platform.showModal(*rename);
}

}  // namespace velmora
