#pragma once
// Sorted, disjoint code point ranges of the Unicode letters and decimal
// digits, for the identifier rule of variable and function names.
#include <cstddef>
#include <cstdint>

namespace velmora::unicode {

struct CodeRange {
    std::uint32_t first;
    std::uint32_t last;
};

extern const CodeRange letterRanges[];
extern const std::size_t letterRangesCount;
extern const CodeRange digitRanges[];
extern const std::size_t digitRangesCount;

}  // namespace velmora::unicode
