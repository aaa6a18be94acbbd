#pragma once
// Multiple linear regression: Y = B0 + B1 X1 + ... + Bk Xk by least squares.
#include "regression/multiple_regression_window.h"

namespace velmora {

class TRegressioneMultiplaLineare : public MultipleRegressionWindow {
public:
    explicit TRegressioneMultiplaLineare(TMenuGEN& menu);

protected:
    bool usable(double y, const double* x, int p) const override;
    double response(double y) const override;
    double regressor(double x) const override;
    double fitted(const double* x, const std::vector<double>& b) const override;
};

}  // namespace velmora
