#include "stats/geometric_average.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <vector>

namespace velmora::stats {
namespace {

double geometric(const std::vector<double>& values)
{
    return geometricAverage(values.data(), static_cast<long long>(values.size()));
}

// Where the plain running product stays a normal double, the result is the
// general real power of that product, to the last bit: exp(ln(p) / n) for
// these, computed in python3 (math.exp((1/n) * math.log(p))). For 22.75, 8.8,
// 8.42 the exact geometric mean is ...358, so a log-sum would not match.
TEST(GeometricAverage, PlainProductsKeepTheGeneralPowerDigitForDigit)
{
    const struct {
        std::vector<double> values;
        double expected;
    } cases[] = {
        {{1, 2, 3}, 1.8171205928321397},
        {{22.75, 8.8, 8.42}, 11.901235660121355},
        {{-2, -8}, 4.0},     // an even count of negative values
        {{-5}, -5.0},        // a single value is its own whole power
        {{1, 0, 2}, 0.0},    // a value 0 makes the product 0
        {{-3, 0, 5}, 0.0},
        {{1e300, 1e300, 0}, 0.0},  // even when the product overflowed first
    };
    for (const auto& c : cases) EXPECT_EQ(geometric(c.values), c.expected) << c.values.front();
}

// Products that leave the range of doubles; expected values are the exact
// means computed in python3 with 60-digit decimal logarithms.
TEST(GeometricAverage, ProductsBeyondTheRangeOfDoublesGiveTheTrueMean)
{
    std::vector<double> around20;
    for (int i = 0; i < 300; ++i) around20.push_back(20 + ((i * 7) % 41 - 20) * 0.1);
    const struct {
        std::vector<double> values;
        double expected;
    } cases[] = {
        {around20, 19.950678628597167},
        {std::vector<double>(2000, 0.001), 0.001},
        {std::vector<double>(2000, 1000.0), 1000.0},
        {{1e-300, 1e-300, 1e-300, 1e300, 1e300, 1e300}, 1.0},
        {{1e200, 1e200, 1e200, 1e-3}, 1.7782794100389228e149},
        {{4.9406564584124654e-324}, 4.9406564584124654e-324},  // one subnormal value
    };
    for (const auto& c : cases)
        EXPECT_NEAR(geometric(c.values), c.expected, 2e-15 * c.expected) << c.values.size() << " values";

    // The mean of logarithms, an independent route for the same figure.
    double logs = 0;
    for (double v : around20) logs += std::log(v);
    EXPECT_NEAR(geometric(around20), std::exp(logs / 300), 1e-13 * 20);

    std::vector<double> negatives(around20);
    negatives[0] = -negatives[0];
    EXPECT_TRUE(std::isnan(geometric(negatives)));  // an odd count of negative values
    negatives[1] = -negatives[1];
    EXPECT_NEAR(geometric(negatives), 19.950678628597167, 2e-15 * 20);
}

TEST(GeometricAverage, RaisesNoFloatingPointFlagAndRejectsValuesThatAreNotFinite)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    GeometricProduct product;
    for (int i = 0; i < 1000; ++i) product.multiply(i % 2 ? 1e300 : 1e-250);
    EXPECT_NEAR(product.average(1000), std::sqrt(1e50), 1e-13 * 1e25);
    EXPECT_FALSE(std::fetestexcept(FE_OVERFLOW | FE_UNDERFLOW | FE_INVALID | FE_DIVBYZERO));

    EXPECT_TRUE(std::isnan(geometric({2, INFINITY, 3})));
    EXPECT_TRUE(std::isnan(geometric({2, NAN, 0})));
}

}  // namespace
}  // namespace velmora::stats
