#include "stats/occurrence_count.h"

#include <cmath>
#include <limits>
#include <map>
#include <random>

#include <gtest/gtest.h>

#include "controls/failures.h"

namespace velmora {
namespace {

struct CountCase {
    const char* name;
    std::vector<double> values;
    std::vector<ValueCount> expected;
};

TEST(CountDistinctValues, AscendingValuesWithTheirCounts)
{
    const CountCase cases[] = {
        {"mixed", {2, 1, 2, 3, 2}, {{1, 1}, {2, 3}, {3, 1}}},
        {"empty", {}, {}},
        {"constant", {5, 5, 5}, {{5, 3}}},
        {"negatives and zeros", {0, -1, 3, -1, 0}, {{-1, 2}, {0, 2}, {3, 1}}},
        {"descending", {3, 2.5, 2, 1e-300, -1e300}, {{-1e300, 1}, {1e-300, 1}, {2, 1}, {2.5, 1}, {3, 1}}},
        {"close but distinct", {1.001, 1.004, 1.001}, {{1.001, 2}, {1.004, 1}}},
    };
    for (const CountCase& c : cases) {
        EXPECT_EQ(countDistinctValues(c.values.data(), static_cast<int>(c.values.size())), c.expected) << c.name;
    }
}

// 0 and -0 are one value, written as the first of them in the column.
TEST(CountDistinctValues, FirstOfEqualValuesStandsForThem)
{
    for (const bool negativeFirst : {true, false}) {
        const double v[] = {1, negativeFirst ? -0.0 : 0.0, 2, negativeFirst ? 0.0 : -0.0};
        const auto groups = countDistinctValues(v, 4);
        ASSERT_EQ(groups.size(), 3u);
        EXPECT_EQ(groups[0].count, 2);
        EXPECT_EQ(std::signbit(groups[0].value), negativeFirst);
    }
}

TEST(CountDistinctValues, AgreesWithAnOrderedMapOnRandomData)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pick(-40, 40);
    std::vector<double> values(5000);
    std::map<double, int> reference;
    for (double& v : values) {
        v = pick(random) / 8.0;
        ++reference[v];
    }
    std::vector<ValueCount> expected;
    for (const auto& [value, count] : reference) expected.push_back({value, count});
    EXPECT_EQ(countDistinctValues(values.data(), static_cast<int>(values.size())), expected);
}

TEST(CountDistinctValues, NotANumberCannotBeOrdered)
{
    const double v[] = {1, std::numeric_limits<double>::quiet_NaN(), 2};
    EXPECT_THROW(countDistinctValues(v, 3), MathError);
}

}  // namespace
}  // namespace velmora
