#pragma once
// The density and cumulative functions the distribution windows draw.
namespace velmora::stats {

// The Rayleigh functions whose squared scale parameter is `variance`:
// (x / V) exp(-x^2 / (2V)) and 1 - exp(-x^2 / (2V)). A negative x gives a
// negative density. Plain arithmetic: faults raise the flags.
double rayleighDensity(double x, double variance);
double rayleighCumulative(double x, double variance);

// The Weibull functions of shape k and scale lambda:
// (k / lambda^k) x^(k-1) exp(-(x / lambda)^k) and 1 - exp(-(x / lambda)^k),
// with the checked general power: a zero scale, a negative x or scale with a
// fractional exponent and x = 0 with k < 1 fail as arithmetic faults.
double weibullDensity(double x, double k, double lambda);
double weibullCumulative(double x, double k, double lambda);

}  // namespace velmora::stats
