#include "regression/regressione_multipla_lineare.h"

#include <cmath>

namespace velmora {

TRegressioneMultiplaLineare::TRegressioneMultiplaLineare(TMenuGEN& menu_)
    : MultipleRegressionWindow(menu_, "TRegressioneMultiplaLineare", "Regressione Multipla Lineare",
                               {"Multiple Linear Regression", "Y = B0+B1*X1+B2*X2 .. + Bn*Xn", "RegMLR_"})
{
    declareControls(false);
}

bool TRegressioneMultiplaLineare::usable(double, const double*, int) const { return true; }

double TRegressioneMultiplaLineare::response(double y) const { return y; }

double TRegressioneMultiplaLineare::regressor(double x) const { return x; }

double TRegressioneMultiplaLineare::fitted(const double* x, const std::vector<double>& b) const
{
    double f = b[0];
    for (std::size_t j = 1; j < b.size(); ++j) f += b[j] * x[j];
    return f;
}

}  // namespace velmora
