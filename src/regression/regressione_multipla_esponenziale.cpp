#include "regression/regressione_multipla_esponenziale.h"

#include <cmath>

namespace velmora {

TRegressioneMultiplaEsponenziale::TRegressioneMultiplaEsponenziale(TMenuGEN& menu_)
    : MultipleRegressionWindow(menu_, "TRegressioneMultiplaEsponenziale", "Regressione Multipla Esponenziale (log-linear) Y = exp(B0) * exp(X1*B1) * exp(X2*B2) *..* exp(Xn*Bn)",
                               {"Multiple Exponential Regression", "Y = exp(B0) * exp(X1*B1) * exp(X2*B2) *..* exp(Xn*Bn)", "RegMER_"})
{
    declareControls(true);
}

bool TRegressioneMultiplaEsponenziale::usable(double y, const double*, int) const { return y > 0; }

double TRegressioneMultiplaEsponenziale::response(double y) const { return std::log(y); }

double TRegressioneMultiplaEsponenziale::regressor(double x) const { return x; }

double TRegressioneMultiplaEsponenziale::fitted(const double* x, const std::vector<double>& b) const
{
    double f = std::exp(b[0]);
    for (std::size_t j = 1; j < b.size(); ++j) f *= std::exp(b[j] * x[j]);
    return f;
}

const char* TRegressioneMultiplaEsponenziale::unusableMessage() const
{
    return "Impossibile proseguire, sono presenti in Y valori <= 0\r\nUnable to proceed, there are Y values <= 0";
}

}  // namespace velmora
