#pragma once
// In-place Gauss-Jordan inversion of the normal equations (polynomial and
// multiple regressions, matrix inverse).
#include <cstddef>
#include <functional>
#include <span>

namespace velmora::stats {

// A pivot of exactly 0 becomes this, so a singular matrix yields huge,
// meaningless entries instead of a failure.
inline constexpr double kZeroPivot = 1e-15;

// Called after each pivot column j is eliminated; returning false ends the
// elimination there (the matrix window's stop button).
using PivotStep = std::function<bool(std::size_t j)>;

// Inverts the m x m matrix held row by row in w (w[r * m + c]) in place.
// Rows are never exchanged, a NAN pivot is kept, and a singular matrix is
// never reported. The floating-point flags are left for the caller to check.
void gaussJordanInvert(std::span<double> w, std::size_t m, const PivotStep& afterPivot = {});

// b := w * v for the m x m matrix w; each element sums over the columns from
// the first, in that order.
void multiplyMatrixVector(std::span<const double> w, std::size_t m, std::span<const double> v,
                          std::span<double> b);

}  // namespace velmora::stats
