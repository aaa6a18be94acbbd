#pragma once
// The procedures of the operation kinds and of the standard functions.
// Floating-point faults are left in the status flags for the evaluation to
// report; faults no flag shows (integer division by zero, a value too large
// to truncate) throw MathError at once.
#include "parser/parser.h"

namespace velmora::ops {

// The procedure of a built-in kind; null for the two call kinds, whose
// procedure is the registered function.
TMathProcedure ProcedureOf(TToken kind);

// x to the whole power n by repeated squaring; 1/r for negative n.
double IntegerPower(double x, long long n);
// 1 for exponent 0, 0 for base 0 and a positive exponent, the integer power
// for whole exponents up to 2147483647 in magnitude, invalid for a negative
// base, else exp(e * ln x).
double RealPower(double x, double e);

void Tan(POperation op);
void Sin(POperation op);
void Cos(POperation op);
void Sinh(POperation op);
void Cosh(POperation op);
void ArcTan(POperation op);
void Exp(POperation op);
void Ln(POperation op);
void Sqrt(POperation op);
void Abs(POperation op);
void Heav(POperation op);
void Sign(POperation op);
void Zero(POperation op);
void Ph(POperation op);
void Rnd(POperation op);
void Max(POperation op);
void Min(POperation op);

// The functions offered by the formula windows' list beyond the ones above.
void Cotan(POperation op);     // cos x / sin x
void Log10(POperation op);
void Log2(POperation op);
void Sqr(POperation op);       // x * x
// Whole numbers: toward zero (TRUNC and INT), up, down; beyond the 64-bit
// range, as in MOD and DIV, an invalid operation.
void Trunc(POperation op);
void Ceil(POperation op);
void Floor(POperation op);
void Random(POperation op);    // uniform in [0, n); n <= 0 is an invalid operation
void Arg(POperation op);       // the angle of the point (x, y): atan2(y, x)
void LogN(POperation op);      // LOGN(base, x) = ln x / ln base
void Power(POperation op);     // the real power, as x^y
void IntPower(POperation op);  // x to the power of trunc(n), as x^n with a whole n

}  // namespace velmora::ops
