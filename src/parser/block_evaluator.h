#pragma once
// A compiled expression evaluated over a block of rows at once: each
// operation makes one pass over an array of values, and the fault flags are
// read once per block. A block that meets a fault is only reported; its rows
// are then evaluated one at a time with TCustomParser::Value, which names the
// fault and its row exactly as a row-by-row run does.
#include <vector>

#include "parser/parser.h"

namespace velmora {

class BlockEvaluator {
public:
    // `inputCells`: the variable cells whose values come from arrays, in the
    // order of the arrays given to run(); every other cell is read once per
    // block. The parser's compiled expression must stay as it is while the
    // evaluator is used.
    BlockEvaluator(const TCustomParser& parser, const std::vector<const double*>& inputCells, int capacity);

    int capacity() const { return capacity_; }

    // The values of `count` rows (at most the capacity) into out[0..count):
    // row i reads inputs[k][i] for input k. False when an operation raised a
    // fault or threw one; `out` then holds nothing useful.
    bool run(const double* const* inputs, int count, double* out);

private:
    // Where an operand's values come from: an input array, a cell read once
    // per block, or the result of an earlier step.
    enum class Source { Input, Cell, Step };
    struct Slot {
        Source source;
        int input = -1;
        const double* cell = nullptr;
    };
    struct Step {
        TToken kind;
        TMathProcedure procedure;
        int arg1, arg2, dest;  // slots; arg2 is -1 for one operand
    };

    int slotOf(const double* cell, const std::vector<const double*>& inputCells,
               std::vector<const double*>& slotCells);

    int capacity_;
    std::vector<Slot> slots_;
    std::vector<Step> steps_;
    int result_ = -1;
    std::vector<double> buffer_;            // capacity values per slot that is not an input
    std::vector<const double*> pointers_;   // per slot, the values of the current block
};

}  // namespace velmora
