#pragma once
// Least squares on a design matrix through the normal equations (the
// multiple regressions).
#include <cstddef>
#include <span>
#include <vector>

namespace velmora::stats {

// The coefficients b of the fit of `response` (m values) on the design rows
// (m x p, row by row): N = D'D and v = D'r summed over the rows in order,
// N inverted in place by gaussJordanInvert, b = N^-1 v. The floating-point
// flags are left for the caller to check.
std::vector<double> fitLinearModel(std::span<const double> design, std::span<const double> response, std::size_t p);

}  // namespace velmora::stats
