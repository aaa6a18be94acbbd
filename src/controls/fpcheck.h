#pragma once
// Floating-point faults are failures, not special values. The hardware does
// not trap, so a run clears the status flags when it starts and checks them
// where a result is used.
#include <cfenv>
#if defined(__x86_64__) && defined(__SSE2__)
#include <immintrin.h>
#endif

namespace velmora::fp {

inline void clear() { std::feclearexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW); }

// Whether division by zero, invalid operation or overflow is raised. On
// x86-64 all double arithmetic runs in SSE, and reading its status register
// costs a fraction of fetestexcept, which also stores the x87 status; hot
// loops read it once per value or per block of values.
#if defined(__x86_64__) && defined(__SSE2__)
inline bool raised() { return (_mm_getcsr() & 0x0DU) != 0; }  // IE, ZE, OE
#else
inline bool raised() { return std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW) != 0; }
#endif

// Throws MathError with the message of the first raised flag, in the order
// division by zero, overflow, invalid operation (an invalid result that
// follows an overflow is its consequence); clears the flags.
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
