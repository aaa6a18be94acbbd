#include "controls/fpcheck.h"

#include <cmath>
#include <limits>

#include "controls/failures.h"

namespace velmora::fp {

void check()
{
    const int raised = std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    if (raised == 0) return;
    clear();
    // The cause first: an invalid result that follows an overflow (inf - inf,
    // inf / inf) is its consequence.
    if (raised & FE_DIVBYZERO) throw MathError(msg::divisionByZero);
    if (raised & FE_OVERFLOW) throw MathError(msg::overflow);
    throw MathError(msg::invalidOperation);
}

double div(double a, double b)
{
    if (b == 0.0) {
        if (a == 0.0 || std::isnan(a)) throw MathError(msg::invalidOperation);
        throw MathError(msg::divisionByZero);
    }
    const double r = a / b;
    if (std::isinf(r) && std::isfinite(a)) throw MathError(msg::overflow);
    return r;
}

double sqrt(double x)
{
    if (x < 0.0) throw MathError(msg::invalidOperation);
    return std::sqrt(x);
}

double ln(double x)
{
    if (x < 0.0) throw MathError(msg::invalidOperation);
    if (x == 0.0) throw MathError(msg::divisionByZero);
    return std::log(x);
}

double exp(double x)
{
    const double r = std::exp(x);
    if (std::isinf(r) && std::isfinite(x)) throw MathError(msg::overflow);
    return r;
}

namespace {
double integerPower(double base, long long n)
{
    // Square-and-multiply: log(n) multiplications instead of n, so a huge
    // exponent costs nothing. Up to the cube it multiplies exactly as
    // repeated multiplication does; beyond, the last digit may differ.
    unsigned long long e = n < 0 ? static_cast<unsigned long long>(-n) : static_cast<unsigned long long>(n);
    double result = 1.0;
    double b = base;
    while (e != 0) {
        if (e & 1U) result *= b;
        e >>= 1U;
        if (e != 0) b *= b;
    }
    if (n < 0) return div(1.0, result);
    return result;
}
}  // namespace

double power(double base, double exponent)
{
    if (exponent == 0.0) return 1.0;
    if (base == 0.0 && exponent > 0.0) return 0.0;
    if (std::trunc(exponent) == exponent && std::fabs(exponent) <= 2147483647.0) {
        const double r = integerPower(base, static_cast<long long>(exponent));
        if (std::isinf(r) && std::isfinite(base)) throw MathError(msg::overflow);
        return r;
    }
    if (base < 0.0 || std::isnan(base) || std::isnan(exponent)) throw MathError(msg::invalidOperation);
    return exp(exponent * ln(base));
}

}  // namespace velmora::fp
