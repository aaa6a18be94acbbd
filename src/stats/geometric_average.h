#pragma once
// The geometric average of a column of any length. A running product of a
// few hundred ordinary values leaves the range of doubles, so the product is
// carried as a mantissa and a binary exponent; while the plain product would
// have stayed a normal double, the result is exactly the general real power
// of that plain product.
#include <cmath>

namespace velmora::stats {

class GeometricProduct {
public:
    // Multiplies the product by x. Raises no floating-point flag.
    void multiply(double x)
    {
        // Two factors of at most 2^511 in magnitude multiply to a normal
        // double: the common case, one multiplication. Quiet comparisons, as
        // x may be not a number.
        const double a = std::fabs(mantissa_), b = std::fabs(x);
        if (a <= 0x1p511 && a >= 0x1p-511 && std::islessequal(b, 0x1p511) && std::isgreaterequal(b, 0x1p-511))
            mantissa_ *= x;
        else
            multiplyApart(x);
    }
    // The product raised to 1/count: 0 when a value was 0; not-a-number for a
    // negative product of two or more values, or a value that is not finite.
    double average(long long count) const;

private:
    void multiplyApart(double x);

    double mantissa_ = 1.0;      // the product is mantissa_ * 2^exponent_
    long long exponent_ = 0;
    bool plain_ = true;          // exponent_ is 0 and every step stayed normal
    bool zero_ = false;
    bool notFinite_ = false;
};

// The geometric average of values[0..n-1] (n >= 1), multiplied in order.
double geometricAverage(const double* values, long long n);

}  // namespace velmora::stats
