#include "stats/gauss_jordan.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

// A 200 x 200 inversion; goal: under 20 ms.
static void BM_GaussJordan(benchmark::State& state) {
  const auto m = static_cast<std::size_t>(state.range(0));
  std::vector<double> a(m * m);
  for (std::size_t r = 0; r < m; ++r)
    for (std::size_t c = 0; c < m; ++c) a[r * m + c] = r == c ? 2.0 * m : std::sin(double(r * 7 + c * 3));
  std::vector<double> w(m * m);
  for (auto _ : state) {
    w = a;
    velmora::stats::gaussJordanInvert(w, m);
    benchmark::DoNotOptimize(w.data());
  }
}
BENCHMARK(BM_GaussJordan)->Arg(200)->Unit(benchmark::kMillisecond);
