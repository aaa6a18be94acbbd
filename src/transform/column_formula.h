#pragma once
// The formula language of the column operations and the data filter, around
// the expression parser: [Header] references become parser variables, runs
// of "<", "=", ">" split the formula into up to three parts, and a run of the
// formula evaluates its parts over the rows of a table of values.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/grid.h"
#include "parser/block_evaluator.h"
#include "parser/parser.h"

namespace velmora {

struct ColumnReference {
    std::string variable;  // the header without "." and blanks, then "SUC" or "PRE" for an offset
    int column = 0;        // the first column with that header, 0 when none has it
    int offset = 0;        // +1 reads the next row, -1 the previous one
};

struct ColumnFormula {
    std::vector<ColumnReference> references;  // in order of appearance
    std::string text;                         // the formula with variable names in place of references
    std::array<std::string, 3> parts;
    std::string operator1, operator2;         // the runs of "<", "=", ">" between the parts

    bool hasCondition() const { return !parts[1].empty() || !parts[2].empty(); }
    bool readsPreviousRow() const;
    bool readsNextRow() const;
};

// Scans the typed formula against the headers of `table`. With `rowOffsets`
// false (the data filter) the whole bracketed text is the header; with it,
// a trailing "+" or "-" reads the next or the previous row.
ColumnFormula scanFormula(std::string_view typed, const StringGrid& table, bool rowOffsets);

// Whether the operator holds between the two values; a run other than "<",
// ">", "=", "<>", "<=", ">=" never holds.
bool comparisonHolds(std::string_view op, double left, double right);
// The formula's condition on the values of its three parts (0 for an empty part).
bool conditionHolds(const ColumnFormula& formula, const std::array<double, 3>& values);

// One run of a formula over the rows of a table: a parser per part, each part
// compiled when first evaluated (so failures come in the order a row-by-row
// run meets them), then evaluated over blocks of rows. A block that meets a
// fault is evaluated again row by row, which reports the fault at its row
// after the rows before it.
class FormulaEvaluation {
public:
    using PartValues = std::array<double, 3>;
    using RowHandler = std::function<void(int row, const PartValues& values)>;

    // `referenceValues[j]`: the values of reference j's column, one per row of
    // the table; the reference reads them at row + its offset. They must
    // outlive the evaluation.
    FormulaEvaluation(const ColumnFormula& formula, std::vector<const double*> referenceValues);
    ~FormulaEvaluation();

    // Rows first .. first + count - 1 in order, each handed to `handler`.
    void evaluate(int first, int count, const RowHandler& handler);

private:
    PartValues evaluateRow(int row);
    bool evaluateBlock(int first, int count, const RowHandler& handler);
    void prepareBlocks();

    const ColumnFormula& formula_;
    std::vector<const double*> values_;
    std::array<TParser, 3> parsers_;
    std::array<std::vector<double*>, 3> cells_;  // per part, the cell of each reference's variable
    bool compiled_ = false;                      // every non-empty part compiled and the cells known
    static constexpr int blockRows = 100;
    std::array<std::unique_ptr<BlockEvaluator>, 3> blocks_;
    std::array<std::vector<int>, 3> inputReferences_;  // per part, the reference that feeds each input
    std::array<std::vector<double>, 3> blockValues_;
};

}  // namespace velmora
