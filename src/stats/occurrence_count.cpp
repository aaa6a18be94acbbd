#include "stats/occurrence_count.h"

#include <algorithm>
#include <cmath>

#include "controls/failures.h"

namespace velmora {

std::vector<ValueCount> countDistinctValues(const double* values, int n)
{
    std::vector<double> sorted(values, values + std::max(n, 0));
    if (std::any_of(sorted.begin(), sorted.end(), [](double v) { return std::isnan(v); }))
        throw MathError(msg::invalidOperation);
    // Stable, so that a group starts with its first value in column order.
    std::stable_sort(sorted.begin(), sorted.end());
    std::vector<ValueCount> groups;
    for (double v : sorted) {
        if (groups.empty() || groups.back().value != v) groups.push_back({v, 0});
        ++groups.back().count;
    }
    return groups;
}

}  // namespace velmora
