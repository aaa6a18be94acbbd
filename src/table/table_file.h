#pragma once
// The table file: tab-separated text, a header line of column names, one
// line per row, CR LF after every line, in Windows-1252. The reader also
// takes UTF-8 and UTF-16 files with a byte-order mark, CR, LF or CR LF line
// ends and the semicolon as separator.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/grid.h"

namespace velmora {

struct TableFileContent {
    StringGrid grid;             // headers and cells, UTF-8 text
    char decimalSeparator = '.'; // ',' when the last line holds a comma
};

// Called with (rows done, rows in all) at the rows the open and save
// commands report progress; it may process events.
using TableProgress = std::function<void(int done, int total)>;

// Decodes and splits a whole file. Throws the failure the open command
// reports ("List index out of bounds (0)" for a file without lines,
// "Column index, %d, out of bounds" for a line with more fields than the
// header, a FileError for bytes that cannot be decoded). Never touches
// anything but its result, so a failed open changes nothing.
// A NUL byte is an ordinary character: the text after it stays in its cell.
// Throws OutOfMemoryError when the table would not fit in memory.
TableFileContent parseTableFile(std::string_view bytes, const TableProgress& progress = {});

// The file's bytes for a grid: Windows-1252, or UTF-8 with a byte-order mark
// when some text cannot be written in Windows-1252. Throws
// "Column index, 0, out of bounds" for a grid without columns.
std::string formatTableFile(const StringGrid& grid, const TableProgress& progress = {});

// UTF-8 text to a file's bytes by the same rule: unchanged when ASCII,
// Windows-1252 when it can hold every character, otherwise UTF-8 with a
// byte-order mark.
std::string encodeFileText(std::string text);
// Lines of text, each followed by CR LF, encoded as above (chart-data files
// and other exports).
std::string formatTextLines(const std::vector<std::string>& lines);

// Reads a whole file; throws FileError "Cannot open file "%s". %s".
std::string readWholeFile(const std::string& path);
// Writes through a temporary file beside the target renamed over it, so a
// failed save leaves the old file intact; throws FileError
// "Cannot create file "%s". %s".
void writeWholeFile(const std::string& path, std::string_view bytes);

}  // namespace velmora
