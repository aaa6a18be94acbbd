#include "parser/operations.h"

#include <cmath>
#include <cstdint>
#include <random>

namespace velmora::ops {

namespace {

constexpr const char* integerDivisionByZero = "Division by zero";

// Truncation toward zero to 64 bits; a value outside that range (or one that
// compares with nothing) is an invalid operation.
long long truncate64(double x)
{
    if (!(x >= -9223372036854775808.0 && x < 9223372036854775808.0)) throw MathError(msg::invalidOperation);
    return static_cast<long long>(x);
}

void nothing(POperation) {}
void minus(POperation op) { *op->Dest = -*op->Arg1; }
void sum(POperation op) { *op->Dest = *op->Arg1 + *op->Arg2; }
void diff(POperation op) { *op->Dest = *op->Arg1 - *op->Arg2; }
void prod(POperation op) { *op->Dest = *op->Arg1 * *op->Arg2; }
void divis(POperation op) { *op->Dest = *op->Arg1 / *op->Arg2; }

void modulo(POperation op)
{
    const long long a = truncate64(*op->Arg1);
    const long long b = truncate64(*op->Arg2);
    if (b == 0) throw MathError(integerDivisionByZero);
    // b = -1 is spelled out: the lowest 64-bit value divided by it overflows.
    *op->Dest = b == -1 ? 0.0 : static_cast<double>(a % b);
}

void intDiv(POperation op)
{
    const long long a = truncate64(*op->Arg1);
    const long long b = truncate64(*op->Arg2);
    if (b == 0) throw MathError(integerDivisionByZero);
    *op->Dest = b == -1 ? -static_cast<double>(a) : static_cast<double>(a / b);
}

void integerPower(POperation op) { *op->Dest = IntegerPower(*op->Arg1, truncate64(*op->Arg2)); }
void realPower(POperation op) { *op->Dest = RealPower(*op->Arg1, *op->Arg2); }

void square(POperation op)
{
    const double a = *op->Arg1;
    *op->Dest = a * a;
}

void third(POperation op)
{
    const double a = *op->Arg1;
    *op->Dest = a * a * a;
}

void fourth(POperation op)
{
    const double a = *op->Arg1;
    *op->Dest = (a * a) * (a * a);
}

// One generator per thread, seeded once from the system's entropy source.
double uniform01()
{
    thread_local std::mt19937_64 generator{std::random_device{}()};
    return static_cast<double>(generator() >> 11) * 0x1.0p-53;
}

}  // namespace

TMathProcedure ProcedureOf(TToken kind)
{
    switch (kind) {
    case TToken::variab:
    case TToken::constant: return nothing;
    case TToken::minus: return minus;
    case TToken::sum: return sum;
    case TToken::diff: return diff;
    case TToken::prod: return prod;
    case TToken::divis: return divis;
    case TToken::modulo: return modulo;
    case TToken::IntDiv: return intDiv;
    case TToken::integerpower: return integerPower;
    case TToken::realpower: return realPower;
    case TToken::square: return square;
    case TToken::third: return third;
    case TToken::fourth: return fourth;
    case TToken::FuncOneVar:
    case TToken::FuncTwoVar: return nullptr;
    }
    return nullptr;
}

double IntegerPower(double x, long long n)
{
    // The magnitude in unsigned arithmetic, so the lowest 64-bit value has one.
    unsigned long long m = n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
    double r = 1.0;
    while (m > 0) {
        while ((m & 1U) == 0) {
            m >>= 1U;
            x = x * x;
        }
        m -= 1;
        r = r * x;
    }
    return n >= 0 ? r : 1.0 / r;
}

double RealPower(double x, double e)
{
    if (e == 0.0) return 1.0;
    if (x == 0.0 && e > 0.0) return 0.0;
    if (std::trunc(e) == e && std::fabs(e) <= 2147483647.0) return IntegerPower(x, static_cast<long long>(e));
    if (x < 0.0) throw MathError(msg::invalidOperation);
    return std::exp(e * std::log(x));
}

void Tan(POperation op) { *op->Dest = std::tan(*op->Arg1); }
void Sin(POperation op) { *op->Dest = std::sin(*op->Arg1); }
void Cos(POperation op) { *op->Dest = std::cos(*op->Arg1); }

void Sinh(POperation op)
{
    const double x = *op->Arg1;
    *op->Dest = (std::exp(x) - std::exp(-x)) * 0.5;
}

void Cosh(POperation op)
{
    const double x = *op->Arg1;
    *op->Dest = (std::exp(x) + std::exp(-x)) * 0.5;
}

void ArcTan(POperation op) { *op->Dest = std::atan(*op->Arg1); }
void Exp(POperation op) { *op->Dest = std::exp(*op->Arg1); }
void Ln(POperation op) { *op->Dest = std::log(*op->Arg1); }
void Sqrt(POperation op) { *op->Dest = std::sqrt(*op->Arg1); }
void Abs(POperation op) { *op->Dest = std::fabs(*op->Arg1); }

// A value that compares with nothing gives 1, so the comparison is the quiet one.
void Heav(POperation op) { *op->Dest = std::isless(*op->Arg1, 0.0) ? 0.0 : 1.0; }

void Sign(POperation op)
{
    const double x = *op->Arg1;
    *op->Dest = x < 0.0 ? -1.0 : x > 0.0 ? 1.0 : 0.0;
}

void Zero(POperation op) { *op->Dest = *op->Arg1 == 0.0 ? 0.0 : 1.0; }

void Ph(POperation op)
{
    const double v = *op->Arg1 / 0.6366197723675814;
    const double r = std::nearbyint(v);  // ties to even in the default rounding mode
    *op->Dest = (v - r) * 6.283185307179586;
}

void Rnd(POperation op)
{
    const double u = uniform01();
    *op->Dest = u * std::trunc(*op->Arg1);
}

void Max(POperation op)
{
    const double x = *op->Arg1, y = *op->Arg2;
    *op->Dest = y > x ? y : x;
}

void Min(POperation op)
{
    const double x = *op->Arg1, y = *op->Arg2;
    *op->Dest = y > x ? x : y;
}

void Cotan(POperation op)
{
    const double x = *op->Arg1;
    *op->Dest = std::cos(x) / std::sin(x);
}

void Log10(POperation op) { *op->Dest = std::log10(*op->Arg1); }
void Log2(POperation op) { *op->Dest = std::log2(*op->Arg1); }

void Sqr(POperation op)
{
    const double x = *op->Arg1;
    *op->Dest = x * x;
}

void Trunc(POperation op) { *op->Dest = static_cast<double>(truncate64(*op->Arg1)); }
void Ceil(POperation op) { *op->Dest = static_cast<double>(truncate64(std::ceil(*op->Arg1))); }
void Floor(POperation op) { *op->Dest = static_cast<double>(truncate64(std::floor(*op->Arg1))); }

void Random(POperation op)
{
    const double n = *op->Arg1;
    // An empty interval has no value to draw.
    if (!(n > 0.0)) throw MathError(msg::invalidOperation);
    *op->Dest = uniform01() * n;
}

void Arg(POperation op) { *op->Dest = std::atan2(*op->Arg2, *op->Arg1); }
void LogN(POperation op) { *op->Dest = std::log(*op->Arg2) / std::log(*op->Arg1); }
void Power(POperation op) { *op->Dest = RealPower(*op->Arg1, *op->Arg2); }
void IntPower(POperation op) { *op->Dest = IntegerPower(*op->Arg1, truncate64(*op->Arg2)); }

}  // namespace velmora::ops
