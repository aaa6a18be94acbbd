#pragma once
// Multiple exponential regression (log-linear): Y = exp(B0) exp(B1 X1) ... exp(Bk Xk), fitted as ln Y.
#include "regression/multiple_regression_window.h"

namespace velmora {

class TRegressioneMultiplaEsponenziale : public MultipleRegressionWindow {
public:
    explicit TRegressioneMultiplaEsponenziale(TMenuGEN& menu);

protected:
    bool usable(double y, const double* x, int p) const override;
    double response(double y) const override;
    double regressor(double x) const override;
    double fitted(const double* x, const std::vector<double>& b) const override;
    const char* unusableMessage() const override;
};

}  // namespace velmora
