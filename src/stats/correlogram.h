#pragma once
// The sums of one autocorrelation coefficient.
namespace velmora::stats {

struct CorrelogramSums {
    double numerator = 0.0;    // sum over t = k .. n-1 of (y[t] - mean)(y[t-k] - mean)
    double denominator = 0.0;  // sum over the same t of (y[t] - mean)^2
};

// Both sums run over the rows from k on only, the denominator included, as
// the program's formula has it. 0 <= k; for k >= n both sums are 0.
CorrelogramSums correlogramSums(const double* y, int n, double mean, int k);

}  // namespace velmora::stats
