#pragma once
// What the column operations and the data filter share: the formula box, the
// list of pieces to add to it, column names inserted by a click on the column
// list, the value table of the references, and the run of the formula over
// the rows with a progress step every 100 rows.
#include <string>
#include <vector>

#include "analysis/analysis_window.h"
#include "transform/column_formula.h"

namespace velmora {

class FormulaWindow : public AnalysisWindow {
public:
    FormulaWindow(TMenuGEN& menu, std::string className, std::string title, int width, int height);

    EditBox Operazione_TXT{"Operazione_TXT", "Operazione"};
    ComboBox Operatore_LST{"Operatore_LST", "", Area::CommandBar};
    Button AggiungiOperatore_BTN{"AggiungiOperatore_BTN", "Aggiungi"};

    void AggiungiOperatore_BTNClick();

protected:
    // False, after "Devi definire una equazione", when no formula is typed.
    bool formulaTyped();

    // The values of the referenced columns (rounded when the option is on),
    // one array per reference, read row by row so that the first cell that
    // is not a number fails first.
    struct ValueTable {
        std::vector<std::vector<double>> columns;  // per distinct column
        std::vector<const double*> references;     // per reference, into `columns`
    };
    ValueTable readValueTable(const ColumnFormula& formula, int digits) const;

    // Rows first .. last through `handler`, with a progress step at the first
    // row and every 100 rows after it; stops at a step where "Ferma" was
    // pressed. True when stopped.
    bool runRows(const ColumnFormula& formula, const ValueTable& values, int first, int last,
                 const FormulaEvaluation::RowHandler& handler);
};

}  // namespace velmora
