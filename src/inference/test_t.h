#pragma once
// Student's t test for two independent samples of equal variance.
#include <array>

#include "analysis/analysis_window.h"

namespace velmora {

// The descriptive figures of one column as the T test shows them.
struct TTestFigures {
    double average = 0, variance = 0, standardDeviation = 0, min = 0, max = 0;
};

// Figures of values[0..n-1]: the extremes by a scan from 1e12 and -1e12, the
// mean over n, the variance over n - 1. A floating-point fault (one value
// makes the variance 0/0) raises the failure.
TTestFigures describeTTestColumn(const double* values, int n);

struct PooledT {
    int degreesOfFreedom = 0;
    double s = 0;  // the pooled spread of the difference of the means
    double T = 0;
};

// The pooled t of two columns of n values each; a zero spread raises the
// floating-point failure.
PooledT pooledT(const TTestFigures& first, const TTestFigures& second, int n);

// Bounds included.
inline bool groupsAlike(double T, double L) { return -L <= T && T <= L; }

class TTestT : public AnalysisWindow {
public:
    explicit TTestT(TMenuGEN& menu);

    Label Descrizione_LAB{"Descrizione_LAB",
                          "Ha lo scopo di verificare se il valore medio di una distribuzione si discosta "
                          "significativamente da un certo valore di riferimento",
                          Area::CommandBar};

    // This window's own values, unsorted: rows by the two chosen columns.
    ValoriArray Valori;
    std::array<double, 2> Medie{}, Varianze{}, DeviazioniStandard{}, Min{}, Max{};

    void Analisi_IMGClick();
};

}  // namespace velmora
