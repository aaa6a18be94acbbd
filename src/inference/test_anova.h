#pragma once
// One-way analysis of variance: each chosen column is one group.
#include <vector>

#include "analysis/analysis_window.h"

namespace velmora {

struct AnovaFigures {
    std::vector<double> means;          // per group
    std::vector<double> sumsOfSquares;  // per group, about its own mean
    double SSW = 0, G = 0, TSS = 0, SSB = 0;
    int dfB = 0, dfW = 0;
    double F = 0;
};

// The figures of k groups of n values each (values(row, group)). One row
// (df_W = 0) or groups without spread (SSW = 0) make F a division by zero or
// 0 / 0, which raises the floating-point failure.
AnovaFigures oneWayAnova(const ValoriArray& values);

// The groups count as equal when F does not exceed the critical value.
inline bool groupsEqual(double F, double F95) { return F95 >= F; }

class TTestANOVA : public AnalysisWindow {
public:
    explicit TTestANOVA(TMenuGEN& menu);

    Label Descrizione_LAB{"Descrizione_LAB",
                          "Il test permette di confrontare due o più gruppi di dati, confrontando la variabilità "
                          "interna a questi gruppi con la variabilità tra i gruppi.",
                          Area::CommandBar};

    // This window's own values, unsorted: rows by the chosen columns.
    ValoriArray Valori;
    std::vector<double> Medie;
    std::vector<double> VarianzeTotaliLocali;

    void Analisi_IMGClick();
};

}  // namespace velmora
