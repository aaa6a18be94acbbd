#include "stats/correlogram_lags.h"

#include <memory>
#include <new>

#include <fftw3.h>

#include "stats/correlogram.h"

namespace velmora::stats {

namespace {

struct FftwFree {
    void operator()(void* p) const { fftw_free(p); }
};
using RealBuffer = std::unique_ptr<double[], FftwFree>;
using ComplexBuffer = std::unique_ptr<fftw_complex[], FftwFree>;

// The smallest 2^a 3^b 5^c not below `at`: lengths the transform does fast.
long long smoothSize(long long at)
{
    long long best = 1;
    while (best < at) best *= 2;
    for (long long p5 = 1; p5 < best; p5 *= 5)
        for (long long p35 = p5; p35 < best; p35 *= 3) {
            long long s = p35;
            while (s < at) s *= 2;
            if (s < best) best = s;
        }
    return best;
}

// Sum over t = k .. n-1 of d[t] d[t-k] for k = 0 .. kmax, d the deviations
// from the mean: the inverse transform of the power spectrum. Padding to at
// least n + kmax keeps the lags wanted free of wrap-around.
std::vector<double> lagProducts(const double* y, int n, double mean, int kmax)
{
    const long long size = smoothSize(static_cast<long long>(n) + kmax + 1);
    const long long bins = size / 2 + 1;
    RealBuffer signal(fftw_alloc_real(static_cast<std::size_t>(size)));
    ComplexBuffer spectrum(fftw_alloc_complex(static_cast<std::size_t>(bins)));
    if (!signal || !spectrum) throw std::bad_alloc();
    for (int t = 0; t < n; ++t) signal[t] = y[t] - mean;
    for (long long t = n; t < size; ++t) signal[t] = 0.0;

    const int length = static_cast<int>(size);
    fftw_plan forward = fftw_plan_dft_r2c_1d(length, signal.get(), spectrum.get(), FFTW_ESTIMATE);
    fftw_execute(forward);
    fftw_destroy_plan(forward);
    for (long long b = 0; b < bins; ++b) {
        const double re = spectrum[b][0], im = spectrum[b][1];
        spectrum[b][0] = re * re + im * im;
        spectrum[b][1] = 0.0;
    }
    fftw_plan backward = fftw_plan_dft_c2r_1d(length, spectrum.get(), signal.get(), FFTW_ESTIMATE);
    fftw_execute(backward);
    fftw_destroy_plan(backward);

    std::vector<double> products(static_cast<std::size_t>(kmax) + 1);
    for (int k = 0; k <= kmax; ++k) products[k] = signal[k] / static_cast<double>(size);
    return products;
}

}  // namespace

CorrelogramRange correlogramOverLags(const double* y, int n, double mean, int kmin, int kmax)
{
    CorrelogramRange r;
    const int count = kmax - kmin + 1;
    if (count <= 0) return r;
    r.numerators.resize(count);
    r.denominators.resize(count);
    if (static_cast<double>(n) * count <= directSumsLimit) {
        for (int k = kmin; k <= kmax; ++k) {
            const CorrelogramSums s = correlogramSums(y, n, mean, k);
            r.numerators[k - kmin] = s.numerator;
            r.denominators[k - kmin] = s.denominator;
        }
        return r;
    }
    const std::vector<double> products = lagProducts(y, n, mean, kmax);
    for (int k = kmin; k <= kmax; ++k) r.numerators[k - kmin] = products[k];
    // Suffix sums, from the last row down to row kmin.
    double suffix = 0.0;
    int t = n - 1;
    for (int k = kmax; k >= kmin; --k) {
        for (; t >= k; --t) {
            const double d = y[t] - mean;
            suffix += d * d;
        }
        r.denominators[k - kmin] = suffix;
    }
    return r;
}

}  // namespace velmora::stats
