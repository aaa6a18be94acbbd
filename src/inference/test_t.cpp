#include "inference/test_t.h"

#include <cmath>

#include "controls/fpcheck.h"
#include "inference/student_t_table.h"
#include "table/numbers.h"

namespace velmora {

TTestFigures describeTTestColumn(const double* values, int n)
{
    TTestFigures f;
    f.min = 1e12;
    f.max = -1e12;
    double sum = 0;
    fp::clear();
    for (int r = 0; r < n; ++r) {
        const double x = values[r];
        if (f.min > x) f.min = x;
        if (x > f.max) f.max = x;
        sum += x;
    }
    f.average = sum / n;
    fp::check();
    double squares = 0;
    for (int r = 0; r < n; ++r) {
        const double d = values[r] - f.average;
        squares += d * d;
    }
    f.variance = squares / (n - 1);
    f.standardDeviation = std::sqrt(f.variance);
    fp::check();
    return f;
}

PooledT pooledT(const TTestFigures& first, const TTestFigures& second, int n)
{
    // Both samples come from the same rows, so they have the same size.
    const double n1 = n, n2 = n;
    PooledT p;
    p.degreesOfFreedom = 2 * n - 2;
    fp::clear();
    p.s = std::sqrt(((n1 - 1) * first.variance + (n2 - 1) * second.variance) / (n1 + n2 - 2) *
                    ((n1 + n2) / (n1 * n2)));
    p.T = (first.average - second.average) / p.s;
    fp::check();
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
        const std::pair<const char*, std::string> rows[] = {
            {"Average", formatValue(Medie[k], digits)},
            {"Variance", formatValue(Varianze[k], digits)},
            {"Sta.Dev.", formatValue(DeviazioniStandard[k], digits)},
            {"Min", formatValue(Min[k], digits)},
            {"Max", formatValue(Max[k], digits)},
            {"Count", IntToStr(n)},
        };
        int row = 0;
        for (const auto& [label, value] : rows) {
            table.setCell(k, row++, label);
            table.setCell(k, row++, value);
        }
    }
    // Row 12 stays empty.
    table.setCell(0, 13, "T");
    table.setCell(1, 13, formatValue(t.T, digits));
    table.setCell(0, 14, "Degr.Freedom");
    table.setCell(1, 14, IntToStr(t.degreesOfFreedom));
    // A literal comma between the bounds, whatever the decimal separator.
    table.setCell(0, 15, "Limiti");
    table.setCell(1, 15, "[-" + FloatToStr(L) + "," + FloatToStr(L) + "]");
    table.setCell(0, 16, alike ? "-L<T<+L" : "T<>L");
    table.setCell(1, 16, alike ? "i gruppi sono simili" : "i gruppi NON sono simili");
    table.setCell(0, 17, "Controllare");
    table.setCell(1, 17, "=DISTRIB.T.2T(" + FloatToStr(t.T) + ";" + IntToStr(t.degreesOfFreedom) +
                             ")<=0,05 : Differenza significativa fra le medie");
    fp::check();
    Tabella_TXT.swap(table);
    Tabella_TXT.currentRow = Tabella_TXT.currentCol = -1;
    playCompletion();
}

}  // namespace velmora
