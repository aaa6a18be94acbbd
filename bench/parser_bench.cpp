// Expression parser: evaluations per second of a compiled formula, and the
// compile time of the costliest formulas of up to 1,000 characters.
#include <benchmark/benchmark.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "parser/parser.h"

namespace {

using velmora::TParser;

void BM_ParserEval(benchmark::State& state)
{
    TParser p;
    p.ParseExpression("2*X+SIN(Y)/(1+X^2)");
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
BENCHMARK(BM_ParserEval);

// The same, with the variables set by name for every evaluation, as the
// column operations do row by row.
void BM_ParserEvalSetVariable(benchmark::State& state)
{
    TParser p;
    p.ParseExpression("2*X+SIN(Y)/(1+X^2)");
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
