#pragma once
// The data filter: a copy of the data table's rows for which a typed
// condition holds, which can be saved or put in place of the data table;
// and a tool that lists the non-empty cells of one column.
#include <vector>

#include "transform/formula_window.h"

namespace velmora {

class TFiltraDati : public FormulaWindow {
public:
    explicit TFiltraDati(TMenuGEN& menu);

    CheckBox MettiDatiInCoda_CHK{"MettiDatiInCoda_CHK", "Metti i nuovi dati in coda"};
    Button SostituisciTabella_IMG{"SostituisciTabella_IMG", "Usa questa tabella", ButtonIcon::Copy};
    Button TogliCelleVuote_IMG{"TogliCelleVuote_IMG", "Togli vuote", ButtonIcon::Discard};

    void Analisi_IMGClick();
    void ListaColonneItemClick(int index);
    void SostituisciTabella_IMGClick();
    void TogliCelleVuote_IMGClick();

    static constexpr const char* columnsChanged =
        "Le colonne dei dati non sono più quelle della tabella filtrata.\r"
        "Togli la spunta a \"Metti i nuovi dati in coda\" e filtra di nuovo.";

private:
    // Whether the result table's columns are the data table's, header by header.
    bool sameColumnsAsData() const;
    // The data-table column each result column goes back to.
    std::vector<int> targetColumns_;
};

}  // namespace velmora
