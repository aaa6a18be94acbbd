#pragma once
// Multiple logarithmic regression (linear-log): Y = B0 + B1 ln X1 + ... + Bk ln Xk.
#include "regression/multiple_regression_window.h"

namespace velmora {

class TRegressioneMultiplaLogaritmica : public MultipleRegressionWindow {
public:
    explicit TRegressioneMultiplaLogaritmica(TMenuGEN& menu);

protected:
    bool usable(double y, const double* x, int p) const override;
    double response(double y) const override;
    double regressor(double x) const override;
    double fitted(const double* x, const std::vector<double>& b) const override;
    const char* unusableMessage() const override;
};

}  // namespace velmora
