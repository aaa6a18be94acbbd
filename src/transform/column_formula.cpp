#include "transform/column_formula.h"

#include <algorithm>

namespace velmora {

namespace {

bool isComparison(char c) { return c == '<' || c == '=' || c == '>'; }

ColumnReference makeReference(std::string bracketed, const StringGrid& table, bool rowOffsets)
{
    ColumnReference ref;
    if (rowOffsets) {
        if (!bracketed.empty() && bracketed.back() == '+') {
            bracketed.pop_back();
            ref.offset = 1;
        }
        if (!bracketed.empty() && bracketed.back() == '-') {
            bracketed.pop_back();
            if (ref.offset == 0) ref.offset = -1;
        }
    }
    for (int c = 0; c < table.columnCount(); ++c) {
        if (table.header(c) == bracketed) {
            ref.column = c;
            break;
        }
    }
    for (char ch : bracketed)
        if (ch != '.' && ch != ' ') ref.variable += ch;
    if (ref.offset == 1) ref.variable += "SUC";
    if (ref.offset == -1) ref.variable += "PRE";
    return ref;
}

}  // namespace

bool ColumnFormula::readsPreviousRow() const
{
    return std::any_of(references.begin(), references.end(), [](const ColumnReference& r) { return r.offset == -1; });
}

bool ColumnFormula::readsNextRow() const
{
    return std::any_of(references.begin(), references.end(), [](const ColumnReference& r) { return r.offset == 1; });
}

ColumnFormula scanFormula(std::string_view typed, const StringGrid& table, bool rowOffsets)
{
    ColumnFormula f;
    bool open = false;
    std::string bracketed;
    for (char ch : typed) {
        if (ch == '[') {
            open = true;  // also restarts a reference already open
            bracketed.clear();
        } else if (open && ch == ']') {
            open = false;
            f.references.push_back(makeReference(bracketed, table, rowOffsets));
            f.text += f.references.back().variable;
        } else if (open) {
            bracketed += ch;
        } else {
            f.text += ch;
        }
    }
    // A reference never closed is dropped with its characters.

    // Parts and operators in turn; a third operator and what follows it are ignored.
    std::string* pieces[] = {&f.parts[0], &f.operator1, &f.parts[1], &f.operator2, &f.parts[2]};
    int piece = 0;
    for (std::size_t k = 0; k < f.text.size() && piece < 5; ++k) {
        const char ch = f.text[k];
        const bool inOperator = piece % 2 == 1;
        if (isComparison(ch) != inOperator) ++piece;
        if (piece < 5) *pieces[piece] += ch;
    }
    return f;
}

bool comparisonHolds(std::string_view op, double left, double right)
{
    if (op == "<") return left < right;
    if (op == ">") return left > right;
    if (op == "=") return left == right;
    if (op == "<>") return left != right;
    if (op == "<=") return left <= right;
    if (op == ">=") return left >= right;
    return false;
}

bool conditionHolds(const ColumnFormula& formula, const std::array<double, 3>& values)
{
    if (!comparisonHolds(formula.operator1, values[0], values[1])) return false;
    return formula.operator2.empty() || comparisonHolds(formula.operator2, values[1], values[2]);
}

// ---- FormulaEvaluation ------------------------------------------------------

FormulaEvaluation::FormulaEvaluation(const ColumnFormula& formula, std::vector<const double*> referenceValues)
    : formula_(formula), values_(std::move(referenceValues))
{
}

FormulaEvaluation::~FormulaEvaluation() = default;

FormulaEvaluation::PartValues FormulaEvaluation::evaluateRow(int row)
{
    const auto& refs = formula_.references;
    for (int p = 0; p < 3; ++p) {
        TParser& parser = parsers_[p];
        if (!compiled_) {
            // Setting by name checks each name once; later rows write the cells.
            cells_[p].clear();
            for (std::size_t j = 0; j < refs.size(); ++j)
                cells_[p].push_back(parser.SetVariable(refs[j].variable, values_[j][row + refs[j].offset]));
        } else {
            for (std::size_t j = 0; j < refs.size(); ++j) *cells_[p][j] = values_[j][row + refs[j].offset];
        }
    }
    PartValues v{0, 0, 0};
    for (int p = 0; p < 3; ++p) {
        if (formula_.parts[p].empty()) continue;
        if (!compiled_ && parsers_[p].LinkedOperationList() == nullptr) parsers_[p].ParseExpression(formula_.parts[p]);
        v[p] = parsers_[p].Value();
    }
    if (!compiled_) {
        compiled_ = true;
        prepareBlocks();
    }
    return v;
}

void FormulaEvaluation::prepareBlocks()
{
    const auto& refs = formula_.references;
    for (int p = 0; p < 3; ++p) {
        if (formula_.parts[p].empty()) continue;
        // One input per variable cell, fed by the last reference that sets it,
        // as the last write of a row wins.
        std::vector<const double*> inputCells;
        for (std::size_t j = 0; j < refs.size(); ++j) {
            const auto it = std::find(inputCells.begin(), inputCells.end(), cells_[p][j]);
            if (it == inputCells.end()) {
                inputCells.push_back(cells_[p][j]);
                inputReferences_[p].push_back(static_cast<int>(j));
            } else {
                inputReferences_[p][it - inputCells.begin()] = static_cast<int>(j);
            }
        }
        blocks_[p] = std::make_unique<BlockEvaluator>(parsers_[p], inputCells, blockRows);
        blockValues_[p].resize(blockRows);
    }
}

bool FormulaEvaluation::evaluateBlock(int first, int count, const RowHandler& handler)
{
    std::vector<const double*> inputs;
    for (int p = 0; p < 3; ++p) {
        if (!blocks_[p]) continue;
        inputs.clear();
        for (int j : inputReferences_[p]) inputs.push_back(values_[j] + first + formula_.references[j].offset);
        if (!blocks_[p]->run(inputs.data(), count, blockValues_[p].data())) return false;
    }
    for (int i = 0; i < count; ++i) {
        PartValues v{0, 0, 0};
        for (int p = 0; p < 3; ++p)
            if (blocks_[p]) v[p] = blockValues_[p][i];
        handler(first + i, v);
    }
    return true;
}

void FormulaEvaluation::evaluate(int first, int count, const RowHandler& handler)
{
    while (count > 0) {
        // Until every part is compiled, and for a block that met a fault, row by row.
        const int n = compiled_ ? std::min(count, blockRows) : 1;
        if (!compiled_ || !evaluateBlock(first, n, handler)) {
            for (int r = first; r < first + n; ++r) handler(r, evaluateRow(r));
        }
        first += n;
        count -= n;
    }
}

}  // namespace velmora
