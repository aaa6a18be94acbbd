#pragma once
// Multiple power regression (log-log): Y = exp(B0) X1^B1 ... Xk^Bk, fitted as ln Y on ln X.
#include "regression/multiple_regression_window.h"

namespace velmora {

class TRegressioneMultiplaPotenza : public MultipleRegressionWindow {
public:
    explicit TRegressioneMultiplaPotenza(TMenuGEN& menu);

protected:
    bool usable(double y, const double* x, int p) const override;
    double response(double y) const override;
    double regressor(double x) const override;
    double fitted(const double* x, const std::vector<double>& b) const override;
    const char* unusableMessage() const override;
};

}  // namespace velmora
