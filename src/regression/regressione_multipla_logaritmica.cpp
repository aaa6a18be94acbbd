#include "regression/regressione_multipla_logaritmica.h"

#include <cmath>

namespace velmora {

TRegressioneMultiplaLogaritmica::TRegressioneMultiplaLogaritmica(TMenuGEN& menu_)
    : MultipleRegressionWindow(menu_, "TRegressioneMultiplaLogaritmica", "Regressione Multipla Logaritmica (linear-log) Y = B0 + B1*ln(X1) + B2*ln(X2) +..+ Bn*ln(Xn)",
                               {"Multiple Logarithmic Regression", "Y = B0 + B1*ln(X1) + B2*ln(X2) +..+ Bn*ln(Xn)", "RegMLnR_"})
{
    declareControls(true);
}

bool TRegressioneMultiplaLogaritmica::usable(double, const double* x, int p) const
{
    for (int j = 1; j < p; ++j)
        if (!(x[j] > 0)) return false;
    return true;
}

double TRegressioneMultiplaLogaritmica::response(double y) const { return y; }

double TRegressioneMultiplaLogaritmica::regressor(double x) const { return std::log(x); }

double TRegressioneMultiplaLogaritmica::fitted(const double* x, const std::vector<double>& b) const
{
    // A term whose X has no logarithm is left out.
    double f = b[0];
    for (std::size_t j = 1; j < b.size(); ++j)
        if (x[j] > 0) f += b[j] * std::log(x[j]);
    return f;
}

const char* TRegressioneMultiplaLogaritmica::unusableMessage() const
{
    return "Impossibile proseguire, sono presenti in X valori <= 0\r\nUnable to proceed, there are X values <= 0";
}

}  // namespace velmora
