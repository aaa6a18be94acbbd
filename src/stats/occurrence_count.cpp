#include "stats/occurrence_count.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "controls/failures.h"

namespace velmora {

std::vector<ValueCount> countDistinctValues(const double* values, int n)
{
    // The distinct values in order of first occurrence, then sorted: a hash
    // of values makes one pass instead of one pass per distinct value.
    std::vector<ValueCount> groups;
    std::unordered_map<double, std::size_t> place;
    for (int r = 0; r < n; ++r) {
        const double v = values[r];
        if (std::isnan(v)) throw MathError(msg::invalidOperation);
        const auto [at, isNew] = place.try_emplace(v, groups.size());
        if (isNew) groups.push_back({v, 0});
        ++groups[at->second].count;
    }
    std::sort(groups.begin(), groups.end(), [](const ValueCount& a, const ValueCount& b) { return a.value < b.value; });
    return groups;
}

}  // namespace velmora
