#pragma once
// The correlogram sums of a whole range of lags.
#include <vector>

namespace velmora::stats {

struct CorrelogramRange {
    std::vector<double> numerators;    // one per lag kmin..kmax
    std::vector<double> denominators;  // the partial sums from row k on
};

// Above this many multiply-adds the numerators come from the transform.
inline constexpr double directSumsLimit = 1e7;

// The sums of correlogramSums for every k in kmin..kmax (1 <= kmin, and
// kmax < n). Where n times the number of lags is at most directSumsLimit
// they are those very sums; otherwise all numerators come from one
// zero-padded Fourier transform and the denominators from suffix sums of
// the squared deviations, which agree with them to rounding.
CorrelogramRange correlogramOverLags(const double* y, int n, double mean, int kmin, int kmax);

}  // namespace velmora::stats
