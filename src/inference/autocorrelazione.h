#pragma once
// Autocorrelation of one column over a range of lags, drawn as a correlogram.
#include <string>
#include <vector>

#include "analysis/analysis_window.h"

namespace velmora {

// The mean of y[0..n-1]. A column of one repeated value has exactly that
// value as its mean, so its deviations are all 0 even where the sum of the
// values is rounded.
double columnMean(const double* y, int n);

// The lag range: kmin 1 and kmax n div 4 by default; typed limits are
// brought to at least 1 and at most n div 4.
struct LagRange {
    long long kmin = 1;
    long long kmax = 0;
};
LagRange lagRange(int n, bool limited, long long lower, long long upper);

class TAutocorrelazione : public AnalysisWindow {
public:
    explicit TAutocorrelazione(TMenuGEN& menu);

    CheckBox Limite_K_CHK{"Limite_K_CHK", "Limiti inferiore e superiore di K"};
    EditBox Limite_K_inf_TXT{"Limite_K_inf_TXT", "", "1"};
    EditBox Limite_K_sup_TXT{"Limite_K_sup_TXT", "", "20"};
    Button DisegnaDati_IMG{"DisegnaDati_IMG", "Disegna Dati", ButtonIcon::Draw};
    Button Tipologie_IMG{"Tipologie_IMG", "Tipologie", ButtonIcon::Pictures};
    Button SostituisciTabella_IMG{"SostituisciTabella_IMG", "Usa questa tabella", ButtonIcon::Copy};

    // The values of the chosen column, and the coefficient of each lag of the
    // last completed run from its lower limit on.
    std::vector<double> Valori;
    std::vector<double> Correlazione;

    void Analisi_IMGClick();
    void DisegnaDati_IMGClick();
    void SostituisciTabella_IMGClick();
    void Tipologie_IMGClick();
    void Limite_K_CHKChange();

private:
    // The box's number rounded to a whole one, ties to even.
    long long wholeNumberOf(EditBox& box);
    ChartSeries& Serie_Correlazione() { return Grafico.series[0]; }
    void drawCorrelogram();
};

}  // namespace velmora
