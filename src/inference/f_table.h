#pragma once
// The 95 % critical values of the Fisher-Snedecor distribution.

namespace velmora {

// F95 for df_B (numerator) and df_W (denominator) degrees of freedom: a df
// between two keys of the table reads the next larger key, one past 120 the
// infinity column or row; -1 when either is below 1.
double criticalF95(int dfBetween, int dfWithin);

}  // namespace velmora
