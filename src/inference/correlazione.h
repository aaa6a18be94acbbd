#pragma once
// Pearson's and Spearman's correlation of two columns.
#include <string>
#include <vector>

#include "analysis/analysis_window.h"

namespace velmora {

struct PearsonFigures {
    double meanA = 0, meanB = 0;
    double standardDeviationA = 0, standardDeviationB = 0;  // over n - 1
    double covariance = 0;                                  // over n - 1
    double r = 0;
};

// Pearson's index of a[0..n-1] and b[0..n-1]. A column without spread
// (or a single row) makes the index 0 / 0: the floating-point failure.
PearsonFigures pearson(const double* a, const double* b, int n);

// The ranks 1..n of the values, the largest getting n; equal values share
// the average of the ranks they take. Any double ranks by its value.
std::vector<double> averageRanks(const double* values, int n);

// The words for an index.
const char* correlationVerdict(double r);

class TCorrelazione : public AnalysisWindow {
public:
    explicit TCorrelazione(TMenuGEN& menu);

    Label Descrizione_LAB{"Descrizione_LAB",
                          "Ha lo scopo di verificare se due serie di dati sono correlate tra loro. Se l'indice e' "
                          "vicino al valore 1 o -1 c'e' forte correlazione tra le due serie.",
                          Area::CommandBar};
    ComboBox TipoAnalisi_LST{"TipoAnalisi_LST", "Tipo di Analisi", Area::CommandBar};

    // This window's own values: X and Y by row.
    ValoriArray Valori;

    void Analisi_IMGClick();
};

}  // namespace velmora
