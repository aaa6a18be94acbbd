#pragma once
// Floating-point faults are failures, not special values. The hardware does
// not trap, so a run clears the status flags when it starts and checks them
// where a result is used.
#include <cfenv>

namespace velmora::fp {

inline void clear() { std::feclearexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW); }

// Throws MathError with the message of the first raised flag, in the order
// division by zero, invalid operation, overflow; clears the flags.
void check();

// A stretch of arithmetic whose faults are checked together. Entering it
// reports a fault its caller left pending rather than dropping it, as
// clearing the flags there would; check() reports the section's own.
class Section {
public:
    Section() { fp::check(); }
    void check() { fp::check(); }
};

// A stretch of arithmetic whose faults become not-a-number results instead
// of failures: entering it reports a fault its caller left pending, and
// leaving it drops the flags its own arithmetic raised.
class QuietSection {
public:
    QuietSection() { fp::check(); }
    ~QuietSection() { fp::clear(); }
    QuietSection(const QuietSection&) = delete;
    QuietSection& operator=(const QuietSection&) = delete;
};

// Checked arithmetic for the places where a single operation decides.
double div(double a, double b);
double sqrt(double x);
double ln(double x);
double exp(double x);
// The general real power: exponent 0 gives 1, base 0 with a positive exponent
// gives 0, whole exponents up to 2147483647 in magnitude are applied by
// square-and-multiply (a negative one through the reciprocal), otherwise a negative base is an invalid operation and a positive base gives
// exp(exponent * ln(base)).
double power(double base, double exponent);

}  // namespace velmora::fp
