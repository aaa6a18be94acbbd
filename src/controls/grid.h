#pragma once
// The string grid behind the data table and every result table: a row count
// and ordered columns (header, read-only flag, width) of text cells.
//
// Cells are kept per column in one character buffer with a (offset, length)
// span per row, so a million-row table costs a few bytes per cell rather than
// a std::string each. An edit appends the new text and repoints the span; the
// buffer is compacted when the dead text outgrows the live text.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// A block of cells, corners included.
struct CellRange {
    int top = 0;
    int left = 0;
    int bottom = -1;
    int right = -1;
};

// The largest table the program holds. The grid view lays its rows out in
// pixels held in an int, which overflows near 98 million rows; every cell
// costs a span even when empty, so the cells (the header row counted) are
// bounded too.
inline constexpr long long maxTableRows = 50'000'000;
inline constexpr long long maxTableCells = 200'000'000;
// Refuses a table of that shape, before anything is allocated for it.
void checkTableSize(long long rows, long long columns);

class StringGrid {
public:
    int rowCount() const { return rows_; }
    // A negative count leaves the row count as it was.
    void setRowCount(int rows);

    int columnCount() const { return static_cast<int>(columns_.size()); }
    // Appends an empty text column and returns its index.
    int addColumn(std::string header = {}, bool readOnly = false);
    void removeColumn(int col);
    void moveColumn(int from, int to);
    void removeAllColumns();

    const std::string& header(int col) const;
    void setHeader(int col, std::string text);
    bool readOnly(int col) const;
    void setReadOnly(int col, bool readOnly);
    int width(int col) const;
    void setWidth(int col, int width);

    // The view stays valid until the column is changed.
    std::string_view cell(int col, int row) const;
    std::string cellText(int col, int row) const { return std::string(cell(col, row)); }
    void setCell(int col, int row, std::string_view text);

    // Prepares a column for a bulk fill of about `bytes` characters.
    void reserveText(int col, std::size_t bytes);

    void swap(StringGrid& other) noexcept;

    // The focused cell of the grid's view, -1 when none.
    int currentRow = -1;
    int currentCol = -1;

    // Views compare these to know what to refresh: the shape (rows, columns,
    // headers, flags) or only cell texts.
    std::uint64_t shapeRevision() const { return shapeRevision_; }
    std::uint64_t contentRevision() const { return contentRevision_; }
    // Advances with every change of the grid and never comes back: results
    // remember it to know whether the table they came from is still there.
    std::uint64_t revision() const { return shapeRevision_ + contentRevision_; }

private:
    struct Span {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    struct Column {
        std::string header;
        bool readOnly = false;
        int width = 64;
        std::string text;
        std::vector<Span> spans;
        std::size_t liveBytes = 0;
    };

    void checkColumn(int col) const;
    void checkCell(int col, int row) const;
    static void compact(Column& column);
    static void reserveSpans(Column& column, int rows);

    int rows_ = 0;
    std::vector<Column> columns_;
    std::uint64_t shapeRevision_ = 0;
    std::uint64_t contentRevision_ = 0;
};

}  // namespace velmora
