#pragma once
// Products, powers and the inverse of square matrices, as plain functions.
// Floating-point faults end them with their failure.
#include <cstddef>
#include <functional>
#include <vector>

namespace velmora {

// A square matrix of doubles, stored row by row.
struct SquareMatrix {
    int n = 0;
    std::vector<double> a;

    SquareMatrix() = default;
    explicit SquareMatrix(int size) : n(size), a(static_cast<std::size_t>(size) * size, 0.0) {}
    static SquareMatrix identity(int size);

    double& operator()(int r, int c) { return a[static_cast<std::size_t>(r) * n + c]; }
    double operator()(int r, int c) const { return a[static_cast<std::size_t>(r) * n + c]; }
    bool operator==(const SquareMatrix&) const = default;
};

// A progress step of a long computation, given the step's number; true
// stops the computation.
using MatrixProgress = std::function<bool(int step)>;

enum class MatrixOutcome { Done, Stopped, Singular };

// A × B, every element summed over k from 0 up.
SquareMatrix multiply(const SquareMatrix& a, const SquareMatrix& b);

// Gauss-Jordan inversion with partial pivoting: at each pivot the row with
// the largest magnitude in the pivot column is brought up. Singular when
// that magnitude is exactly 0. `step` runs after pivot 0 and every 5 pivots.
MatrixOutcome invert(const SquareMatrix& a, SquareMatrix& inverse, const MatrixProgress& step);

// A^e for e >= 0 by repeated products: A × A, then A × (the previous power)
// for s = 3 to e; `step` runs at s = 3 and every 50 products after it. A^1
// is A and A^0 the identity.
MatrixOutcome power(const SquareMatrix& a, int e, SquareMatrix& result, const MatrixProgress& step);

}  // namespace velmora
