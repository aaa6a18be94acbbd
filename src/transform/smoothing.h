#pragma once
// The two running filters of the smoothing window. Both weigh row i by
// w = 1 / i and leave row 0 as it is.
namespace velmora {

enum class SmoothingFilter {
    MovingAverage,         // S[i] = w × (sum of the rows before i)
    ExponentialSmoothing,  // S[i] = w × V[i] + (1 - w) × S[i - 1]
};

// Smooths rows [from, to) of one column, the rows before `from` being done
// already; `runningSum` carries the sum of the rows before `from` from one
// call to the next (start it at anything, row 0 sets it).
void smoothRows(SmoothingFilter filter, const double* values, double* smoothed, int from, int to, double& runningSum);

}  // namespace velmora
