#pragma once
// Blocks of cells as the clipboard carries them between spreadsheets:
// cells separated by tabs, every row ended by CR LF; a cell that holds a
// tab or a line end, or starts with a double quote, is quoted with its
// quotes doubled.
#include <string>
#include <string_view>
#include <vector>

#include "controls/grid.h"

namespace velmora {

// The cells of the block, clipped to the grid; empty when nothing is left.
std::string formatCellBlock(const StringGrid& grid, CellRange block);

// Rows of cells; accepts CR LF, LF or CR between rows, and a last row with or
// without its line end. Rows may differ in length.
std::vector<std::vector<std::string>> parseCellBlock(std::string_view text);

}  // namespace velmora
