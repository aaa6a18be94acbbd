#include "stats/gauss_jordan.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <vector>

using velmora::stats::gaussJordanInvert;
using velmora::stats::multiplyMatrixVector;

namespace {

constexpr double kTol = 1e-12;

struct InverseCase {
  const char* name;
  std::vector<double> a;
  std::vector<double> inverse;  // worked out by hand or with exact fractions
};

TEST(GaussJordan, InvertsInPlace) {
  const std::vector<InverseCase> cases = {
      {"diagonal", {2, 0, 0, 4}, {0.5, 0, 0, 0.25}},
      {"general 2x2", {1, 2, 3, 4}, {-2, 1, 1.5, -0.5}},
      // Zero first pivot, no row exchange: 1e-15 stands in and leaves its trace.
      {"zero pivot", {0, 1, 1, 0}, {0, 1, 1, -1e-15}},
      {"symmetric 3x3", {4, -2, 1, -2, 4, -2, 1, -2, 4},
       {1.0 / 3, 1.0 / 6, 0, 1.0 / 6, 5.0 / 12, 1.0 / 6, 0, 1.0 / 6, 1.0 / 3}},
      {"1x1", {8}, {0.125}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<double> w = c.a;
    const std::size_t m = static_cast<std::size_t>(std::lround(std::sqrt(double(w.size()))));
    gaussJordanInvert(w, m);
    for (std::size_t k = 0; k < w.size(); ++k) EXPECT_NEAR(w[k], c.inverse[k], kTol) << "element " << k;
  }
}

TEST(GaussJordan, SingularMatrixGivesHugeEntriesWithoutFailure) {
  std::vector<double> w = {1, 2, 2, 4};  // rank 1: the second pivot becomes exactly 0
  std::feclearexcept(FE_ALL_EXCEPT);
  gaussJordanInvert(w, 2);
  // By hand: after pivot 0 the rows are [1 2] [-2 0]; pivot 1 is 0 -> 1e-15.
  EXPECT_DOUBLE_EQ(w[3], 1e15);
  EXPECT_DOUBLE_EQ(w[2], -2e15);
  EXPECT_DOUBLE_EQ(w[1], -2e15);
  EXPECT_DOUBLE_EQ(w[0], 1 + 4e15);
  EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW));
}

TEST(GaussJordan, NanPivotIsKept) {
  std::vector<double> w = {NAN, 1, 1, 1};
  gaussJordanInvert(w, 2);
  for (double v : w) EXPECT_TRUE(std::isnan(v));  // a 1e-15 replacement would give finite entries
}

TEST(GaussJordan, LeavesCallersPendingFlags) {
  std::feclearexcept(FE_ALL_EXCEPT);
  std::feraiseexcept(FE_OVERFLOW);
  std::vector<double> w = {1, 2, 3, 4};
  gaussJordanInvert(w, 2);
  EXPECT_TRUE(std::fetestexcept(FE_OVERFLOW));
  std::feclearexcept(FE_ALL_EXCEPT);
}

TEST(GaussJordan, StepCallbackSeesEachPivotAndCanStop) {
  std::vector<double> w = {1, 2, 3, 4};
  std::vector<std::size_t> seen;
  gaussJordanInvert(w, 2, [&](std::size_t j) {
    seen.push_back(j);
    return false;
  });
  EXPECT_EQ(seen, std::vector<std::size_t>{0});
  // After pivot 0 only: row 0 divided by 1, row 1 minus 3 times row 0.
  EXPECT_EQ(w, (std::vector<double>{1, 2, -3, -2}));
}

TEST(GaussJordan, LargeWellConditionedMatrixTimesInverseIsIdentity) {
  const std::size_t m = 60;
  std::vector<double> a(m * m);
  for (std::size_t r = 0; r < m; ++r)
    for (std::size_t c = 0; c < m; ++c) a[r * m + c] = r == c ? 2.0 * m : std::sin(double(r * 7 + c * 3));
  std::vector<double> w = a;
  gaussJordanInvert(w, m);
  std::vector<double> column(m), product(m);
  for (std::size_t c = 0; c < m; ++c) {
    for (std::size_t r = 0; r < m; ++r) column[r] = w[r * m + c];
    multiplyMatrixVector(a, m, column, product);
    for (std::size_t r = 0; r < m; ++r) EXPECT_NEAR(product[r], r == c ? 1.0 : 0.0, 1e-12);
  }
}

TEST(GaussJordan, MatrixVectorProduct) {
  const std::vector<double> w = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  const std::vector<double> v = {1, 0, -1};
  std::vector<double> b(3);
  multiplyMatrixVector(w, 3, v, b);
  EXPECT_EQ(b, (std::vector<double>{-2, -2, -2}));
}

}  // namespace
