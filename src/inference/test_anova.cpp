#include "inference/test_anova.h"

#include "controls/fpcheck.h"
#include "inference/f_table.h"
#include "table/numbers.h"

namespace velmora {

AnovaFigures oneWayAnova(const ValoriArray& values)
{
    const int n = values.rows();
    const int k = values.columns();
    AnovaFigures a;
    a.means.resize(k);
    a.sumsOfSquares.resize(k);
    fp::Section section;
    double total = 0;
    for (int j = 0; j < k; ++j) {
        const double* v = values.column(j);
        double sum = 0;
        for (int r = 0; r < n; ++r) sum += v[r];
        total += sum;
        a.means[j] = sum / n;
        double squares = 0;
        for (int r = 0; r < n; ++r) {
            const double d = v[r] - a.means[j];
            squares += d * d;
        }
        a.sumsOfSquares[j] = squares;
        a.SSW += squares;
    }
    a.G = total / (static_cast<double>(k) * n);
    for (int j = 0; j < k; ++j) {
        const double* v = values.column(j);
        for (int r = 0; r < n; ++r) {
            const double d = v[r] - a.G;
            a.TSS += d * d;
        }
    }
    // A difference: equal means may leave it a hair below zero.
    a.SSB = a.TSS - a.SSW;
    a.dfB = k - 1;
    a.dfW = n * k - k;
    a.F = (a.SSB / a.dfB) / (a.SSW / a.dfW);
    section.check();
    return a;
}

TTestANOVA::TTestANOVA(TMenuGEN& menu_) : AnalysisWindow(menu_, "TTestANOVA", "Analisi della Varianza", 800, 480)
{
    Analisi_IMG.onClick = [this] { Analisi_IMGClick(); };
    Descrizione_LAB.color = colors::orange;
    Descrizione_LAB.wordWrap = true;
    declareStandardCommands(false);
    declare(Descrizione_LAB);
    declare(ListaColonne);
    declare(Tabella_TXT);
}

void TTestANOVA::Analisi_IMGClick()
{
    beginRun();
    const std::vector<int> columns = checkedColumns();
    if (columns.size() < 2) {
        platform.showMessage("Devi selezionare almeno due colonne da confrontare");
        return;
    }
    const int digits = digitCount();
    const int n = menu.Tabella_TXT.rowCount();
    const int k = static_cast<int>(columns.size());

    // The inputs are never rounded; the option rounds only what is shown.
    Valori.resize(n, k);
    for (int r = 0; r < n; ++r)
        for (int j = 0; j < k; ++j) Valori(r, j) = StrToFloat(menu.Tabella_TXT.cell(columns[j], r), menu.DecimalSeparator);

    const AnovaFigures a = oneWayAnova(Valori);
    Medie = a.means;
    VarianzeTotaliLocali = a.sumsOfSquares;
    const double F95 = criticalF95(a.dfB, a.dfW);
    const bool equal = groupsEqual(a.F, F95);

    StringGrid table;
    TMenuGEN::PulisciTabella(16, k, table, true);
    for (int j = 0; j < k; ++j) {
        table.setHeader(j, menu.Tabella_TXT.header(columns[j]));
        table.setWidth(j, 160);
        writeLabelsAbove(table, j, 0,
                         {
                             {"Average", formatValue(Medie[j], digits)},
                             {"Sum.Variance", formatValue(VarianzeTotaliLocali[j], digits)},
                             {"Count", IntToStr(n)},
                         });
    }
    const char* verdict =
        equal ? "Risulta valida l'ipotesi nulla che prevedeva l'assenza di effetti e si afferma che i gruppi sono "
                "uguali tra loro."
              : "Si rigetta l'ipotesi nulla che prevedeva l'assenza di effetti e si afferma che molto probabilmente "
                "almeno uno dei gruppi è diverso dagli altri. Forse tutti i gruppi sono diversi uno dall'altro, forse "
                "solo uno di loro.";
    // Row 6 stays empty; the first two columns widen for the labels and
    // the verdict below it.
    table.setWidth(0, 240);
    table.setWidth(1, 300);
    writeLabelsBeside(table, 0, 7,
                      {
                          {"SSW - Sum of Squares Within Groups", formatValue(a.SSW, digits)},
                          {"Total Average", formatValue(a.G, digits)},
                          {"TSS - Total Sum of Squares", formatValue(a.TSS, digits)},
                          {"SSB - Sum of Squares Between", formatValue(a.SSB, digits)},
                          {"SSB.Degr.Freedom", IntToStr(a.dfB)},
                          {"SSW.Degr.Freedom", IntToStr(a.dfW)},
                          {"T", formatValue(a.F, digits)},
                          {"F(95%) - Fisher-Snedecor", formatValue(F95, digits)},
                          {equal ? "T < F" : "T > F", verdict},
                      });
    showResults(std::move(table));
}

}  // namespace velmora
