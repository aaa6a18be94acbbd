#include "transform/matrix_algebra.h"

#include <cfenv>
#include <cmath>
#include <utility>

#include "controls/fpcheck.h"

namespace velmora {

namespace {

void swapRows(SquareMatrix& m, int r1, int r2)
{
    for (int c = 0; c < m.n; ++c) std::swap(m(r1, c), m(r2, c));
}

}  // namespace

SquareMatrix SquareMatrix::identity(int size)
{
    SquareMatrix m(size);
    for (int i = 0; i < size; ++i) m(i, i) = 1.0;
    return m;
}

SquareMatrix multiply(const SquareMatrix& a, const SquareMatrix& b)
{
    const int n = a.n;
    SquareMatrix c(n);
    fp::clear();
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            double sum = 0.0;
            for (int k = 0; k < n; ++k) sum += a(i, k) * b(k, j);
            if (std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW)) {
                // Again operation by operation, so that the first fault is
                // the one reported: an overflowing product, not the invalid
                // sum of the infinities it leaves.
                fp::clear();
                sum = 0.0;
                for (int k = 0; k < n; ++k) {
                    const double term = a(i, k) * b(k, j);
                    fp::check();
                    sum += term;
                    fp::check();
                }
            }
            c(i, j) = sum;
        }
    }
    return c;
}

MatrixOutcome invert(const SquareMatrix& a, SquareMatrix& inverse, const MatrixProgress& step)
{
    const int n = a.n;
    SquareMatrix b = a;  // reduced to the identity while `inv` becomes the inverse
    SquareMatrix inv = SquareMatrix::identity(n);
    fp::clear();
    for (int p = 0; p < n; ++p) {
        int best = p;
        for (int i = p + 1; i < n; ++i) {
            if (std::fabs(b(i, p)) > std::fabs(b(best, p))) best = i;
        }
        if (b(best, p) == 0.0) return MatrixOutcome::Singular;
        if (best != p) {
            swapRows(b, p, best);
            swapRows(inv, p, best);
        }
        const double d = b(p, p);
        for (int j = p; j < n; ++j) b(p, j) /= d;
        for (int j = 0; j < n; ++j) inv(p, j) /= d;
        for (int i = 0; i < n; ++i) {
            const double f = b(i, p);
            if (i == p || f == 0.0) continue;
            // Columns left of p are already 0 in row p.
            for (int j = p; j < n; ++j) b(i, j) -= b(p, j) * f;
            for (int j = 0; j < n; ++j) inv(i, j) -= inv(p, j) * f;
        }
        fp::check();
        if (p % 5 == 0 && step(p)) return MatrixOutcome::Stopped;
    }
    inverse = std::move(inv);
    return MatrixOutcome::Done;
}

MatrixOutcome power(const SquareMatrix& a, int e, SquareMatrix& result, const MatrixProgress& step)
{
    if (e <= 1) {
        result = e == 1 ? a : SquareMatrix::identity(a.n);
        return MatrixOutcome::Done;
    }
    result = multiply(a, a);
    for (int s = 3; s <= e; ++s) {
        result = multiply(a, result);
        if ((s - 3) % 50 == 0 && step(s)) return MatrixOutcome::Stopped;
    }
    return MatrixOutcome::Done;
}

}  // namespace velmora
