#include "distributions/occurrence_scan.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

std::vector<std::tuple<double, int, int>> groupsOf(const OccurrenceScan& s)
{
    std::vector<std::tuple<double, int, int>> out;
    for (const OccurrenceGroup& g : s.groups) out.emplace_back(g.value, g.count, g.runningCount);
    return out;
}

TEST(OccurrenceScan, EqualNeighboursFormGroupsWithRunningCounts)
{
    const double v[] = {1, 1, 1, 2, 3, 3};
    const OccurrenceScan s = scanOccurrences(v, 6, false);
    EXPECT_EQ(groupsOf(s), (std::vector<std::tuple<double, int, int>>{{1, 3, 3}, {2, 1, 4}, {3, 2, 6}}));
    EXPECT_EQ(s.largestCount, 3);
    EXPECT_EQ(s.totalCount, 6);
}

TEST(OccurrenceScan, ZerosPassedOverNeitherGroupNorCount)
{
    const double v[] = {-1, 0, 0, 0, 2, 2};
    const OccurrenceScan kept = scanOccurrences(v, 6, false);
    EXPECT_EQ(kept.largestCount, 3);
    EXPECT_EQ(kept.totalCount, 6);
    const OccurrenceScan s = scanOccurrences(v, 6, true);
    EXPECT_EQ(groupsOf(s), (std::vector<std::tuple<double, int, int>>{{-1, 1, 1}, {2, 2, 3}}));
    EXPECT_EQ(s.largestCount, 2);
    EXPECT_EQ(s.totalCount, 3);
}

TEST(OccurrenceScan, OnlyZerosPassedOverOrNoValuesGiveNoGroup)
{
    const double zeros[] = {0, 0, -0.0};
    for (const OccurrenceScan& s : {scanOccurrences(zeros, 3, true), scanOccurrences(zeros, 0, false)}) {
        EXPECT_TRUE(s.groups.empty());
        EXPECT_EQ(s.largestCount, 0);
        EXPECT_EQ(s.totalCount, 0);
    }
}

}  // namespace
}  // namespace velmora
