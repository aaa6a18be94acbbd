#pragma once
// Reading a compiled list back as a fully bracketed formula, so that tests
// can state the grammar's reading of a text ("((A-B)-C)") instead of the
// raw records.
#include <cstdio>
#include <map>
#include <string>

#include "parser/operations.h"
#include "parser/parser.h"

namespace velmora::testing {

inline std::string formatNumber(double v)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    return buf;
}

inline const std::map<TMathProcedure, std::string>& functionNames()
{
    static const std::map<TMathProcedure, std::string> names = {
        {ops::Tan, "TAN"},   {ops::Sin, "SIN"},   {ops::Cos, "COS"},   {ops::Sinh, "SINH"}, {ops::Cosh, "COSH"},
        {ops::ArcTan, "ARCTAN"}, {ops::Exp, "EXP"}, {ops::Ln, "LN"},   {ops::Sqrt, "SQRT"}, {ops::Abs, "ABS"},
        {ops::Heav, "HEAV"}, {ops::Sign, "SIGN"}, {ops::Zero, "ZERO"}, {ops::Ph, "PH"},     {ops::Rnd, "RND"},
        {ops::Max, "MAX"},   {ops::Min, "MIN"},
    };
    return names;
}

// Variables are named through `cells` (cell -> name); a cell that is no
// variable and no earlier result is a constant and shows its value.
inline std::string readBack(const TCustomParser& parser, const std::map<const double*, std::string>& cells)
{
    std::map<const double*, std::string> results;
    const auto operand = [&](const double* cell) -> std::string {
        if (const auto it = cells.find(cell); it != cells.end()) return it->second;
        if (const auto it = results.find(cell); it != results.end()) return it->second;
        return formatNumber(*cell);
    };
    POperation op = parser.LinkedOperationList();
    if (op == nullptr) return "<none>";
    if (op->NextOperation == nullptr && op->Token == TToken::variab) return operand(op->Arg1);
    std::string last;
    for (; op != nullptr; op = op->NextOperation) {
        const std::string a = operand(op->Arg1);
        const std::string b = op->Arg2 ? operand(op->Arg2) : "";
        std::string t;
        switch (op->Token) {
        case TToken::minus: t = "(-" + a + ")"; break;
        case TToken::sum: t = "(" + a + "+" + b + ")"; break;
        case TToken::diff: t = "(" + a + "-" + b + ")"; break;
        case TToken::prod: t = "(" + a + "*" + b + ")"; break;
        case TToken::divis: t = "(" + a + "/" + b + ")"; break;
        case TToken::modulo: t = "(" + a + " MOD " + b + ")"; break;
        case TToken::IntDiv: t = "(" + a + " DIV " + b + ")"; break;
        case TToken::integerpower: t = "(" + a + "^i" + b + ")"; break;
        case TToken::realpower: t = "(" + a + "^" + b + ")"; break;
        case TToken::square: t = "(" + a + "^2)"; break;
        case TToken::third: t = "(" + a + "^3)"; break;
        case TToken::fourth: t = "(" + a + "^4)"; break;
        case TToken::FuncOneVar:
        case TToken::FuncTwoVar: {
            const auto it = functionNames().find(op->Operation);
            t = (it == functionNames().end() ? std::string("F") : it->second) + "(" + a + (op->Arg2 ? "," + b : "") + ")";
            break;
        }
        default: t = "?"; break;
        }
        results[op->Dest] = t;
        last = t;
    }
    return last;
}

}  // namespace velmora::testing
