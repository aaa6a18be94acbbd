#include "stats/correlogram_lags.h"

#include <cmath>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "stats/correlogram.h"

namespace velmora::stats {
namespace {

double meanOf(const std::vector<double>& y)
{
    double s = 0;
    for (double v : y) s += v;
    return s / static_cast<double>(y.size());
}

TEST(CorrelogramOverLags, SmallRangesAreTheDirectSumsExactly)
{
    const std::vector<double> y{1, 2, 3, 4, 5, 6, 7, 8};
    const CorrelogramRange r = correlogramOverLags(y.data(), 8, 4.5, 1, 2);
    EXPECT_EQ(r.numerators, (std::vector<double>{26.25, 11.5}));
    EXPECT_EQ(r.denominators, (std::vector<double>{29.75, 23.5}));
    EXPECT_TRUE(correlogramOverLags(y.data(), 8, 4.5, 3, 2).numerators.empty());
}

// Ordinary measurements: a slow wave with noise around 100.
std::vector<double> measurements(int n)
{
    std::mt19937_64 random(20);
    std::normal_distribution<double> noise(0.0, 3.0);
    std::vector<double> y(n);
    for (int t = 0; t < n; ++t) y[t] = 100 + 10 * std::sin(t / 40.0) + noise(random);
    return y;
}

TEST(CorrelogramOverLags, TransformAgreesWithTheDirectSums)
{
    const int n = 20000;
    const std::vector<double> y = measurements(n);
    const double mean = meanOf(y);
    struct Case {
        int kmin, kmax;
    };
    // The default lags (n div 4) and a range of the later ones.
    for (const Case c : {Case{1, n / 4}, Case{4000, n / 4}}) {
        ASSERT_GT(static_cast<double>(n) * (c.kmax - c.kmin + 1), directSumsLimit);
        const CorrelogramRange r = correlogramOverLags(y.data(), n, mean, c.kmin, c.kmax);
        ASSERT_EQ(r.numerators.size(), static_cast<std::size_t>(c.kmax - c.kmin + 1));
        double worst = 0;
        for (int k = c.kmin; k <= c.kmax; k += (k < 100 || k > c.kmax - 100) ? 1 : 37) {
            const CorrelogramSums direct = correlogramSums(y.data(), n, mean, k);
            const double R = r.numerators[k - c.kmin] / r.denominators[k - c.kmin];
            worst = std::max(worst, std::fabs(R - direct.numerator / direct.denominator));
            EXPECT_NEAR(r.denominators[k - c.kmin], direct.denominator, 1e-12 * direct.denominator) << k;
        }
        EXPECT_LT(worst, 1e-12) << c.kmin << ".." << c.kmax;
    }
}

}  // namespace
}  // namespace velmora::stats
