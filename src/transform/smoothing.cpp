#include "transform/smoothing.h"

namespace velmora {

void smoothRows(SmoothingFilter filter, const double* values, double* smoothed, int from, int to, double& runningSum)
{
    for (int i = from; i < to; ++i) {
        if (i == 0) {
            smoothed[0] = values[0];
            runningSum = values[0];
            continue;
        }
        const double w = 1.0 / i;
        if (filter == SmoothingFilter::MovingAverage) {
            smoothed[i] = w * runningSum;
            runningSum += values[i];
        } else {
            smoothed[i] = w * values[i] + (1 - w) * smoothed[i - 1];
        }
    }
}

}  // namespace velmora
