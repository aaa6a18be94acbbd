#include "regression/regressione_multipla_potenza.h"

#include <cmath>

namespace velmora {

TRegressioneMultiplaPotenza::TRegressioneMultiplaPotenza(TMenuGEN& menu_)
    : MultipleRegressionWindow(menu_, "TRegressioneMultiplaPotenza", "Regressione Multipla di Potenza (log-log) Y = exp(B0) * X1^B1 * X2^B2 *..* Xn^Bn",
                               {"Multiple Power Regression", "Y = exp(B0) * X1^B1 * X2^B2 *..* Xn^Bn", "RegMPR_"})
{
    declareControls(true);
}

bool TRegressioneMultiplaPotenza::usable(double y, const double* x, int p) const
{
    if (!(y > 0)) return false;
    for (int j = 1; j < p; ++j)
        if (!(x[j] > 0)) return false;
    return true;
}

double TRegressioneMultiplaPotenza::response(double y) const { return std::log(y); }

double TRegressioneMultiplaPotenza::regressor(double x) const { return std::log(x); }

double TRegressioneMultiplaPotenza::fitted(const double* x, const std::vector<double>& b) const
{
    // X^B has no value for an X <= 0: such a row's fitted value is 0.
    double f = std::exp(b[0]);
    for (std::size_t j = 1; j < b.size(); ++j) {
        if (!(x[j] > 0)) return 0;
        f *= std::pow(x[j], b[j]);
    }
    return f;
}

const char* TRegressioneMultiplaPotenza::unusableMessage() const
{
    return "Impossibile proseguire, sono presenti in X o in Y valori <= 0\r\nUnable to proceed, there are X or Y values <= 0";
}

}  // namespace velmora
