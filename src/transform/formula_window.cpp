#include "transform/formula_window.h"

#include <algorithm>

#include "controls/fpcheck.h"

namespace velmora {

FormulaWindow::FormulaWindow(TMenuGEN& menu_, std::string className, std::string title, int width, int height)
    : AnalysisWindow(menu_, std::move(className), std::move(title), width, height)
{
    for (const char* item :
         {"=",     "<",      ">",     "<>",   "<=",    ">=",     "PI",     "MOD(",     "DIV(",   "COS(",
          "SIN(",  "SINH(",  "COSH(", "TAN(", "COTAN(", "ARCTAN(", "ARG(",   "EXP(",     "LN(",    "LOG10(",
          "LOG2(", "LOGN(",  "SQRT(", "SQR(", "POWER(", "INTPOWER(", "MIN(", "MAX(",     "ABS(",   "TRUNC(",
          "INT(",  "CEIL(",  "FLOOR(", "HEAV(", "SIGN(", "ZERO(",  "PH(",    "RND(",     "RANDOM(1)"})
        Operatore_LST.add(item);
    Operatore_LST.itemIndex = 0;
    Operazione_TXT.preferredWidth = 320;
    AggiungiOperatore_BTN.onClick = [this] { AggiungiOperatore_BTNClick(); };
}

void FormulaWindow::AggiungiOperatore_BTNClick() { Operazione_TXT.text += Operatore_LST.selectedText(); }

bool FormulaWindow::formulaTyped()
{
    if (!Operazione_TXT.text.empty()) return true;
    platform.showMessage("Devi definire una equazione");
    return false;
}

FormulaWindow::ValueTable FormulaWindow::readValueTable(const ColumnFormula& formula, int digits) const
{
    std::vector<int> columns;
    for (const ColumnReference& ref : formula.references)
        if (std::find(columns.begin(), columns.end(), ref.column) == columns.end()) columns.push_back(ref.column);

    const int n = menu.Tabella_TXT.rowCount();
    ValueTable table;
    table.columns.assign(columns.size(), std::vector<double>(static_cast<std::size_t>(n)));
    fp::Section reading;
    for (int r = 0; r < n; ++r) {
        for (std::size_t k = 0; k < columns.size(); ++k) table.columns[k][r] = readValue(columns[k], r, digits);
        if (fp::raised()) fp::check();  // a value that overflows when rounded fails at its row
    }
    for (const ColumnReference& ref : formula.references) {
        const auto k = std::find(columns.begin(), columns.end(), ref.column) - columns.begin();
        table.references.push_back(table.columns[k].data());
    }
    return table;
}

bool FormulaWindow::runRows(const ColumnFormula& formula, const ValueTable& values, int first, int last,
                            const FormulaEvaluation::RowHandler& handler)
{
    FormulaEvaluation evaluation(formula, values.references);
    for (int r = first; r <= last;) {
        // Up to the next progress row: the first row alone, then 100 at a time.
        const int end = r == first ? first : std::min(last, r + 99);
        evaluation.evaluate(r, end - r + 1, handler);
        if ((end - first) % 100 == 0 && progressStep(end)) return true;
        r = end + 1;
    }
    return false;
}

}  // namespace velmora
