#pragma once
// How often each distinct value occurs in a column of any order.
#include <vector>

namespace velmora {

struct ValueCount {
    double value = 0.0;
    int count = 0;
    bool operator==(const ValueCount&) const = default;
};

// The distinct values of values[0..n-1] in ascending order, each with the
// number of values exactly equal to it. Of values that compare equal (0 and
// -0) the first in the column stands for them all. A not-a-number cannot be
// ordered: "Invalid floating point operation".
std::vector<ValueCount> countDistinctValues(const double* values, int n);

}  // namespace velmora
