#include "stats/correlogram.h"

namespace velmora::stats {

CorrelogramSums correlogramSums(const double* y, int n, double mean, int k)
{
    CorrelogramSums s;
    for (int t = k; t < n; ++t) {
        const double d = y[t] - mean;
        s.numerator += d * (y[t - k] - mean);
        s.denominator += d * d;
    }
    return s;
}

}  // namespace velmora::stats
