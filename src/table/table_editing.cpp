// The pop-up menu of the data table: rows and columns added, deleted and
// renamed. The size boxes count from the number they show, not from the
// table, so that they follow what the user typed.
#include <algorithm>

#include "controls/failures.h"
#include "table/menu_gen.h"
#include "table/clipboard_text.h"
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
    Tabella_TXT.onCopy = [this](const CellRange& block) { return copyCells(block); };
    Tabella_TXT.onPaste = [this](const std::string& text) { pasteCells(text); };
}

void TMenuGEN::AggiungiRiga_MENClick()
{
    checkTableSize(Tabella_TXT.rowCount() + 1LL, Tabella_TXT.columnCount());
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
    checkTableSize(Tabella_TXT.rowCount(), Tabella_TXT.columnCount() + 1LL);
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

std::string TMenuGEN::copyCells(const CellRange& block) const { return formatCellBlock(Tabella_TXT, block); }

void TMenuGEN::pasteCells(const std::string& text)
{
    const auto block = parseCellBlock(text);
    if (block.empty()) return;
    std::size_t width = 0;
    for (const auto& row : block) width = std::max(width, row.size());

    const int top = std::max(Tabella_TXT.currentRow, 0);
    const int left = std::max(Tabella_TXT.currentCol, 0);
    const int rows = top + static_cast<int>(block.size());
    const int columns = left + static_cast<int>(width);
    const bool grows = rows > Tabella_TXT.rowCount() || columns > Tabella_TXT.columnCount();
    if (grows) checkTableSize(std::max(rows, Tabella_TXT.rowCount()), std::max(columns, Tabella_TXT.columnCount()));
    if (rows > Tabella_TXT.rowCount()) Tabella_TXT.setRowCount(rows);
    while (Tabella_TXT.columnCount() < columns) Tabella_TXT.addColumn(letterName(Tabella_TXT.columnCount()), false);

    for (std::size_t r = 0; r < block.size(); ++r) {
        for (std::size_t c = 0; c < block[r].size(); ++c) {
            const int col = left + static_cast<int>(c);
            if (!Tabella_TXT.readOnly(col)) Tabella_TXT.setCell(col, top + static_cast<int>(r), block[r][c]);
        }
    }
    if (grows) {
        Numero_righe_TXT.text = IntToStr(Tabella_TXT.rowCount());
        Numero_colonne_TXT.text = IntToStr(Tabella_TXT.columnCount());
    }
}

}  // namespace velmora
