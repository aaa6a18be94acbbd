#include "stats/geometric_average.h"

#include <cmath>
#include <limits>

#include "controls/fpcheck.h"

namespace velmora::stats {

void GeometricProduct::multiplyApart(double x)
{
    if (!std::isfinite(x)) notFinite_ = true;
    else if (x == 0.0) zero_ = true;
    if (zero_ || notFinite_) return;
    // The fractions multiply to [0.25, 1) and the exponents add apart, so
    // nothing overflows or underflows; the rounding is that of the plain
    // product wherever the plain product is a normal double.
    int productExp = 0, valueExp = 0, fractionExp = 0;
    const double fraction = std::frexp(std::frexp(mantissa_, &productExp) * std::frexp(x, &valueExp), &fractionExp);
    const long long exponent = exponent_ + productExp + valueExp + fractionExp;
    if (plain_ && exponent >= -1021 && exponent <= 1024) {
        mantissa_ = std::ldexp(fraction, static_cast<int>(exponent));
        return;
    }
    plain_ = false;
    mantissa_ = fraction;
    exponent_ = exponent;
}

double GeometricProduct::average(long long count) const
{
    if (notFinite_) return std::numeric_limits<double>::quiet_NaN();
    if (zero_) return 0.0;
    const bool negative = std::signbit(mantissa_);
    // Only a single value makes a whole power 1/count of a negative product.
    if (negative && count > 1) return std::numeric_limits<double>::quiet_NaN();
    if (plain_) return fp::power(mantissa_, 1.0 / static_cast<double>(count));
    // (|m| * 2^e)^(1/n) = 2^q * 2^((log2 |m| + r) / n) with e = q * n + r,
    // 0 <= r < n: the power of two stays exact and the rest near 1.
    long long q = exponent_ / count;
    long long r = exponent_ % count;
    if (r < 0) {
        r += count;
        --q;
    }
    const double rest = std::exp2((std::log2(std::fabs(mantissa_)) + static_cast<double>(r)) / static_cast<double>(count));
    const double root = std::ldexp(rest, static_cast<int>(q));
    return negative ? -root : root;
}

double geometricAverage(const double* values, long long n)
{
    GeometricProduct product;
    for (long long i = 0; i < n; ++i) product.multiply(values[i]);
    return product.average(n);
}

}  // namespace velmora::stats
