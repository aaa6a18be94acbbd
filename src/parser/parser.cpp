#include "parser/parser.h"

#include <algorithm>
#include <cfenv>
#include <iterator>
#include <stdexcept>

#include "controls/fpcheck.h"
#include "parser/compiler.h"
#include "parser/operations.h"
#include "parser/unicode_tables.h"

namespace velmora {

namespace {

bool inRanges(std::uint32_t cp, const unicode::CodeRange* ranges, std::size_t count)
{
    const auto* end = ranges + count;
    const auto* it = std::upper_bound(ranges, end, cp,
                                      [](std::uint32_t c, const unicode::CodeRange& r) { return c < r.first; });
    return it != ranges && cp <= (it - 1)->last;
}

// Decodes one UTF-8 sequence at text[k]; false for a malformed one.
bool decodeUtf8(std::string_view text, std::size_t& k, std::uint32_t& cp)
{
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char b0 = byte(k);
    int length;
    std::uint32_t min;
    if (b0 < 0x80) {
        cp = b0;
        ++k;
        return true;
    } else if ((b0 & 0xE0) == 0xC0) {
        length = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        return false;
    }
    if (k + length > text.size()) return false;
    for (int t = 1; t < length; ++t) {
        const unsigned char b = byte(k + t);
        if ((b & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    k += length;
    return true;
}

}  // namespace

std::string UpperCaseAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

bool IsValidIdent(std::string_view name)
{
    if (name.empty()) return false;
    std::size_t k = 0;
    bool first = true;
    while (k < name.size()) {
        std::uint32_t cp;
        if (!decodeUtf8(name, k, cp)) return false;
        const bool ok = cp == '_' || inRanges(cp, unicode::letterRanges, unicode::letterRangesCount) ||
                        (!first && inRanges(cp, unicode::digitRanges, unicode::digitRangesCount));
        if (!ok) return false;
        first = false;
    }
    return true;
}

// ---- TCustomParser ----------------------------------------------------------

TCustomParser::TCustomParser() = default;

TCustomParser::~TCustomParser()
{
    FreeExpression();
    ClearVariablesOnly();
}

void TCustomParser::FreeExpression()
{
    FStartOperationList = nullptr;
    FLastOperation = nullptr;
    FCompiled.reset();
}

void TCustomParser::DropExpression()
{
    FreeExpression();
    FExpression.clear();
}

bool TCustomParser::ParseExpression(std::string_view AnExpression)
{
    FreeExpression();
    FExpression = std::string(AnExpression);
    if (FExpression.empty()) return false;
    try {
        auto compiled = detail::CompileExpression(
            FExpression, {FVariables, FunctionOne, FunctionTwo, FFixedNumberFormat, FDecimalSeparator});
        for (TOperation& op : compiled->ops)
            if (op.Token != TToken::FuncOneVar && op.Token != TToken::FuncTwoVar)
                op.Operation = ops::ProcedureOf(op.Token);
        FCompiled = std::move(compiled);
        FStartOperationList = &FCompiled->ops.front();
        FLastOperation = &FCompiled->ops.back();
        FParserError = false;
        return true;
    } catch (EMathParserError& failure) {
        FParserError = true;
        if (!FOnParserError) throw;
        FOnParserError(this, failure);
        return false;
    }
}

double TCustomParser::Value()
{
    POperation op = FStartOperationList;
    if (op == nullptr) return 0.0;
    // Flags left by earlier work are not cleared first: they only send this
    // one value through the replay, which clears them and finds no fault.
    try {
        for (; op != nullptr; op = op->NextOperation) op->Operation(op);
    } catch (const MathError&) {
        // An operation that throws at once may come after one that only
        // raised a flag; the earlier fault is the one to report.
        if (fp::raised()) return ReplayForFault();
        throw;
    }
    if (fp::raised()) return ReplayForFault();
    return *FLastOperation->Dest;
}

// The fast run only tells that some flag is raised; running the list again
// from clear flags with a check after every operation reports the first
// fault in list order, as if each had been checked on its own.
double TCustomParser::ReplayForFault()
{
    fp::clear();
    for (POperation op = FStartOperationList; op != nullptr; op = op->NextOperation) {
        try {
            op->Operation(op);
        } catch (const MathError&) {
            fp::clear();
            throw;
        }
        fp::check();
    }
    return *FLastOperation->Dest;
}

PParserFloat TCustomParser::LetterCell(std::string_view upperName)
{
    if (upperName.size() != 1) return nullptr;
    switch (upperName[0]) {
    case 'A': return &FA;
    case 'B': return &FB;
    case 'C': return &FC;
    case 'D': return &FD;
    case 'E': return &FE;
    case 'X': return &FX;
    case 'Y': return &FY;
    case 'T': return &FT;
    default: return nullptr;
    }
}

PParserFloat TCustomParser::SetVariable(std::string_view VarName, double Value)
{
    std::string name = UpperCaseAscii(VarName);
    if (const auto it = FVariables.find(name); it != FVariables.end()) {
        *it->second.cell = Value;
        return it->second.cell;
    }
    detail::VariableEntry entry{LetterCell(name), nullptr};
    if (entry.cell == nullptr) {
        if (!IsValidIdent(name)) throw EBadName(name);
        entry.owned = std::make_unique<double>();
        entry.cell = entry.owned.get();
    }
    *entry.cell = Value;
    PParserFloat cell = entry.cell;
    FVariables.emplace(std::move(name), std::move(entry));
    return cell;
}

double TCustomParser::GetVariable(std::string_view VarName) const
{
    const auto it = FVariables.find(UpperCaseAscii(VarName));
    return it == FVariables.end() ? 0.0 : *it->second.cell;
}

bool TCustomParser::VariableExists(std::string_view AVarName) const
{
    return FVariables.find(UpperCaseAscii(AVarName)) != FVariables.end();
}

void TCustomParser::ClearVariable(std::string_view AVarName)
{
    // The compiled list goes first, so nothing can reach a released cell.
    DropExpression();
    const auto it = FVariables.find(UpperCaseAscii(AVarName));
    if (it != FVariables.end()) FVariables.erase(it);
}

void TCustomParser::ClearVariables()
{
    DropExpression();
    ClearVariablesOnly();
}

void TCustomParser::ClearVariablesOnly()
{
    // Last entry first; the letter cells are the parser's own and are not
    // released, the others go with their entries.
    while (!FVariables.empty()) FVariables.erase(std::prev(FVariables.end()));
}

namespace {
void addFunction(detail::FunctionTable& table, std::string_view name, TMathProcedure func)
{
    if (!IsValidIdent(name)) throw EBadName(std::string(name));
    if (func == nullptr) throw std::invalid_argument("function procedure is null");
    if (!table.emplace(UpperCaseAscii(name), func).second) throw EStringListError();
}
}  // namespace

void TCustomParser::AddFunctionOneParam(std::string_view AFunctionName, TMathProcedure Func)
{
    addFunction(FunctionOne, AFunctionName, Func);
}

void TCustomParser::AddFunctionTwoParam(std::string_view AFunctionName, TMathProcedure Func)
{
    addFunction(FunctionTwo, AFunctionName, Func);
}

void TCustomParser::ClearFunction(std::string_view AFunctionName)
{
    const std::string name = UpperCaseAscii(AFunctionName);
    auto* table = &FunctionOne;
    auto it = FunctionOne.find(name);
    if (it == FunctionOne.end()) {
        table = &FunctionTwo;
        it = FunctionTwo.find(name);
        if (it == FunctionTwo.end()) return;
    }
    DropExpression();
    table->erase(it);
}

void TCustomParser::ClearFunctions()
{
    DropExpression();
    FunctionOne.clear();
    FunctionTwo.clear();
}

// ---- TParser ----------------------------------------------------------------

TParser::TParser()
{
    for (const char* name : {"A", "B", "C", "D", "E", "X", "Y", "T"}) SetVariable(name, 0.0);
    AddFunctionOneParam("TAN", ops::Tan);
    AddFunctionOneParam("SIN", ops::Sin);
    AddFunctionOneParam("COS", ops::Cos);
    AddFunctionOneParam("SINH", ops::Sinh);
    AddFunctionOneParam("COSH", ops::Cosh);
    AddFunctionOneParam("ARCTAN", ops::ArcTan);
    AddFunctionOneParam("EXP", ops::Exp);
    AddFunctionOneParam("LN", ops::Ln);
    AddFunctionOneParam("SQRT", ops::Sqrt);
    AddFunctionOneParam("ABS", ops::Abs);
    AddFunctionOneParam("HEAV", ops::Heav);
    AddFunctionOneParam("SIGN", ops::Sign);
    AddFunctionOneParam("ZERO", ops::Zero);
    AddFunctionOneParam("PH", ops::Ph);
    AddFunctionOneParam("RND", ops::Rnd);
    AddFunctionTwoParam("MAX", ops::Max);
    AddFunctionTwoParam("MIN", ops::Min);
    // The rest of the formula windows' list of pieces.
    AddFunctionOneParam("COTAN", ops::Cotan);
    AddFunctionOneParam("LOG10", ops::Log10);
    AddFunctionOneParam("LOG2", ops::Log2);
    AddFunctionOneParam("SQR", ops::Sqr);
    AddFunctionOneParam("TRUNC", ops::Trunc);
    AddFunctionOneParam("INT", ops::Trunc);
    AddFunctionOneParam("CEIL", ops::Ceil);
    AddFunctionOneParam("FLOOR", ops::Floor);
    AddFunctionOneParam("RANDOM", ops::Random);
    AddFunctionTwoParam("ARG", ops::Arg);
    AddFunctionTwoParam("LOGN", ops::LogN);
    AddFunctionTwoParam("POWER", ops::Power);
    AddFunctionTwoParam("INTPOWER", ops::IntPower);
}

std::string TParser::RemoveBlanks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != ' ') out += c;
    return out;
}

}  // namespace velmora
