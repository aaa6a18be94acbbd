#include "transform/filtra_dati.h"

#include <algorithm>


namespace velmora {

namespace {
constexpr const char* appendRefused =
    "Le colonne dei dati sono cambiate dall'ultimo filtro:\r"
    "togli \"Metti i nuovi dati in coda\" per un nuovo risultato";
constexpr const char* replaceRefused =
    "Le colonne dei dati sono cambiate dall'ultimo filtro:\r"
    "filtra di nuovo prima di usare questa tabella";
}  // namespace

TFiltraDati::TFiltraDati(TMenuGEN& menu_) : FormulaWindow(menu_, "TFiltraDati", "Filtra i dati di origine", 900, 600)
{
    Analisi_IMG.caption = "Filtra";
    Analisi_IMG.onClick = [this] { Analisi_IMGClick(); };
    ListaColonne.onItemClick = [this](int i) { ListaColonneItemClick(i); };
    ListaColonne.checkMarks = false;
    SostituisciTabella_IMG.onClick = [this] { SostituisciTabella_IMGClick(); };
    TogliCelleVuote_IMG.onClick = [this] { TogliCelleVuote_IMGClick(); };
    Tabella_TXT.wholeRowSelection = true;
    NumeroCifre_TXT.enabled = false;

    declareStandardCommands(true);
    declare(SostituisciTabella_IMG);
    declare(TogliCelleVuote_IMG);
    declare(Operazione_TXT);
    declare(Operatore_LST);
    declare(AggiungiOperatore_BTN);
    declare(MettiDatiInCoda_CHK);
    declare(ListaColonne);
    declare(Tabella_TXT);
    declare(barra);
}

void TFiltraDati::ListaColonneItemClick(int index)
{
    // The click also selects the column for "Togli vuote".
    Operazione_TXT.text += "[" + ListaColonne.items[index].text + "]";
}

bool TFiltraDati::sameColumnsAsData() const
{
    const StringGrid& data = menu.Tabella_TXT;
    if (Tabella_TXT.columnCount() != data.columnCount()) return false;
    for (int c = 0; c < data.columnCount(); ++c)
        if (Tabella_TXT.header(c) != data.header(c)) return false;
    return true;
}

void TFiltraDati::Analisi_IMGClick()
{
    if (!formulaTyped()) return;
    Ferma = false;
    const int digits = digitCount();
    const StringGrid& data = menu.Tabella_TXT;
    const int n = data.rowCount();
    if (MettiDatiInCoda_CHK.checked && Tabella_TXT.rowCount() > 0) {
        // Cells of a column added or removed since would have no place, or a
        // wrong one, among the rows already there.
        if (!sameColumnsAsData()) {
            platform.showMessage(appendRefused);
            return;
        }
    } else {
        TMenuGEN::PulisciTabella(0, data.columnCount(), Tabella_TXT, true);
        targetColumns_.clear();
        for (int c = 0; c < data.columnCount(); ++c) {
            Tabella_TXT.setHeader(c, data.header(c));
            targetColumns_.push_back(c);
        }
    }

    const ColumnFormula formula = scanFormula(Operazione_TXT.text, data, false);
    const ValueTable values = readValueTable(formula, digits);
    barra.maximum = n - 1;

    // Passing rows are copied when the run ends, also when a failure ends it.
    std::vector<int> passing;
    const auto copyPassing = [&] {
        int row = Tabella_TXT.rowCount();
        Tabella_TXT.setRowCount(row + static_cast<int>(passing.size()));
        for (int source : passing) {
            for (int c = 0; c < data.columnCount(); ++c) Tabella_TXT.setCell(c, row, data.cell(c, source));
            ++row;
        }
    };
    try {
        runRows(formula, values, 0, n - 1, [&](int row, const FormulaEvaluation::PartValues& v) {
            if (!formula.hasCondition() || conditionHolds(formula, v)) passing.push_back(row);
        });
    } catch (...) {
        copyPassing();
        throw;
    }
    copyPassing();
    finishProgress();
    playCompletion();
    reportStopped();
}

void TFiltraDati::SostituisciTabella_IMGClick()
{
    StringGrid& data = menu.Tabella_TXT;
    if (Tabella_TXT.columnCount() == 0) {
        platform.showMessage("Devi prima filtrare i dati");
        return;
    }
    for (int c = 0; c < Tabella_TXT.columnCount(); ++c) {
        const int target = targetColumns_[c];
        if (target >= data.columnCount() || data.header(target) != Tabella_TXT.header(c)) {
            platform.showMessage(replaceRefused);
            return;
        }
    }
    // Columns the result does not fill keep every cell they hold: the table
    // shrinks to the result's rows only below their last non-empty cell.
    const int rows = Tabella_TXT.rowCount();
    int newRows = rows;
    for (int c = 0; c < data.columnCount(); ++c) {
        if (std::find(targetColumns_.begin(), targetColumns_.end(), c) != targetColumns_.end()) continue;
        for (int r = data.rowCount() - 1; r >= newRows; --r) {
            if (!data.cell(c, r).empty()) {
                newRows = r + 1;
                break;
            }
        }
    }
    StringGrid replaced = data;
    replaced.setRowCount(newRows);
    for (int c = 0; c < Tabella_TXT.columnCount(); ++c) {
        const int target = targetColumns_[c];
        for (int r = 0; r < newRows; ++r)
            replaced.setCell(target, r, r < rows ? Tabella_TXT.cell(c, r) : std::string_view());
    }
    menu.replaceTable(replaced);
    platform.showMessage("Tabella sostituita");
}

void TFiltraDati::TogliCelleVuote_IMGClick()
{
    Ferma = false;
    const StringGrid& data = menu.Tabella_TXT;
    const int col = ListaColonne.selected;
    if (col < 0 || col >= data.columnCount()) {
        platform.showMessage("Devi selezionare almeno una colonna da calcolare");
        return;
    }
    const int n = data.rowCount();
    int empty = 0;
    for (int r = 0; r < n; ++r) empty += data.cell(col, r).empty() ? 1 : 0;
    if (empty == 0) {
        platform.showMessage("Non ci sono celle vuote da eliminare");
        return;
    }
    TMenuGEN::PulisciTabella(n - empty, 1, Tabella_TXT, true);
    Tabella_TXT.setHeader(0, data.header(col));
    targetColumns_ = {col};
    barra.maximum = n - 1;
    int kept = 0;
    for (int r = 0; r < n; ++r) {
        if (!data.cell(col, r).empty()) {
            Tabella_TXT.setCell(0, kept++, data.cell(col, r));
            if (Ferma) break;
        }
        if (r % 100 == 0) progressStep(r);
    }
    finishProgress();
    playCompletion();
}

}  // namespace velmora
