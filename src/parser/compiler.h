#pragma once
// The compiler behind TCustomParser::ParseExpression. It does not tokenise:
// recognition rules decide what a piece of text is, each operator rule
// splitting at an occurrence of its operator and accepting the split only
// when both halves pass a fixed subset of the rules.
#include <deque>
#include <memory>
#include <string_view>
#include <vector>

#include "parser/parser.h"

namespace velmora::detail {

// A compiled list with the cells it owns. Variable cells are only
// referenced, never owned.
struct CompiledExpression {
    std::deque<double> cells;        // constants and Dest cells; deque keeps addresses stable
    std::vector<TOperation> ops;     // in list order, linked through NextOperation
};

struct CompileInput {
    const VariableTable& variables;
    const FunctionTable& functionOne;
    const FunctionTable& functionTwo;
    bool fixedNumberFormat;
    char decimalSeparator;
};

// Throws the compilation failures; whatever was built so far is released.
// The procedures of the built-in kinds are left for the caller to fill in.
std::unique_ptr<CompiledExpression> CompileExpression(std::string_view text, const CompileInput& input);

// A number literal: optional sign, digits with at most one separator and at
// least one digit, optional exponent. False also when the value is beyond
// the range of a double; a value below it reads as zero.
bool ReadNumberLiteral(std::string_view text, char separator, double& value);

}  // namespace velmora::detail
