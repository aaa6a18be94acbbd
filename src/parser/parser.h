#pragma once
// The formula language of the column operations and the data filter: a text
// is compiled once into a list of operations on double cells and evaluated
// as often as needed while the variables, bound by reference, change.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "controls/failures.h"

namespace velmora {

// A cell: variables, constants and intermediate results all live in cells
// that operations read and write through.
using PParserFloat = double*;

// Operation kinds, 0 to 15 in this order.
enum class TToken {
    variab,
    constant,
    minus,
    sum,
    diff,
    prod,
    divis,
    modulo,
    IntDiv,
    integerpower,
    realpower,
    square,
    third,
    fourth,
    FuncOneVar,
    FuncTwoVar,
};

struct TOperation;
using POperation = TOperation*;

// Computes Dest from Arg1 (and Arg2 for two arguments).
using TMathProcedure = void (*)(POperation);

struct TOperation {
    PParserFloat Arg1 = nullptr;
    PParserFloat Arg2 = nullptr;
    PParserFloat Dest = nullptr;
    POperation NextOperation = nullptr;
    TMathProcedure Operation = nullptr;
    TToken Token = TToken::variab;
};

// ---- Failures -------------------------------------------------------------

class EMathParserError : public Error {
public:
    using Error::Error;
};

// A term matches no rule.
class ESyntaxError : public EMathParserError {
public:
    using EMathParserError::EMathParserError;
};

class EExpressionHasBlanks : public EMathParserError {
public:
    EExpressionHasBlanks() : EMathParserError("Expression has blanks") {}
};

class EExpressionTooComplex : public EMathParserError {
public:
    EExpressionTooComplex() : EMathParserError("Expression is too complex") {}
};

class ETooManyNestings : public EMathParserError {
public:
    ETooManyNestings() : EMathParserError("Expression contains too many nestings") {}
};

class EMissMatchingBracket : public EMathParserError {
public:
    EMissMatchingBracket() : EMathParserError("Missing brackets in expression") {}
};

// The message is the offending name itself.
class EBadName : public EMathParserError {
public:
    using EMathParserError::EMathParserError;
};

class EParserInternalError : public EMathParserError {
public:
    EParserInternalError() : EMathParserError("TParser internal error") {}
};

// A sorted name list refusing a name it already holds.
class EStringListError : public Error {
public:
    EStringListError() : Error("String list does not allow duplicates") {}
};

class TCustomParser;
using TParserExceptionEvent = std::function<void(TCustomParser* Sender, EMathParserError& E)>;

namespace detail {
struct CompiledExpression;
// Names compare without regard to the case of a to z; the tables keep them
// upper-cased in that sense, so the plain byte order sorts them.
struct VariableEntry {
    PParserFloat cell;              // the letter fields, or `owned`
    std::unique_ptr<double> owned;  // empty for the eight letter variables
};
using VariableTable = std::map<std::string, VariableEntry, std::less<>>;
using FunctionTable = std::map<std::string, TMathProcedure, std::less<>>;
}  // namespace detail

// ---- The engine -----------------------------------------------------------

class TCustomParser {
public:
    TCustomParser();
    virtual ~TCustomParser();
    TCustomParser(const TCustomParser&) = delete;
    TCustomParser& operator=(const TCustomParser&) = delete;

    // Frees the previous compiled list, stores the text and compiles it
    // unless it is empty; true when compiled.
    bool ParseExpression(std::string_view AnExpression);
    const std::string& Expression() const { return FExpression; }
    void SetExpression(std::string_view AnExpression) { ParseExpression(AnExpression); }

    // Runs the compiled list; 0 without one. Arithmetic faults throw MathError.
    double Value();

    PParserFloat SetVariable(std::string_view VarName, double Value);
    double GetVariable(std::string_view VarName) const;
    double Variable(std::string_view VarName) const { return GetVariable(VarName); }
    void SetVar(std::string_view VarName, double Value) { SetVariable(VarName, Value); }
    bool VariableExists(std::string_view AVarName) const;
    void ClearVariable(std::string_view AVarName);
    void ClearVariables();

    void AddFunctionOneParam(std::string_view AFunctionName, TMathProcedure Func);
    void AddFunctionTwoParam(std::string_view AFunctionName, TMathProcedure Func);
    void ClearFunction(std::string_view AFunctionName);
    void ClearFunctions();

    void FreeExpression();

    bool ParserError() const { return FParserError; }
    const TParserExceptionEvent& OnParserError() const { return FOnParserError; }
    void SetOnParserError(TParserExceptionEvent handler) { FOnParserError = std::move(handler); }
    POperation LinkedOperationList() const { return FStartOperationList; }

    // True: numbers follow the fixed syntax with "." as separator. False:
    // they follow the general conversion with DecimalSeparator().
    bool FixedNumberFormat() const { return FFixedNumberFormat; }
    void SetFixedNumberFormat(bool value) { FFixedNumberFormat = value; }
    // The program-wide decimal separator, which the owner of the parser
    // passes in because the parser does not reach the data table.
    char DecimalSeparator() const { return FDecimalSeparator; }
    void SetDecimalSeparator(char value) { FDecimalSeparator = value; }

protected:
    // The cells of the eight letter variables live in the parser itself.
    double FA = 0, FB = 0, FC = 0, FD = 0, FE = 0, FX = 0, FY = 0, FT = 0;

private:
    // Dropping the compiled expression: the same as setting the empty text.
    void DropExpression();
    PParserFloat LetterCell(std::string_view upperName);
    void ClearVariablesOnly();
    double ReplayForFault();

    detail::VariableTable FVariables;
    detail::FunctionTable FunctionOne;
    detail::FunctionTable FunctionTwo;
    std::string FExpression;
    std::unique_ptr<detail::CompiledExpression> FCompiled;
    POperation FStartOperationList = nullptr;
    POperation FLastOperation = nullptr;
    bool FFixedNumberFormat = true;
    char FDecimalSeparator = '.';
    bool FParserError = false;
    TParserExceptionEvent FOnParserError;
};

// ---- The parser with the letter variables and the standard functions ------

class TParser : public TCustomParser {
public:
    TParser();

    double& A() { return FA; }
    double& B() { return FB; }
    double& C() { return FC; }
    double& D() { return FD; }
    double& E() { return FE; }
    double& X() { return FX; }
    double& Y() { return FY; }
    double& T() { return FT; }

    // The text with every blank (character 32) removed.
    static std::string RemoveBlanks(std::string_view text);
};

// ---- Helpers the parser shares with its tests -----------------------------

// Letters a to z upper-cased, every other byte kept.
std::string UpperCaseAscii(std::string_view text);
// A Unicode letter or "_", then letters, Unicode decimal digits or "_"
// (UTF-8 text).
bool IsValidIdent(std::string_view name);

}  // namespace velmora
