// The grammar as the compiled list shows it: readings, power kinds, limits,
// syntax failure messages, and agreement with a plain transcription of the
// recognition rules on many small random formulas.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <random>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "parser/parser.h"
#include "parser_test_support.h"

namespace velmora {
namespace {

using testing::readBack;

class Compiled : public ::testing::Test {
protected:
    Compiled()
    {
        for (const char* name : {"A", "B", "C", "X", "Y", "XMODY", "PESO"}) cells[p.SetVariable(name, 1.0)] = name;
    }
    std::string reading(const std::string& text)
    {
        EXPECT_TRUE(p.ParseExpression(text)) << text;
        return readBack(p, cells);
    }
    std::string failure(const std::string& text)
    {
        try {
            p.ParseExpression(text);
        } catch (const EMathParserError& e) {
            EXPECT_EQ(p.LinkedOperationList(), nullptr);
            EXPECT_TRUE(p.ParserError());
            return e.what();
        }
        return "<compiled>";
    }
    TParser p;
    std::map<const double*, std::string> cells;
};

struct ReadingCase {
    const char* text;
    const char* reading;
};

TEST_F(Compiled, ReadsPrecedenceAndAssociativity)
{
    const ReadingCase cases[] = {
        {"A-B-C", "((A-B)-C)"},
        {"A+B-C", "(A+(B-C))"},
        {"A-B+C", "((A-B)+C)"},
        {"A+B+C", "(A+(B+C))"},
        {"A*B*C", "(A*(B*C))"},
        {"A/BDIVC", "((A/B) DIV C)"},
        {"A*BDIVC", "(A*(B DIV C))"},
        {"ADIVB*C", "((A DIV B)*C)"},
        {"AMODB/C", "((A MOD B)/C)"},
        {"A+B*C", "(A+(B*C))"},
        {"A*B+C", "((A*B)+C)"},
        {"-A^2", "(-(A^2))"},
        {"-A-B", "((-A)-B)"},
        {"-2-X", "(-2-X)"},
        {"-A+B", "((-A)+B)"},
        {"-(A+B)*C", "((-(A+B))*C)"},
        {"2*-3", "(2*-3)"},
        {"2*(-X)", "(2*(-X))"},
        {"2^-1", "(2^i-1)"},
        {"(A^B)^C", "((A^B)^C)"},
        {"A^(B^C)", "(A^(B^C))"},
        {"2/XMODY", "((2/X) MOD Y)"},
        {"XMODY*2", "(XMODY*2)"},
        {"SIN(X)+COS(X)", "(SIN(X)+COS(X))"},
        {"MAX(MIN(A,B),C)", "MAX(MIN(A,B),C)"},
        {"SIN((X))", "SIN(X)"},
        {"((X))", "X"},
        {"  (A)  ", "A"},
        {"((A+B))*((C))", "((A+B)*C)"},
        {"pi", "3.14159265358979"},
        {"-PI", "-3.14159265358979"},
        {"PI*2", "(3.14159265358979*2)"},
        {"x*1e5", "(X*100000)"},
        {"2*+3", "(2*3)"},
        {".5+5.", "(0.5+5)"},
        {"1E-5-X", "(1e-05-X)"},
        {"peso*2", "(PESO*2)"},
    };
    for (const auto& c : cases) EXPECT_EQ(reading(c.text), c.reading) << c.text;
}

TEST_F(Compiled, PowerKindFollowsTheExponent)
{
    const std::pair<const char*, TToken> cases[] = {
        {"X^2", TToken::square},         {"X^2.0", TToken::square},       {"X^3", TToken::third},
        {"X^4", TToken::fourth},         {"X^5", TToken::integerpower},   {"X^-2", TToken::integerpower},
        {"X^0", TToken::integerpower},   {"X^2.5", TToken::realpower},    {"X^Y", TToken::realpower},
        {"X^(2)", TToken::realpower},    {"X^PI", TToken::realpower},     {"X^1E10", TToken::realpower},
        {"X^SIN(Y)", TToken::realpower}, {"X^2147483647", TToken::integerpower},
    };
    for (const auto& [text, kind] : cases) {
        ASSERT_TRUE(p.ParseExpression(text)) << text;
        POperation op = p.LinkedOperationList();
        ASSERT_NE(op, nullptr);
        while (op->NextOperation) op = op->NextOperation;  // the power is the whole expression
        EXPECT_EQ(op->Token, kind) << text;
        // The small whole powers carry no exponent operand.
        const bool noExponent = kind == TToken::square || kind == TToken::third || kind == TToken::fourth;
        EXPECT_EQ(op->Arg2 == nullptr, noExponent) << text;
    }
}

TEST_F(Compiled, SingleTermIsThePlaceholderReadingTheCell)
{
    const PParserFloat x = p.SetVariable("X", 4);
    ASSERT_TRUE(p.ParseExpression("((X))"));
    const POperation op = p.LinkedOperationList();
    ASSERT_NE(op, nullptr);
    EXPECT_EQ(op->NextOperation, nullptr);
    EXPECT_EQ(op->Token, TToken::variab);
    EXPECT_EQ(op->Arg1, x);
    EXPECT_EQ(op->Dest, x);
    EXPECT_EQ(p.Value(), 4);
}

TEST_F(Compiled, ListRunsDeepestLevelFirst)
{
    ASSERT_TRUE(p.ParseExpression("2*X+SIN(Y)/(1+X^2)"));
    std::vector<TToken> kinds;
    for (POperation op = p.LinkedOperationList(); op; op = op->NextOperation) kinds.push_back(op->Token);
    const std::vector<TToken> expected = {TToken::square, TToken::FuncOneVar, TToken::sum,
                                          TToken::prod,   TToken::divis,      TToken::sum};
    EXPECT_EQ(kinds, expected);
}

std::string ones(int count, const char* op = "+")
{
    std::string s = "1";
    for (int k = 1; k < count; ++k) s += std::string(op) + "1";
    return s;
}

// A balanced, fully bracketed sum of 2^depth variables.
std::string balancedSum(int depth)
{
    if (depth == 0) return "X";
    const std::string half = balancedSum(depth - 1);
    return "(" + half + "+" + half + ")";
}

TEST_F(Compiled, LevelLimits)
{
    EXPECT_TRUE(p.ParseExpression(ones(21)));
    EXPECT_EQ(p.Value(), 21);
    EXPECT_EQ(failure(ones(22)), "Expression contains too many nestings");
    // Chains of "-" nest on the left, just as deep.
    EXPECT_TRUE(p.ParseExpression(ones(21, "-")));
    EXPECT_EQ(p.Value(), -19);
    EXPECT_EQ(failure(ones(22, "-")), "Expression contains too many nestings");

    p.SetVariable("X", 1);
    EXPECT_TRUE(p.ParseExpression(balancedSum(6)));  // 32 operations on the deepest level
    EXPECT_EQ(p.Value(), 64);
    EXPECT_EQ(failure(balancedSum(7)), "Expression is too complex");  // 64 on one level
}

TEST_F(Compiled, FailureMessages)
{
    const std::pair<const char*, const char*> cases[] = {
        {"A B", "Expression has blanks"},
        {"(A", "Missing brackets in expression"},
        {"A)", "Missing brackets in expression"},
        {"X^2^3", "Error parsing expression:\rX^2\r3"},
        {"A*-B", "Error parsing expression:\rA\r-B"},
        {"2*-X", "Error parsing expression:\r2\r-X"},
        {")A(", "Error parsing expression:\r)A("},
        {"cosec(x)", "Error parsing expression:\rCOSEC(X)"},  // no such function
        {"Q+1", "Error parsing expression:\rQ\r1"},
        {"+3+X", "Error parsing expression:\r+3+X"},
        {"MAX(A,B+)", "Error parsing expression:\rA\rB+"},
        {"SIN(A,B)", "Error parsing expression:\rSIN(A,B)"},
        {"()", "Error parsing expression:\r()"},
        {"   ", "Error parsing expression:\r"},
    };
    for (const auto& [text, message] : cases) EXPECT_EQ(failure(text), message) << text;
    // Blanks at the ends are trimmed.
    EXPECT_EQ(reading("  A+B "), "(A+B)");
}

// ---- A plain transcription of the rules, exponential but obviously right --

class ReferenceRules {
public:
    std::set<std::string> variables{"A", "X", "Y", "XMODY", "E", "XE", "\xce\x94"};
    std::set<std::string> one{"SIN"};
    std::set<std::string> two{"MAX"};

    enum R { V, N, B, Neg, Sum, Dif, Prd, IDv, Mdl, Dvs, Pow, F1, F2 };

    static bool balanced(const std::string& s)
    {
        return std::count(s.begin(), s.end(), '(') == std::count(s.begin(), s.end(), ')');
    }
    static bool numberText(const std::string& s)
    {
        static const std::regex literal(R"([+-]?([0-9]+\.?[0-9]*|\.[0-9]+)(E[+-]?[0-9]+)?)");
        // Beyond the range of a double a literal is no number.
        return s == "PI" || s == "-PI" || (std::regex_match(s, literal) && std::isfinite(std::strtod(s.c_str(), nullptr)));
    }
    static std::string strip(const std::string& s, ReferenceRules& r)
    {
        std::string t = s;
        while (r.is(B, t)) t = t.substr(1, t.size() - 2);
        return t;
    }

    bool valid(const std::string& s)
    {
        for (R r : {N, V, Neg, Sum, Dif, Prd, IDv, Mdl, Dvs, Pow, F2, F1, B})
            if (is(r, s)) return true;
        return false;
    }
    bool any(std::initializer_list<R> rules, const std::string& s)
    {
        for (R r : rules)
            if (is(r, s)) return true;
        return false;
    }
    bool is(R r, const std::string& s)
    {
        std::string l, rr;
        return rule(r, s, l, rr, nullptr);
    }

    // Accepts or not; on acceptance l and r hold the raw operand texts.
    // `tried` collects the halves a failing rule tried.
    bool rule(R r, const std::string& s, std::string& l, std::string& rt, std::pair<std::string, std::string>* tried)
    {
        if (s.empty()) return false;
        switch (r) {
        case V: return variables.count(s) > 0;
        case N: return numberText(s);
        case B: return s.size() >= 2 && s.front() == '(' && s.back() == ')' && valid(s.substr(1, s.size() - 2));
        case Neg:
            l = s.substr(1);
            return s[0] == '-' && any({B, V, Pow, F1, F2}, l);
        case F1: {
            const auto k = s.find('(');
            if (k == std::string::npos || k == 0 || !one.count(s.substr(0, k))) return false;
            l = s.substr(k + 1, s.size() - k - 2);
            return is(B, s.substr(k));
        }
        case F2: {
            const auto k = s.find('(');
            if (k == std::string::npos || k == 0 || s.back() != ')' || !two.count(s.substr(0, k))) return false;
            const std::string inside = s.substr(k + 1, s.size() - k - 2);
            for (std::size_t c = inside.find(','); c != std::string::npos; c = inside.find(',', c + 1)) {
                if (c == 0 || c == inside.size() - 1) return false;
                l = inside.substr(0, c);
                rt = inside.substr(c + 1);
                if (tried) *tried = {l, rt};
                if (valid(l) && valid(rt)) return true;
            }
            return false;
        }
        default: break;
        }
        static const std::map<R, std::pair<std::string, std::pair<std::vector<R>, std::vector<R>>>> ops = {
            {Sum, {"+", {{V, N, B, Neg, Dif, Prd, IDv, Mdl, Dvs, Pow, F1, F2}, {V, N, B, Sum, Dif, Prd, IDv, Mdl, Dvs, Pow, F1, F2}}}},
            {Dif, {"-", {{V, N, B, Neg, Dif, Prd, IDv, Mdl, Dvs, Pow, F1, F2}, {V, N, B, Prd, IDv, Mdl, Dvs, Pow, F1, F2}}}},
            {Prd, {"*", {{V, N, B, Neg, IDv, Mdl, Dvs, Pow, F1, F2}, {V, N, B, Prd, IDv, Mdl, Dvs, Pow, F1, F2}}}},
            {IDv, {"DIV", {{V, N, B, Neg, IDv, Mdl, Dvs, Pow, F1, F2}, {V, N, B, Pow, F1, F2}}}},
            {Mdl, {"MOD", {{V, N, B, Neg, IDv, Mdl, Dvs, Pow, F1, F2}, {V, N, B, Pow, F1, F2}}}},
            {Dvs, {"/", {{V, N, B, Neg, IDv, Mdl, Dvs, Pow, F1, F2}, {V, N, B, Pow, F1, F2}}}},
            {Pow, {"^", {{V, N, B, F1, F2}, {N, V, B, F1, F2}}}},
        };
        const auto& [op, sides] = ops.at(r);
        for (std::size_t p = s.find(op); p != std::string::npos; p = s.find(op, p + 1)) {
            if (p == 0) {
                if (r == Dif) continue;
                return false;
            }
            if (p == s.size() - 1) return false;
            l = s.substr(0, p);
            rt = s.substr(p + op.size());
            if (tried) *tried = {l, rt};
            if (!balanced(l) || !balanced(rt)) continue;
            bool left = false, right = false;
            for (R x : sides.first) left = left || is(x, l);
            if (!left) continue;
            for (R x : sides.second) right = right || is(x, rt);
            if (right) return true;
        }
        return false;
    }

    // The reading of a term in the notation of readBack, or the failure.
    std::string read(const std::string& s, bool root = true)
    {
        std::pair<std::string, std::string> tried{" ", " "};
        for (R r : {V, N, Neg, Sum, Dif, Prd, IDv, Mdl, Dvs, Pow, F1, F2}) {
            std::string l, rt;
            if (!rule(r, s, l, rt, root ? &tried : nullptr)) continue;
            switch (r) {
            case V: return s;
            case N: return testing::formatNumber(s == "PI" ? 3.141592653589793 : s == "-PI" ? -3.141592653589793 : std::strtod(s.c_str(), nullptr));
            case Neg: return "(-" + read(strip(l, *this), false) + ")";
            case F1: return "SIN(" + read(strip(l, *this), false) + ")";
            case F2: return "MAX(" + read(strip(l, *this), false) + "," + read(strip(rt, *this), false) + ")";
            case Pow:
                if (numberText(rt)) {
                    const double v = rt == "PI" ? 3.14159 : rt == "-PI" ? -3.14159 : std::strtod(rt.c_str(), nullptr);
                    if (v >= -2147483648.0 && v <= 2147483647.0 && v == static_cast<int>(v)) {
                        const int e = static_cast<int>(v);
                        if (e >= 2 && e <= 4) return "(" + read(strip(l, *this), false) + "^" + std::to_string(e) + ")";
                        return "(" + read(strip(l, *this), false) + "^i" + read(strip(rt, *this), false) + ")";
                    }
                }
                return "(" + read(strip(l, *this), false) + "^" + read(strip(rt, *this), false) + ")";
            default: {
                static const std::map<R, std::string> symbol = {{Sum, "+"},     {Dif, "-"},     {Prd, "*"},
                                                               {IDv, " DIV "}, {Mdl, " MOD "}, {Dvs, "/"}};
                return "(" + read(strip(l, *this), false) + symbol.at(r) + read(strip(rt, *this), false) + ")";
            }
            }
        }
        if (tried.first != " ") return "Error parsing expression:\r" + tried.first + "\r" + tried.second;
        return "Error parsing expression:\r" + s;
    }
};

TEST(CompilerAgreement, MatchesThePlainRulesOnRandomFormulas)
{
    TCustomParser parser;
    std::map<const double*, std::string> cells;
    for (const char* name : {"A", "X", "Y", "XMODY", "E", "XE", "\xce\x94"}) cells[parser.SetVariable(name, 1.0)] = name;
    // Standard procedures, so that readBack can name them.
    parser.AddFunctionOneParam("SIN", ops::Sin);
    parser.AddFunctionTwoParam("MAX", ops::Max);
    ReferenceRules reference;

    const std::vector<std::string> tokens = {"A", "X", "Y", "XMODY", "E", "XE", "\xce\x94", "1", "2", ".5", "3E",
                                             "PI", "-", "-", "+", "+", "*", "/", "^", "DIV", "MOD", "(", ")", "(",
                                             ")", ",", "SIN(", "MAX("};
    std::mt19937 random(2024);
    int compared = 0, accepted = 0;
    for (int trial = 0; trial < 40000; ++trial) {
        std::string text;
        const int length = 1 + static_cast<int>(random() % 10);
        for (int k = 0; k < length; ++k) text += tokens[random() % tokens.size()];
        if (!ReferenceRules::balanced(text)) continue;

        std::string root = ReferenceRules::strip(text, reference);
        const std::string expected = reference.read(root);
        std::string got;
        try {
            parser.ParseExpression(text);
            got = testing::readBack(parser, cells);
            ++accepted;
        } catch (const EMathParserError& e) {
            got = e.what();
        }
        ASSERT_EQ(got, expected) << "formula: " << text;
        ++compared;
    }
    // The sample must exercise both outcomes in earnest.
    EXPECT_GT(compared, 5000);
    EXPECT_GT(accepted, 500);
}

}  // namespace
}  // namespace velmora
