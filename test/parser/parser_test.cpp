// The parser as its users see it: values, arithmetic failures, variables
// bound by reference, function tables, failure reporting.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <string>

#include "parser/parser.h"

namespace velmora {
namespace {

constexpr double pi = 3.141592653589793;

class Values : public ::testing::Test {
protected:
    Values()
    {
        p.SetVariable("A", 2);
        p.SetVariable("B", 3);
        p.SetVariable("C", 5);
        p.SetVariable("D", 7);
        p.SetVariable("X", 0.5);
        p.SetVariable("Y", 3);
        p.SetVariable("XMODY", 4);
    }
    double value(const std::string& text)
    {
        EXPECT_TRUE(p.ParseExpression(text)) << text;
        return p.Value();
    }
    std::string mathFailure(const std::string& text)
    {
        EXPECT_TRUE(p.ParseExpression(text)) << text;
        try {
            p.Value();
        } catch (const MathError& e) {
            return e.what();
        }
        return "<no failure>";
    }
    TParser p;
};

TEST_F(Values, NoExpressionGivesZero)
{
    TParser fresh;
    EXPECT_EQ(fresh.Value(), 0);
    EXPECT_EQ(fresh.LinkedOperationList(), nullptr);
    EXPECT_TRUE(p.ParseExpression("A+1"));
    EXPECT_FALSE(p.ParseExpression(""));
    EXPECT_EQ(p.LinkedOperationList(), nullptr);
    EXPECT_EQ(p.Value(), 0);
}

TEST_F(Values, Expressions)
{
    const std::pair<const char*, double> cases[] = {
        {"3*5DIV2", 6},
        {"3*5/2", 7.5},
        {"10-4-3", 3},
        {"7MOD(-2)", 1},
        {"-7MOD2", -1},
        {"7.9DIV2", 3},
        {"-7.9DIV2", -3},
        {"2^-1", 0.5},
        {"2^10", 1024},
        {"(-2)^3", -8},
        {"(-2)^Y", -8},  // a whole real exponent multiplies out
        {"0^0", 1},
        {"0^2.5", 0},
        {"4^0.5", 2},
        {"X^2", 0.25},
        {"X^3", 0.125},
        {"X^4", 0.0625},
        {"-A^2", -4},
        {"-A-B", -5},
        {"-A+B", 1},
        {"-2-X", -2.5},
        {"2*-3", -6},
        {"2*(-X)", -1},
        {"A*BDIVC", 0},  // A*(B DIV C)
        {"DDIVB*C", 10},  // (D DIV B)*C
        {"20/ADIVB", 3},  // (20/A) DIV B
        {"2/XMODY", 1},   // (2/X) MOD Y
        {"XMODY", 4},
        {"ZERO(0)", 0},
        {"ZERO(5)", 1},
        {"HEAV(0)", 1},
        {"HEAV(-0.1)", 0},
        {"SIGN(-3)", -1},
        {"SIGN(0)", 0},
        {"SIGN(0.2)", 1},
        {"MAX(2,3)", 3},
        {"MIN(2,3)", 2},
        {"MAX(MIN(A,B),C)", 5},
        {"ABS(-2.5)", 2.5},
        {"SQRT(16)", 4},
        {"pi", pi},
        {"-PI", -pi},
        {"PI*2", 2 * pi},
        {"1e3+1E-3", 1000.001},
        {"-(A+B)*C", -25},
        {"((A))", 2},
        {"1+1+1+1", 4},
    };
    for (const auto& [text, expected] : cases) EXPECT_DOUBLE_EQ(value(text), expected) << text;
    EXPECT_DOUBLE_EQ(value("9E18MOD7"), static_cast<double>(9000000000000000000LL % 7));
}

TEST_F(Values, StandardFunctionsUseThePlatformArithmetic)
{
    p.SetVariable("X", 0.7);
    const std::pair<const char*, double> cases[] = {
        {"TAN(X)", std::tan(0.7)},
        {"SIN(X)", std::sin(0.7)},
        {"COS(X)", std::cos(0.7)},
        {"SINH(X)", (std::exp(0.7) - std::exp(-0.7)) * 0.5},
        {"COSH(X)", (std::exp(0.7) + std::exp(-0.7)) * 0.5},
        {"ARCTAN(X)", std::atan(0.7)},
        {"EXP(X)", std::exp(0.7)},
        {"LN(X)", std::log(0.7)},
        {"X^2.5", std::exp(2.5 * std::log(0.7))},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(value(text), expected) << text;
}

// The functions the formula windows offer beyond the standard set, each
// with a value (figures from Python's math module) and the fault it meets.
TEST_F(Values, OfferedFunctions)
{
    const std::pair<const char*, double> values[] = {
        {"COTAN(0.5)", 1.830487721712452},
        {"LOG10(0.001)", -3},
        {"LOG2(0.125)", -3},
        {"LOGN(2,8)", 3},
        {"LOGN(10,100)", 2},
        {"SQR(-1.5)", 2.25},
        {"POWER(4,0.5)", 2},
        {"POWER(-2,3)", -8},
        {"INTPOWER(2,-2)", 0.25},
        {"INTPOWER(2,3.9)", 8},
        {"TRUNC(-2.7)", -2},
        {"INT(2.7)", 2},
        {"CEIL(-2.5)", -2},
        {"CEIL(2.1)", 3},
        {"FLOOR(-2.5)", -3},
        {"FLOOR(2.9)", 2},
        {"ARG(-1,0)", 3.141592653589793},
        {"ARG(1,-1)", -0.7853981633974483},
        {"ARG(0,0)", 0},  // no fault of its own: the origin has angle 0
        {"SQR(A)+POWER(A,B)", 12},
    };
    for (const auto& [text, expected] : values) EXPECT_DOUBLE_EQ(value(text), expected) << text;

    const std::pair<const char*, const char*> faults[] = {
        {"COTAN(0)", "Floating point division by zero"},
        {"LOG10(-1)", "Invalid floating point operation"},
        {"LOG10(0)", "Floating point division by zero"},
        {"LOG2(-1)", "Invalid floating point operation"},
        {"LOGN(1,5)", "Floating point division by zero"},
        {"LOGN(-2,8)", "Invalid floating point operation"},
        {"SQR(1E200)", "Floating point overflow"},
        {"POWER(-8,1/3)", "Invalid floating point operation"},
        {"INTPOWER(0,-1)", "Floating point division by zero"},
        {"INTPOWER(2,1E19)", "Invalid floating point operation"},
        {"TRUNC(1E19)", "Invalid floating point operation"},
        {"INT(-1E19)", "Invalid floating point operation"},
        {"CEIL(1E19)", "Invalid floating point operation"},
        {"FLOOR(-1E20)", "Invalid floating point operation"},
        {"RANDOM(0)", "Invalid floating point operation"},
        {"RANDOM(-1)", "Invalid floating point operation"},
    };
    for (const auto& [text, message] : faults) EXPECT_EQ(mathFailure(text), message) << text;

    ASSERT_TRUE(p.ParseExpression("RANDOM(2.5)"));
    const double first = p.Value();
    bool differs = false;
    for (int k = 0; k < 50; ++k) {
        const double v = p.Value();
        EXPECT_GE(v, 0);
        EXPECT_LT(v, 2.5);
        differs = differs || v != first;
    }
    EXPECT_TRUE(differs);
}

TEST_F(Values, PhaseFoldsIntoHalfTurnsTiesToEven)
{
    const double c = 0.6366197723675814;
    EXPECT_EQ(value("PH(0)"), 0);
    // Exactly two and a half quarter-turn units: rounds to 2, leaving +pi;
    // one and a half rounds to 2, leaving -pi.
    for (const auto& [units, expected] : {std::pair{2.5, pi}, std::pair{1.5, -pi}}) {
        double x = units * c;
        for (int step = 0; step < 8 && x / c != units; ++step) x = std::nextafter(x, x / c < units ? 10.0 : 0.0);
        ASSERT_EQ(x / c, units);
        p.SetVariable("X", x);
        EXPECT_DOUBLE_EQ(value("PH(X)"), expected) << units;
    }
}

TEST_F(Values, RandomScalesTheTruncatedArgument)
{
    EXPECT_EQ(value("RND(0.9)"), 0);  // int(0.9) is 0
    ASSERT_TRUE(p.ParseExpression("RND(10.7)"));
    double first = p.Value(), differs = 0;
    for (int k = 0; k < 50; ++k) {
        const double v = p.Value();
        EXPECT_GE(v, 0);
        EXPECT_LT(v, 10);
        if (v != first) ++differs;
    }
    EXPECT_GT(differs, 0);
    ASSERT_TRUE(p.ParseExpression("RND(-3)"));
    const double v = p.Value();
    EXPECT_LE(v, 0);
    EXPECT_GT(v, -3);
}

TEST_F(Values, ArithmeticFailures)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1/0", "Floating point division by zero"},
        {"0/0", "Invalid floating point operation"},
        {"LN(0)", "Floating point division by zero"},
        {"LN(-1)", "Invalid floating point operation"},
        {"SQRT(-1)", "Invalid floating point operation"},
        {"EXP(1000)", "Floating point overflow"},
        {"SINH(1000)", "Floating point overflow"},
        {"10^400", "Floating point overflow"},
        {"1E300*1E300", "Floating point overflow"},
        {"0^-1", "Floating point division by zero"},
        {"0^(-0.5)", "Floating point division by zero"},
        {"(-8)^(1/3)", "Invalid floating point operation"},
        {"2^1E10", "Floating point overflow"},
        {"5DIV0", "Division by zero"},
        {"5MOD0.5", "Division by zero"},
        {"1E19DIV2", "Invalid floating point operation"},
        {"2MOD1E19", "Invalid floating point operation"},
        {"2^1E19", "Floating point overflow"},  // real power: whole but beyond 32 bits
        // The first failing operation in list order decides.
        {"1/0+SQRT(-1)", "Floating point division by zero"},
        {"SQRT(-1)+1/0", "Invalid floating point operation"},
        {"1/0+5DIV0", "Floating point division by zero"},
        {"5DIV0+1/0", "Division by zero"},
    };
    for (const auto& [text, message] : cases) EXPECT_EQ(mathFailure(text), message) << text;
    // After a failure the flags are clear again and the next value is sound.
    EXPECT_EQ(value("A+1"), 3);
}

TEST_F(Values, IntegerOperationsAtTheEdgesOf64Bits)
{
    p.SetVariable("M", -9223372036854775808.0);
    EXPECT_EQ(value("MDIV(-1)"), 9223372036854775808.0);
    EXPECT_EQ(value("MMOD(-1)"), 0);
    EXPECT_EQ(value("2^M"), 0);  // real power: whole beyond 32 bits, exp(-huge) underflows silently
    p.SetVariable("N", 3);
    EXPECT_EQ(value("2^(N-1)"), 4);
}

TEST_F(Values, NotANumberAsAVariable)
{
    p.SetVariable("Q", std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(value("HEAV(Q)"), 1);  // compares with nothing: 1
    EXPECT_EQ(mathFailure("QDIV2"), "Invalid floating point operation");
}

TEST_F(Values, FlagsLeftByEarlierWorkAreNoFault)
{
    ASSERT_TRUE(p.ParseExpression("A*B"));
    std::feraiseexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    EXPECT_EQ(p.Value(), 6);
}

TEST_F(Values, NumberFormatSwitch)
{
    EXPECT_TRUE(p.FixedNumberFormat());
    p.SetFixedNumberFormat(false);
    p.SetDecimalSeparator(',');
    EXPECT_DOUBLE_EQ(value("1,5*2"), 3);
    EXPECT_DOUBLE_EQ(value("MAX(1,5,2)"), 5.2);  // the first comma that leaves two valid parts
    EXPECT_THROW(p.ParseExpression("1.5*2"), ESyntaxError);
    p.SetFixedNumberFormat(true);
    EXPECT_DOUBLE_EQ(value("1.5*2"), 3);
    EXPECT_THROW(p.ParseExpression("1,5*2"), ESyntaxError);
}

// ---- Variables ----------------------------------------------------------

TEST(Variables, NamesIgnoreCaseAndLetterVariablesAreFields)
{
    TParser p;
    EXPECT_EQ(p.SetVariable("x", 3), p.SetVariable("X", 3));
    EXPECT_EQ(p.GetVariable("X"), 3);
    EXPECT_EQ(p.X(), 3);
    p.SetVariable("a", 1.5);
    EXPECT_EQ(p.A(), 1.5);
    p.A() = 4;
    EXPECT_EQ(p.Variable("A"), 4);
    p.SetVar("Peso", 70);
    EXPECT_EQ(p.GetVariable("PESO"), 70);
    EXPECT_TRUE(p.VariableExists("peso"));
    EXPECT_FALSE(p.VariableExists("ALTEZZA"));
    EXPECT_EQ(p.GetVariable("ALTEZZA"), 0);
}

TEST(Variables, IdentifierRule)
{
    TParser p;
    const std::pair<const char*, const char*> bad[] = {
        {"2X", "2X"}, {"a-b", "A-B"}, {"", ""}, {"a b", "A B"}, {"x.y", "X.Y"}, {"\xff", "\xff"}, {"\xc3", "\xc3"},
    };
    for (const auto& [name, message] : bad) {
        try {
            p.SetVariable(name, 1);
            ADD_FAILURE() << name << " accepted";
        } catch (const EBadName& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
        EXPECT_FALSE(p.VariableExists(name));
    }
    // Unicode letters and decimal digits: "Área", "Δx", "x" with an
    // Arabic-Indic one, "_tmp".
    for (const char* good : {"\xc3\x81rea", "\xce\x94x", "x\xd9\xa1", "_tmp", "PESO_2", "_"}) {
        EXPECT_NO_THROW(p.SetVariable(good, 2)) << good;
        EXPECT_TRUE(p.VariableExists(good)) << good;
    }
    EXPECT_TRUE(p.ParseExpression("\xce\x94x*3"));
    EXPECT_EQ(p.Value(), 6);
}

TEST(Variables, BoundByReference)
{
    TParser p;
    p.SetVariable("X", 1);
    p.SetVariable("VELOCITA", 10);
    ASSERT_TRUE(p.ParseExpression("2*X+SIN(Y)/(1+X^2)+VELOCITA"));
    EXPECT_DOUBLE_EQ(p.Value(), 2 + 0 + 10);
    p.SetVariable("x", 3);
    p.SetVariable("y", 0.5);
    p.SetVariable("velocita", -1);
    EXPECT_DOUBLE_EQ(p.Value(), 6 + std::sin(0.5) / 10 - 1);
    p.X() = 0;
    EXPECT_DOUBLE_EQ(p.Value(), std::sin(0.5) - 1);
}

TEST(Variables, RemovingDropsTheCompiledExpression)
{
    TParser p;
    p.SetVariable("PESO", 2);
    ASSERT_TRUE(p.ParseExpression("PESO*X"));
    p.ClearVariable("peso");
    EXPECT_FALSE(p.VariableExists("PESO"));
    EXPECT_EQ(p.LinkedOperationList(), nullptr);
    EXPECT_EQ(p.Expression(), "");
    EXPECT_EQ(p.Value(), 0);
    EXPECT_THROW(p.ParseExpression("PESO*X"), ESyntaxError);

    p.X() = 5;
    ASSERT_TRUE(p.ParseExpression("X+1"));
    p.ClearVariables();
    EXPECT_EQ(p.LinkedOperationList(), nullptr);
    EXPECT_FALSE(p.VariableExists("X"));
    EXPECT_THROW(p.ParseExpression("X+1"), ESyntaxError);
    // Set again, X takes its field cell back.
    p.SetVariable("X", 7);
    EXPECT_EQ(p.X(), 7);
    ASSERT_TRUE(p.ParseExpression("X+1"));
    EXPECT_EQ(p.Value(), 8);
}

// ---- Functions ------------------------------------------------------------

void doubled(POperation op) { *op->Dest = 2 * *op->Arg1; }
void hypot2(POperation op) { *op->Dest = std::sqrt(*op->Arg1 * *op->Arg1 + *op->Arg2 * *op->Arg2); }

TEST(Functions, RegistrationAndRemoval)
{
    TParser p;
    try {
        p.AddFunctionOneParam("sin", doubled);
        ADD_FAILURE() << "duplicate accepted";
    } catch (const EStringListError& e) {
        EXPECT_STREQ(e.what(), "String list does not allow duplicates");
    }
    EXPECT_THROW(p.AddFunctionTwoParam("MAX", hypot2), EStringListError);
    EXPECT_NO_THROW(p.AddFunctionTwoParam("SIN", hypot2));  // the other table
    try {
        p.AddFunctionOneParam("2f", doubled);
        ADD_FAILURE() << "bad name accepted";
    } catch (const EBadName& e) {
        EXPECT_STREQ(e.what(), "2f");
    }

    p.AddFunctionOneParam("Doppio", doubled);
    p.AddFunctionTwoParam("IPOT", hypot2);
    ASSERT_TRUE(p.ParseExpression("doppio(3)+IPOT(3,4)"));
    EXPECT_EQ(p.Value(), 11);

    // Removing a name that is not there keeps the compiled list.
    p.ClearFunction("NESSUNA");
    EXPECT_NE(p.LinkedOperationList(), nullptr);
    p.ClearFunction("DOPPIO");
    EXPECT_EQ(p.LinkedOperationList(), nullptr);
    EXPECT_THROW(p.ParseExpression("DOPPIO(3)"), ESyntaxError);
    // SIN is in both tables: the one-argument entry goes first.
    p.ClearFunction("SIN");
    ASSERT_TRUE(p.ParseExpression("SIN(3,4)"));
    EXPECT_EQ(p.Value(), 5);
    p.ClearFunctions();
    EXPECT_EQ(p.LinkedOperationList(), nullptr);
    EXPECT_THROW(p.ParseExpression("IPOT(3,4)"), ESyntaxError);
    EXPECT_THROW(p.ParseExpression("COS(1)"), ESyntaxError);
}

// ---- Failure reporting ------------------------------------------------------

TEST(Reporting, FailedCompilationLeavesNothingCompiled)
{
    TParser p;
    ASSERT_TRUE(p.ParseExpression("X+1"));
    EXPECT_FALSE(p.ParserError());
    EXPECT_THROW(p.ParseExpression("X+"), ESyntaxError);
    EXPECT_TRUE(p.ParserError());
    EXPECT_EQ(p.Expression(), "X+");
    EXPECT_EQ(p.LinkedOperationList(), nullptr);
    EXPECT_EQ(p.Value(), 0);
    p.SetExpression("X*2");
    EXPECT_FALSE(p.ParserError());
    p.X() = 4;
    EXPECT_EQ(p.Value(), 8);
}

TEST(Reporting, HandlerTakesTheFailure)
{
    TParser p;
    std::string seen;
    TCustomParser* sender = nullptr;
    p.SetOnParserError([&](TCustomParser* s, EMathParserError& e) {
        sender = s;
        seen = e.what();
    });
    EXPECT_FALSE(p.ParseExpression("(X"));
    EXPECT_EQ(seen, "Missing brackets in expression");
    EXPECT_EQ(sender, &p);
    EXPECT_TRUE(p.ParserError());
    p.SetExpression("X^2^3");  // the result is ignored, nothing escapes
    EXPECT_EQ(seen, "Error parsing expression:\rX^2\r3");
    EXPECT_EQ(p.LinkedOperationList(), nullptr);
}

TEST(Text, RemoveBlanks)
{
    EXPECT_EQ(TParser::RemoveBlanks(" 2 * X +\tY "), "2*X+\tY");
    EXPECT_EQ(TParser::RemoveBlanks(""), "");
}

}  // namespace
}  // namespace velmora
