#include "parser/block_evaluator.h"

#include <algorithm>

#include "controls/failures.h"
#include "controls/fpcheck.h"

namespace velmora {

BlockEvaluator::BlockEvaluator(const TCustomParser& parser, const std::vector<const double*>& inputCells, int capacity)
    : capacity_(capacity)
{
    std::vector<const double*> slotCells;  // the cell each slot stands for
    for (POperation op = parser.LinkedOperationList(); op != nullptr; op = op->NextOperation) {
        const int arg1 = slotOf(op->Arg1, inputCells, slotCells);
        if (op->Token == TToken::variab || op->Token == TToken::constant) {
            // The lone operation of a single variable or number: its result
            // is its operand's cell.
            result_ = arg1;
            continue;
        }
        const int arg2 = op->Arg2 != nullptr ? slotOf(op->Arg2, inputCells, slotCells) : -1;
        slots_.push_back({Source::Step});
        slotCells.push_back(op->Dest);
        steps_.push_back({op->Token, op->Operation, arg1, arg2, static_cast<int>(slots_.size()) - 1});
        result_ = steps_.back().dest;
    }
    buffer_.resize(slots_.size() * static_cast<std::size_t>(capacity_));
    pointers_.resize(slots_.size());
}

int BlockEvaluator::slotOf(const double* cell, const std::vector<const double*>& inputCells,
                           std::vector<const double*>& slotCells)
{
    // A result cell of an earlier step, or a cell seen before.
    if (const auto it = std::find(slotCells.begin(), slotCells.end(), cell); it != slotCells.end())
        return static_cast<int>(it - slotCells.begin());
    const auto input = std::find(inputCells.begin(), inputCells.end(), cell);
    if (input != inputCells.end())
        slots_.push_back({Source::Input, static_cast<int>(input - inputCells.begin())});
    else
        slots_.push_back({Source::Cell, -1, cell});
    slotCells.push_back(cell);
    return static_cast<int>(slots_.size()) - 1;
}

namespace {

// One pass of a built-in kind; false for the kinds whose procedure runs per value.
bool runArithmetic(TToken kind, const double* __restrict a, const double* __restrict b, double* __restrict d, int n)
{
    switch (kind) {
    case TToken::minus:
        for (int i = 0; i < n; ++i) d[i] = -a[i];
        return true;
    case TToken::sum:
        for (int i = 0; i < n; ++i) d[i] = a[i] + b[i];
        return true;
    case TToken::diff:
        for (int i = 0; i < n; ++i) d[i] = a[i] - b[i];
        return true;
    case TToken::prod:
        for (int i = 0; i < n; ++i) d[i] = a[i] * b[i];
        return true;
    case TToken::divis:
        for (int i = 0; i < n; ++i) d[i] = a[i] / b[i];
        return true;
    case TToken::square:
        for (int i = 0; i < n; ++i) d[i] = a[i] * a[i];
        return true;
    case TToken::third:
        for (int i = 0; i < n; ++i) d[i] = a[i] * a[i] * a[i];
        return true;
    case TToken::fourth:
        for (int i = 0; i < n; ++i) d[i] = (a[i] * a[i]) * (a[i] * a[i]);
        return true;
    default:
        return false;
    }
}

}  // namespace

bool BlockEvaluator::run(const double* const* inputs, int count, double* out)
{
    count = std::min(count, capacity_);
    if (result_ < 0) {  // nothing compiled: Value() is 0 too
        std::fill(out, out + count, 0.0);
        return true;
    }
    for (std::size_t s = 0; s < slots_.size(); ++s) {
        double* own = buffer_.data() + s * static_cast<std::size_t>(capacity_);
        switch (slots_[s].source) {
        case Source::Input: pointers_[s] = inputs[slots_[s].input]; break;
        case Source::Cell: std::fill(own, own + count, *slots_[s].cell); [[fallthrough]];
        case Source::Step: pointers_[s] = own; break;
        }
    }
    fp::clear();
    try {
        for (const Step& step : steps_) {
            const double* a = pointers_[step.arg1];
            const double* b = step.arg2 >= 0 ? pointers_[step.arg2] : nullptr;
            double* d = const_cast<double*>(pointers_[step.dest]);  // a step's own array
            if (runArithmetic(step.kind, a, b, d, count)) continue;
            // The procedures only read their operands; TOperation's cells are
            // not const because the same record type carries the result.
            TOperation op;
            op.Operation = step.procedure;
            for (int i = 0; i < count; ++i) {
                op.Arg1 = const_cast<double*>(a + i);
                op.Arg2 = b != nullptr ? const_cast<double*>(b + i) : nullptr;
                op.Dest = d + i;
                step.procedure(&op);
            }
        }
    } catch (const MathError&) {
        fp::clear();
        return false;
    }
    if (fp::raised()) {
        fp::clear();
        return false;
    }
    std::copy(pointers_[result_], pointers_[result_] + count, out);
    return true;
}

}  // namespace velmora
