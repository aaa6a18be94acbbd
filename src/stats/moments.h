#pragma once
// Moments of one column of values sorted ascending.
namespace velmora::stats {

// The scans for the smallest and largest value start from these bounds
// rather than from the first value, so a column whose values all lie above
// 1e12 (or below -1e12) reports the bound as its minimum (maximum). The
// program has always shown that, and results must stay comparable.
inline constexpr double extremeStart = 1e12;

struct Moments {
    int count = 0;
    double mean = 0.0;
    double median = 0.0;
    double min = extremeStart;
    double max = -extremeStart;
    // Sample variance (divided by n - 1) and its root; not-a-number for one value.
    double variance = 0.0;
    double standardDeviation = 0.0;
};

// sorted[0..n-1] ascending (only the median needs the order). No values
// give a mean of 0/0 (the invalid-operation flag) and NAN for the rest.
// Plain arithmetic: a fault (an overflowing sum) raises the floating-point
// flags and leaves its measure INF or NAN, for the caller to check or show.
Moments momentsOfSorted(const double* sorted, int n);

// The shape of the values: the mean of the cubes and of the fourth powers of
// (v - mean) / standardDeviation, the latter less 3.
// Not-a-number, quietly, when the deviation is 0 (a constant column) or not
// a number (one value).
struct Shape {
    double skewness = 0.0;
    double kurtosis = 0.0;
};
Shape shapeOf(const double* values, int n, double mean, double standardDeviation);

}  // namespace velmora::stats
