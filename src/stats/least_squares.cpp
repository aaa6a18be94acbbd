#include "stats/least_squares.h"

#include "stats/gauss_jordan.h"

namespace velmora::stats {

std::vector<double> fitLinearModel(std::span<const double> design, std::span<const double> response, std::size_t p)
{
    const std::size_t m = response.size();
    std::vector<double> normal(p * p, 0.0), v(p, 0.0);
    // One pass over the rows: each product of D'D is summed in row order, as
    // the product of the transpose with D would sum it; the matrix is
    // symmetric, so its upper half is mirrored.
    for (std::size_t r = 0; r < m; ++r) {
        const double* row = design.data() + r * p;
        for (std::size_t i = 0; i < p; ++i) {
            const double di = row[i];
            double* out = normal.data() + i * p;
            for (std::size_t j = i; j < p; ++j) out[j] += di * row[j];
            v[i] += di * response[r];
        }
    }
    for (std::size_t i = 0; i < p; ++i)
        for (std::size_t j = 0; j < i; ++j) normal[i * p + j] = normal[j * p + i];
    gaussJordanInvert(normal, p);
    std::vector<double> b(p);
    multiplyMatrixVector(normal, p, v, b);
    return b;
}

}  // namespace velmora::stats
