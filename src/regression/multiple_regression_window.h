#pragma once
// The frame of the four multiple regressions: Y on the ticked columns
// X1 ... Xk through the normal equations, the p + 5-row table, observed and
// fitted values at index positions, their export and the copy of the fitted
// values. A window gives only its transformation, its usable-row rule, its
// fitted value and its texts.
#include <string>
#include <vector>

#include "analysis/analysis_window.h"

namespace velmora {

class MultipleRegressionWindow : public AnalysisWindow {
public:
    // The texts a window shows: its name in the chart title and the result
    // table ("Multiple Linear Regression"), the formula heading the table's
    // second column, and the prefix of a copied column's header.
    struct Texts {
        std::string name;
        std::string formula;
        std::string copyPrefix;
    };

    MultipleRegressionWindow(TMenuGEN& menu, std::string className, std::string title, Texts texts);

    std::vector<double> ValoriY;       // Y of every row of the last run
    std::vector<double> ValoriX;       // per row 1 and the k untransformed regressors, row by row
    std::vector<double> Coefficienti;  // B0 ... Bk of the last successful run

    // The check box that leaves unusable rows out instead of refusing them;
    // declared by the windows whose model can refuse a row.
    CheckBox AggiustaZeri_CHK{"AggiustaZeri_CHK", "FixZeri"};

    void Analisi_IMGClick();
    void CopiaColonna_IMGClick();
    void Esporta_Distribuzione_IMGClick();

protected:
    // The model's own rules. `x` holds 1 followed by the row's k regressors.
    // A row the fit may use; the others end the run with unusableMessage(),
    // or are left out with "FixZeri" checked.
    virtual bool usable(double y, const double* x, int p) const = 0;
    // What the fit sees of a usable row: the response and the transformed
    // regressors (x[0] stays 1).
    virtual double response(double y) const = 0;
    virtual double regressor(double x) const = 0;
    // The fitted value of any row, usable or not.
    virtual double fitted(const double* x, const std::vector<double>& b) const = 0;
    virtual const char* unusableMessage() const { return ""; }


    // The controls in layout order; `fixZeri` adds AggiustaZeri_CHK at the
    // end of the command bar.
    void declareControls(bool fixZeri);

private:
    Texts texts_;
    bool fixZeri_ = false;
    // What copy and export read: the last successful run only, so that a
    // refused or failed run never pairs new rows with old coefficients.
    struct LastRun {
        bool done = false;
        int n = 0;
        int p = 0;
        std::string yName;
    };
    LastRun last_;

    double fittedOfRow(int r) const { return fitted(ValoriX.data() + static_cast<std::size_t>(r) * last_.p, Coefficienti); }
    // The rows the chart and the export show: the first of every run of
    // rows with the same Y.
    std::vector<int> plottedRows() const;
    bool refuseWithoutResults();
};

}  // namespace velmora
