#include "stats/moments.h"

#include <cmath>
#include <limits>

namespace velmora::stats {

Moments momentsOfSorted(const double* sorted, int n)
{
    Moments m;
    m.count = n;
    double sum = 0.0;
    for (int r = 0; r < n; ++r) {
        const double v = sorted[r];
        sum += v;
        if (m.min > v) m.min = v;
        if (v > m.max) m.max = v;
    }
    m.mean = sum / n;  // no values: 0/0, with its flag
    if (n < 1) m.median = std::numeric_limits<double>::quiet_NaN();
    else m.median = n % 2 == 1 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;

    if (n < 2) {
        m.variance = m.standardDeviation = std::numeric_limits<double>::quiet_NaN();
        return m;
    }
    double squares = 0.0;
    for (int r = 0; r < n; ++r) {
        const double d = sorted[r] - m.mean;
        squares += d * d;
    }
    m.variance = squares / (n - 1);
    m.standardDeviation = std::sqrt(m.variance);
    return m;
}

Shape shapeOf(const double* values, int n, double mean, double standardDeviation)
{
    // One value, a constant column or a deviation that is not a number has
    // no shape; a quiet comparison, so not-a-number raises no flag here.
    if (!std::isgreater(standardDeviation, 0.0)) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return {nan, nan};
    }
    double cubes = 0.0, fourths = 0.0;
    for (int r = 0; r < n; ++r) {
        const double z = (values[r] - mean) / standardDeviation;
        const double z2 = z * z;
        cubes += z2 * z;
        fourths += z2 * z2;
    }
    return {cubes / n, fourths / n - 3};
}

}  // namespace velmora::stats
