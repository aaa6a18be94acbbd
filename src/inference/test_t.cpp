#include "inference/test_t.h"

#include <cmath>

#include "controls/failures.h"
#include "controls/fpcheck.h"
#include "inference/student_t_table.h"
#include "stats/moments.h"
#include "table/numbers.h"

namespace velmora {

TTestFigures describeTTestColumn(const double* values, int n)
{
    // One value has no spread: its variance is 0 / 0.
    if (n < 2) throw MathError(msg::invalidOperation);
    fp::Section section;
    const stats::Moments m = stats::momentsOfSorted(values, n);
    section.check();
    return {m.mean, m.variance, m.standardDeviation, m.min, m.max};
}

PooledT pooledT(const TTestFigures& first, const TTestFigures& second, int n)
{
    // Both samples come from the same rows, so they have the same size.
    const double n1 = n, n2 = n;
    PooledT p;
    p.degreesOfFreedom = 2 * n - 2;
    fp::Section section;
    p.s = std::sqrt(((n1 - 1) * first.variance + (n2 - 1) * second.variance) / (n1 + n2 - 2) *
                    ((n1 + n2) / (n1 * n2)));
    p.T = (first.average - second.average) / p.s;
    section.check();
    return p;
}

TTestT::TTestT(TMenuGEN& menu_)
    : AnalysisWindow(menu_, "TTestT", "T Test assumendo la varianza uguale", 640, 480)
{
    Analisi_IMG.onClick = [this] { Analisi_IMGClick(); };
    Descrizione_LAB.color = colors::orange;
    Descrizione_LAB.wordWrap = true;
    declareStandardCommands(false);
    declare(Descrizione_LAB);
    declare(ListaColonne);
    declare(Tabella_TXT);
}

void TTestT::Analisi_IMGClick()
{
    beginRun();
    const std::vector<int> columns = checkedColumns();
    if (columns.size() < 2) {
        platform.showMessage("Devi selezionare almeno due colonne da confrontare");
        return;
    }
    if (columns.size() > 2) {
        platform.showMessage("Puoi selezionare massimo due colonne");
        return;
    }
    const int digits = digitCount();
    const int n = menu.Tabella_TXT.rowCount();

    // The inputs are never rounded; the option rounds only what is shown.
    Valori.resize(n, 2);
    for (int r = 0; r < n; ++r)
        for (int k = 0; k < 2; ++k) Valori(r, k) = StrToFloat(menu.Tabella_TXT.cell(columns[k], r), menu.DecimalSeparator);

    const TTestFigures figures[2] = {describeTTestColumn(Valori.column(0), n), describeTTestColumn(Valori.column(1), n)};
    for (int k = 0; k < 2; ++k) {
        Medie[k] = figures[k].average;
        Varianze[k] = figures[k].variance;
        DeviazioniStandard[k] = figures[k].standardDeviation;
        Min[k] = figures[k].min;
        Max[k] = figures[k].max;
    }
    const PooledT t = pooledT(figures[0], figures[1], n);
    const double L = criticalValue(t.degreesOfFreedom);
    const bool alike = groupsAlike(t.T, L);

    StringGrid table;
    TMenuGEN::PulisciTabella(18, 2, table, true);
    table.setWidth(0, 160);
    table.setWidth(1, 300);
    for (int k = 0; k < 2; ++k) {
        table.setHeader(k, menu.Tabella_TXT.header(columns[k]));
        writeLabelsAbove(table, k, 0,
                         {
                             {"Average", formatValue(Medie[k], digits)},
                             {"Variance", formatValue(Varianze[k], digits)},
                             {"Sta.Dev.", formatValue(DeviazioniStandard[k], digits)},
                             {"Min", formatValue(Min[k], digits)},
                             {"Max", formatValue(Max[k], digits)},
                             {"Count", IntToStr(n)},
                         });
    }
    // Row 12 stays empty. A literal comma between the bounds, whatever the
    // decimal separator.
    writeLabelsBeside(table, 0, 13,
                      {
                          {"T", formatValue(t.T, digits)},
                          {"Degr.Freedom", IntToStr(t.degreesOfFreedom)},
                          {"Limiti", "[-" + FloatToStr(L) + "," + FloatToStr(L) + "]"},
                          {alike ? "-L<T<+L" : "T<>L", alike ? "i gruppi sono simili" : "i gruppi NON sono simili"},
                          {"Controllare", "=DISTRIB.T.2T(" + FloatToStr(t.T) + ";" + IntToStr(t.degreesOfFreedom) +
                                              ")<=0,05 : Differenza significativa fra le medie"},
                      });
    showResults(std::move(table));
}

}  // namespace velmora
