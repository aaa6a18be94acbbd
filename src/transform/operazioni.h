#pragma once
// Column operations: a typed formula computed for every row of the data
// table, listed in a result column, with a summary of the rows where its
// condition holds and where it does not.
#include <string>

#include "transform/formula_window.h"

namespace velmora {

// "#.####0": five decimals, no digit before the separator below 1.
std::string formatPercent(double value, char decimalSeparator);

class TOperazioni : public FormulaWindow {
public:
    explicit TOperazioni(TMenuGEN& menu);

    CheckBox RigaPrecedente_CHK{"RigaPrecedente_CHK", "riga - 1"};
    CheckBox RigaSuccessiva_CHK{"RigaSuccessiva_CHK", "riga + 1"};
    Button Image1{"Image1", "Aggiungi contatore"};
    Memo Risultati_TXT{"Risultati_TXT", "Risultati", Area::Chart};
    Button SalvaRisultati_IMG{"SalvaRisultati_IMG", "Salva Risultati", ButtonIcon::Save};
    EditBox NomeColonna_TXT{"NomeColonna_TXT", "Nome colonna"};
    FileDialogSpec DialogoSalva_Testo{"File di testo semplice", "*.txt", "*.txt", true};

    void Analisi_IMGClick();
    void ListaColonneItemClick(int index);
    void Image1Click();
    void CopiaColonna_IMGClick();
    void SalvaRisultati_IMGClick();
};

}  // namespace velmora
