// Expression parser: evaluations per second of a compiled formula (over
// blocks of rows as the formula windows run it, row by row, and muparser's
// for comparison), and the compile time of the costliest formulas of up to
// 1,000 characters.
#include <benchmark/benchmark.h>

#include <muParser.h>

#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "parser/block_evaluator.h"
#include "parser/parser.h"

namespace {

using velmora::TParser;

constexpr const char* evalFormula = "2*X+SIN(Y)/(1+X^2)";
constexpr int blockRows = 100;  // the formula windows' block between progress steps

// The rows every evaluation benchmark walks through, repeatedly.
struct EvalRows {
    std::vector<double> x, y;
    EvalRows()
    {
        for (int i = 0; i < 1000; ++i) {
            x.push_back(0.25 + i * 1e-3);
            y.push_back(0.5 - i * 1e-3);
        }
    }
};
const EvalRows evalRows;

void BM_ParserEval(benchmark::State& state)
{
    TParser p;
    const double* x = p.SetVariable("X", 0);
    const double* y = p.SetVariable("Y", 0);
    p.ParseExpression(evalFormula);
    velmora::BlockEvaluator block(p, {x, y}, blockRows);
    std::vector<double> out(blockRows);
    // Every value is checked against Value() once, outside the timing.
    for (int first = 0; first < 1000; first += blockRows) {
        const double* inputs[] = {evalRows.x.data() + first, evalRows.y.data() + first};
        if (!block.run(inputs, blockRows, out.data())) throw std::runtime_error("fault in the benchmark's rows");
        for (int i = 0; i < blockRows; ++i) {
            p.X() = evalRows.x[first + i];
            p.Y() = evalRows.y[first + i];
            if (p.Value() != out[i]) throw std::runtime_error("block value differs from Value()");
        }
    }
    int first = 0;
    double sum = 0;
    for (auto _ : state) {
        const double* inputs[] = {evalRows.x.data() + first, evalRows.y.data() + first};
        if (!block.run(inputs, blockRows, out.data())) state.SkipWithError("fault");
        sum += out[blockRows - 1];
        first = (first + blockRows) % 1000;
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * blockRows);
}
BENCHMARK(BM_ParserEval);

// The same formula with muparser, one value per Eval as it is ordinarily used.
void BM_ParserEvalMuparser(benchmark::State& state)
{
    mu::Parser p;
    double x = 0, y = 0;
    p.DefineVar("X", &x);
    p.DefineVar("Y", &y);
    p.SetExpr("2*X+sin(Y)/(1+X^2)");
    int i = 0;
    double sum = 0;
    for (auto _ : state) {
        x = evalRows.x[i];
        y = evalRows.y[i];
        sum += p.Eval();
        i = (i + 1) % 1000;
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParserEvalMuparser);

// One value at a time through Value().
void BM_ParserValue(benchmark::State& state)
{
    TParser p;
    p.ParseExpression(evalFormula);
    double x = 0.25, y = 0.5, sum = 0;
    for (auto _ : state) {
        // The letter variables are bound by reference: writing the field is
        // what a new row does.
        p.X() = x;
        p.Y() = y;
        sum += p.Value();
        x += 1e-7;
        y -= 1e-7;
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParserValue);

// The same, with the variables set by name for every evaluation, as the
// column operations do row by row.
void BM_ParserEvalSetVariable(benchmark::State& state)
{
    TParser p;
    p.ParseExpression(evalFormula);
    double x = 0.25, y = 0.5, sum = 0;
    for (auto _ : state) {
        p.SetVariable("X", x);
        p.SetVariable("Y", y);
        sum += p.Value();
        x += 1e-7;
        y -= 1e-7;
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParserEvalSetVariable);

std::string repeatUpTo(std::size_t length, const std::vector<std::string>& atoms, const std::vector<std::string>& ops,
                       unsigned seed)
{
    std::mt19937 random(seed);
    std::string s;
    for (;;) {
        const std::string atom = atoms[random() % atoms.size()];
        const std::string op = ops[random() % ops.size()];
        if (s.size() + atom.size() + op.size() + 1 > length) break;
        s += atom + op;
    }
    return s + "X";
}

struct Worst {
    const char* name;
    std::string text;
};

const std::vector<Worst>& worstFormulas()
{
    static const std::vector<Worst> formulas = [] {
        std::vector<Worst> w;
        w.push_back({"deep_brackets", std::string(499, '(') + "X" + std::string(499, ')')});
        w.push_back({"deep_negated_brackets", [] {
                         std::string s;
                         for (int k = 0; k < 333; ++k) s += "-(";
                         return s + "X" + std::string(333, ')');
                     }()});
        w.push_back({"minus_chain", repeatUpTo(1000, {"X"}, {"-"}, 1)});
        w.push_back({"signed_products", repeatUpTo(1000, {"1", "-1"}, {"*"}, 22)});
        w.push_back({"mixed_group_ops", repeatUpTo(1000, {"MAX(X,1)", "-1", "X"}, {"*", "DIV", "/", "MOD", "-"}, 363)});
        w.push_back({"mixed_all_ops", repeatUpTo(1000, {"X", "1", "-1", "(X)", "SIN(X)", "PI"},
                                                 {"+", "-", "*", "/", "^", "DIV", "MOD"}, 7)});
        w.push_back({"calls_and_brackets", repeatUpTo(1000, {"SIN(X)", "(X)", "MAX(X,(1))", "-(X)", "XMODX"},
                                                      {"/", "-", "MOD", "*"}, 360)});
        w.push_back({"signed_group_ops", repeatUpTo(1000, {"1", "-1"}, {"DIV", "/", "*"}, 174)});
        w.push_back({"calls_with_commas", repeatUpTo(1000, {"MAX(X,1)", "SIN(X)", "-1"}, {"/", "DIV", ",", "-"}, 525)});
        // A formula that compiles: the most operations the level limits allow
        // in a text of 1,000 characters, brackets balanced.
        w.push_back({"balanced_sums", [] {
                         std::function<std::string(int)> tree = [&](int d) -> std::string {
                             return d == 0 ? "X" : "(" + tree(d - 1) + "+" + tree(d - 1) + ")";
                         };
                         return tree(5) + "*" + tree(5) + "-" + tree(5) + "*" + tree(4);
                     }()});
        return w;
    }();
    return formulas;
}

void BM_ParserCompileWorst(benchmark::State& state)
{
    const Worst& w = worstFormulas()[static_cast<std::size_t>(state.range(0))];
    TParser p;
    p.SetOnParserError([](velmora::TCustomParser*, velmora::EMathParserError&) {});
    bool compiled = false;
    for (auto _ : state) {
        compiled = p.ParseExpression(w.text);
        benchmark::DoNotOptimize(compiled);
    }
    state.SetLabel(std::string(w.name) + " (" + std::to_string(w.text.size()) + " chars, " +
                   (compiled ? "compiles" : "fails") + ")");
}
BENCHMARK(BM_ParserCompileWorst)->DenseRange(0, 9)->Unit(benchmark::kMillisecond);

}  // namespace
