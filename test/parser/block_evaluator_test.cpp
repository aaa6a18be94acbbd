// Block evaluation against the row-by-row Value(): the same bits for every
// row, and every fault reported so that the rows can be replayed one by one.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "parser/block_evaluator.h"
#include "parser/parser.h"

namespace velmora {
namespace {

struct Rows {
    std::vector<double> x, y;
};

Rows randomRows(int n, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> spread(-50, 50);
    Rows rows;
    for (int i = 0; i < n; ++i) {
        rows.x.push_back(spread(random));
        rows.y.push_back(i % 7 == 0 ? std::floor(spread(random)) : spread(random));
    }
    return rows;
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(BlockEvaluator, SameValuesAsRowByRow)
{
    const char* formulas[] = {
        "2*X+SIN(Y)/(1+X^2)", "X", "7", "-X", "X-Y-3", "X*X*Y", "X^3-Y^4/(1+X^2)", "X^5+X^-2",
        "(ABS(X))^0.5", "XDIV3+YMOD4", "MAX(X,Y)-MIN(X,PI)", "EXP(X/50)*COS(Y)", "ARG(X,Y)+A",
        "SQR(X)+INTPOWER(Y,3)", "LOG10(ABS(X)+1)-LN(ABS(Y)+1)",
    };
    const Rows rows = randomRows(250, 7);
    for (const char* formula : formulas) {
        TParser p;
        p.A() = 0.125;  // a variable that no array feeds: read from its cell
        const double* x = p.SetVariable("X", 0);
        const double* y = p.SetVariable("Y", 0);
        ASSERT_TRUE(p.ParseExpression(formula)) << formula;
        BlockEvaluator block(p, {x, y}, 100);
        // Uneven blocks, as the windows use them after a first single row.
        for (int first = 0; first < 250;) {
            const int count = first == 0 ? 1 : std::min(100, 250 - first);
            const double* inputs[] = {rows.x.data() + first, rows.y.data() + first};
            std::vector<double> out(count);
            ASSERT_TRUE(block.run(inputs, count, out.data())) << formula;
            for (int i = 0; i < count; ++i) {
                p.X() = rows.x[first + i];
                p.Y() = rows.y[first + i];
                const double expected = p.Value();
                ASSERT_TRUE(sameBits(out[i], expected)) << formula << " row " << first + i << ": " << out[i]
                                                         << " vs " << expected;
            }
            first += count;
        }
    }
}

TEST(BlockEvaluator, AFaultAnywhereInTheBlockIsReported)
{
    // Each formula faults on exactly one row of the block, by flag or by throwing.
    const std::pair<const char*, std::vector<double>> cases[] = {
        {"1/X", {1, 2, 0, 4}},            // division by zero
        {"SQRT(X)", {1, 2, -1, 4}},       // invalid operation
        {"EXP(X)", {1, 2, 1000, 4}},      // overflow
        {"XDIV(X-2)", {1, 3, 2, 4}},      // an integer division that throws
        {"(X-3)^0.5", {4, 5, 2, 6}},      // a real power that throws
    };
    for (const auto& [formula, xs] : cases) {
        TParser p;
        const double* x = p.SetVariable("X", 0);
        ASSERT_TRUE(p.ParseExpression(formula));
        BlockEvaluator block(p, {x}, 8);
        const double* inputs[] = {xs.data()};
        std::vector<double> out(xs.size());
        EXPECT_FALSE(block.run(inputs, static_cast<int>(xs.size()), out.data())) << formula;
        // The rows before the fault alone pass, and the flags are left clear.
        EXPECT_TRUE(block.run(inputs, 2, out.data())) << formula;
        p.X() = xs[0];
        EXPECT_TRUE(sameBits(out[0], p.Value())) << formula;
    }
}

}  // namespace
}  // namespace velmora
