#include "distributions/occurrence_scan.h"

namespace velmora {

OccurrenceScan scanOccurrences(const double* sorted, int n, bool skipZeros)
{
    OccurrenceScan scan;
    for (int r = 0; r < n; ++r) {
        const double v = sorted[r];
        if (skipZeros && v == 0.0) continue;
        if (scan.groups.empty() || scan.groups.back().value != v) scan.groups.push_back({v, 0, 0});
        OccurrenceGroup& g = scan.groups.back();
        ++g.count;
        ++scan.totalCount;
        g.runningCount = scan.totalCount;
        if (g.count > scan.largestCount) scan.largestCount = g.count;
    }
    return scan;
}

}  // namespace velmora
