#pragma once
// The occurrences of a sorted column: its distinct values in ascending order
// with how often each appears. The distribution windows draw them beside
// their curves.
#include <vector>

namespace velmora {

struct OccurrenceGroup {
    double value = 0.0;
    int count = 0;         // rows holding exactly this value
    int runningCount = 0;  // rows up to and including this value
};

struct OccurrenceScan {
    std::vector<OccurrenceGroup> groups;  // ascending values
    int largestCount = 0;
    int totalCount = 0;
};

// Groups the equal neighbours of sorted[0..n-1]. With `skipZeros` every 0
// is passed over as if absent, so it neither forms a group nor counts.
OccurrenceScan scanOccurrences(const double* sorted, int n, bool skipZeros);

}  // namespace velmora
