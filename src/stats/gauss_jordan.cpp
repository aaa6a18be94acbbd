#include "stats/gauss_jordan.h"

#include <cassert>

namespace velmora::stats {

void gaussJordanInvert(std::span<double> w, std::size_t m, const PivotStep& afterPivot) {
  assert(w.size() >= m * m);
  for (std::size_t j = 0; j < m; ++j) {
    double* pivotRow = &w[j * m];
    double p = pivotRow[j];
    if (p == 0.0) p = kZeroPivot;  // a NAN pivot compares unequal and stays
    pivotRow[j] = 1.0;
    for (std::size_t c = 0; c < m; ++c) pivotRow[c] /= p;
    for (std::size_t r = 0; r < m; ++r) {
      if (r == j) continue;
      double* row = &w[r * m];
      const double f = row[j];
      row[j] = 0.0;
      for (std::size_t c = 0; c < m; ++c) row[c] -= pivotRow[c] * f;
    }
    if (afterPivot && !afterPivot(j)) return;
  }
}

void multiplyMatrixVector(std::span<const double> w, std::size_t m, std::span<const double> v,
                          std::span<double> b) {
  assert(w.size() >= m * m && v.size() >= m && b.size() >= m);
  for (std::size_t r = 0; r < m; ++r) {
    double sum = 0.0;
    for (std::size_t c = 0; c < m; ++c) sum += w[r * m + c] * v[c];
    b[r] = sum;
  }
}

}  // namespace velmora::stats
