#include "stats/densities.h"

#include <cmath>

#include "controls/fpcheck.h"

namespace velmora::stats {

double normalDensity(double x, double mean, double variance)
{
    const double d = x - mean;
    // 2 pi to the precision the program has always used.
    return std::exp(-(d * d) / (2 * variance)) / std::sqrt(variance * 6.28318530717958);
}

double rayleighDensity(double x, double variance) { return x / variance * std::exp(-(x * x) / (2 * variance)); }

double rayleighCumulative(double x, double variance) { return 1 - std::exp(-(x * x) / (2 * variance)); }

double weibullDensity(double x, double k, double lambda)
{
    return fp::div(k, fp::power(lambda, k)) * fp::power(x, k - 1) * std::exp(-fp::power(fp::div(x, lambda), k));
}

double weibullCumulative(double x, double k, double lambda)
{
    return 1 - std::exp(-fp::power(fp::div(x, lambda), k));
}

}  // namespace velmora::stats
