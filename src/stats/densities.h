#pragma once
// The density and cumulative functions the distribution windows draw and the
// information pictures show, in the program's own forms.
namespace velmora::stats {

// exp(-(x - mean)^2 / (2 variance)) / sqrt(2 pi variance). Plain arithmetic:
// a zero variance raises the flags.
double normalDensity(double x, double mean, double variance);

// The Rayleigh functions whose squared scale parameter is `variance`:
// (x / V) exp(-x^2 / (2V)) and 1 - exp(-x^2 / (2V)). A negative x gives a
// negative density. Plain arithmetic.
double rayleighDensity(double x, double variance);
double rayleighCumulative(double x, double variance);

// The Weibull functions of shape k and scale lambda:
// (k / lambda^k) x^(k-1) exp(-(x / lambda)^k) and 1 - exp(-(x / lambda)^k).
// The powers are the checked general power, so a zero scale, a negative x
// with a fractional exponent or x = 0 with k < 1 fail as arithmetic faults.
double weibullDensity(double x, double k, double lambda);
double weibullCumulative(double x, double k, double lambda);

}  // namespace velmora::stats
