#pragma once
// Two-tailed 5 % critical values of Student's t and their look-up.
#include <array>

namespace velmora {

struct CriticalValueRow {
    int bound;     // the largest degrees of freedom the row serves
    double value;  // the critical value
};

// Row 0 is (0, 0); rows 1 to 110 hold the 0.975 quantile of Student's t for
// that many degrees of freedom, rounded to three decimals; row 111 serves
// everything up to 30000 with the normal value 1.96.
const std::array<CriticalValueRow, 112>& criticalValueTable();

// The value of the first row i with bound(i - 1) < df <= bound(i); 1.96 for
// any df no row serves.
double criticalValue(int degreesOfFreedom);

}  // namespace velmora
