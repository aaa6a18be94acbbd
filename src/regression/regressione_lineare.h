#pragma once
// Linear regression: the least-squares line Y = A + B * X of one column on
// another, its figures, its chart, the chart's data as a file and a column
// of fitted values for the data table.
#include <string>
#include <utility>
#include <vector>

#include "analysis/analysis_window.h"

namespace velmora {

// The figures of a least-squares line through n pairs whose means are given.
struct LinearFit {
    double varX = 0, cov = 0, a = 0, b = 0, rss = 0, tss = 0, rFit = 0;
};
// Throws the floating-point failure when VarX or TSS is exactly 0.
LinearFit fitLine(const double* x, const double* y, int n, double xMean, double yMean);

// The pairs of ascending x that a chart draws: each x once, with the y of its
// first pair. A first x equal to the starting mark -1e12 is left out, and a
// comparison with not-a-number counts as different.
std::vector<std::pair<double, double>> distinctPoints(const double* x, const double* y, int n);

class TRegressioneLineare : public AnalysisWindow {
public:
    explicit TRegressioneLineare(TMenuGEN& menu);

    int colonna_X = 0;
    double A = 0;  // of the last successful fit
    double B = 0;
    double Min = 0;  // of the last run
    double Max = 0;
    std::vector<double> ValoriX;
    std::vector<double> ValoriY;

    void Analisi_IMGClick();
    void CopiaColonna_IMGClick();
    void Esporta_Distribuzione_IMGClick();

private:
    // What copy and export need, kept from the last successful run only, so
    // a stopped or failed run never mixes its data with an older fit.
    struct LastRun {
        bool done = false;
        double a = 0, b = 0, min = 0, max = 0;
        std::vector<std::pair<double, double>> points;
        std::string xName, yName;
        bool xProgressive = false;
        int xColumn = 0;
    };
    LastRun last_;

    ChartSeries& Series1() { return Grafico.series[0]; }
    ChartSeries& Series2() { return Grafico.series[1]; }
};

}  // namespace velmora
