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

}  // namespace velmora::ops
