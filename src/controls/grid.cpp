#include "controls/grid.h"

#include <limits>
#include <string>
#include <utility>

#include "controls/failures.h"
#include "controls/huge_pages.h"

namespace velmora {

void checkTableSize(long long rows, long long columns)
{
    if (rows > maxTableRows || (rows + 1) * columns > maxTableCells)
        throw TableSizeError("Tabella troppo grande: al massimo " + std::to_string(maxTableRows) + " righe e " +
                             std::to_string(maxTableCells) + " celle\r\nTable too large: at most " +
                             std::to_string(maxTableRows) + " rows and " + std::to_string(maxTableCells) + " cells");
}

void StringGrid::setRowCount(int rows)
{
    if (rows < 0 || rows == rows_) return;
    for (Column& c : columns_) {
        if (rows < rows_) {
            for (int r = rows; r < rows_; ++r) c.liveBytes -= c.spans[r].length;
        }
        if (rows > rows_) reserveSpans(c, rows);
        c.spans.resize(static_cast<std::size_t>(rows));
        c.spans.shrink_to_fit();
        if (c.liveBytes * 2 < c.text.size()) compact(c);
    }
    rows_ = rows;
    ++shapeRevision_;
}

int StringGrid::addColumn(std::string header, bool readOnly)
{
    Column c;
    c.header = std::move(header);
    c.readOnly = readOnly;
    reserveSpans(c, rows_);
    c.spans.resize(static_cast<std::size_t>(rows_));
    columns_.push_back(std::move(c));
    ++shapeRevision_;
    return columnCount() - 1;
}

void StringGrid::removeColumn(int col)
{
    checkColumn(col);
    columns_.erase(columns_.begin() + col);
    ++shapeRevision_;
}

void StringGrid::moveColumn(int from, int to)
{
    checkColumn(from);
    checkColumn(to);
    if (from == to) return;
    Column moved = std::move(columns_[from]);
    columns_.erase(columns_.begin() + from);
    columns_.insert(columns_.begin() + to, std::move(moved));
    ++shapeRevision_;
}

void StringGrid::removeAllColumns()
{
    // From the last to the first, as the grid removes them.
    while (!columns_.empty()) columns_.pop_back();
    ++shapeRevision_;
}

const std::string& StringGrid::header(int col) const
{
    checkColumn(col);
    return columns_[col].header;
}

void StringGrid::setHeader(int col, std::string text)
{
    checkColumn(col);
    columns_[col].header = std::move(text);
    ++shapeRevision_;
}

bool StringGrid::readOnly(int col) const
{
    checkColumn(col);
    return columns_[col].readOnly;
}

void StringGrid::setReadOnly(int col, bool readOnly)
{
    checkColumn(col);
    columns_[col].readOnly = readOnly;
    ++shapeRevision_;
}

int StringGrid::width(int col) const
{
    checkColumn(col);
    return columns_[col].width;
}

void StringGrid::setWidth(int col, int width)
{
    checkColumn(col);
    columns_[col].width = width;
    ++shapeRevision_;
}

std::string_view StringGrid::cell(int col, int row) const
{
    checkCell(col, row);
    const Column& c = columns_[col];
    const Span s = c.spans[row];
    return std::string_view(c.text).substr(s.offset, s.length);
}

void StringGrid::setCell(int col, int row, std::string_view text)
{
    checkCell(col, row);
    Column& c = columns_[col];
    Span& s = c.spans[row];
    if (text.size() > std::numeric_limits<std::uint32_t>::max()) throw OutOfMemoryError();
    c.liveBytes -= s.length;
    if (text.size() <= s.length) {
        // Shorter or equal texts overwrite in place.
        c.text.replace(s.offset, text.size(), text);
        c.liveBytes += text.size();
        s.length = static_cast<std::uint32_t>(text.size());
    } else {
        if (c.text.size() + text.size() > std::numeric_limits<std::uint32_t>::max()) {
            compact(c);
            if (c.text.size() + text.size() > std::numeric_limits<std::uint32_t>::max()) throw OutOfMemoryError();
        }
        s.offset = static_cast<std::uint32_t>(c.text.size());
        s.length = static_cast<std::uint32_t>(text.size());
        c.text.append(text);
        c.liveBytes += text.size();
        if (c.text.size() > 4096 && c.liveBytes * 2 < c.text.size()) compact(c);
    }
    ++contentRevision_;
}

void StringGrid::reserveText(int col, std::size_t bytes)
{
    checkColumn(col);
    std::string& text = columns_[col].text;
    if (bytes <= text.capacity()) return;
    text.reserve(bytes);
    adviseHugePages(text.data(), text.capacity());
}

void StringGrid::swap(StringGrid& other) noexcept
{
    std::swap(rows_, other.rows_);
    columns_.swap(other.columns_);
    std::swap(currentRow, other.currentRow);
    std::swap(currentCol, other.currentCol);
    ++shapeRevision_;
    ++other.shapeRevision_;
}

void StringGrid::checkColumn(int col) const
{
    if (col < 0 || col >= columnCount()) throwColumnIndex(col);
}

void StringGrid::checkCell(int col, int row) const
{
    checkColumn(col);
    if (row < 0 || row >= rows_) throwRowIndex(row);
}

void StringGrid::reserveSpans(Column& column, int rows)
{
    // Exactly `rows`, advised before the resize writes them: a million-row
    // column is 8 MB of spans, and faulting it in 4 kB pages is slow.
    const auto n = static_cast<std::size_t>(rows);
    if (n <= column.spans.capacity()) return;
    std::vector<Span> spans;
    spans.reserve(n);
    adviseHugePages(spans.data(), n * sizeof(Span));
    spans.assign(column.spans.begin(), column.spans.end());
    column.spans.swap(spans);
}

void StringGrid::compact(Column& column)
{
    std::string text;
    text.reserve(column.liveBytes);
    for (Span& s : column.spans) {
        const std::uint32_t offset = static_cast<std::uint32_t>(text.size());
        text.append(column.text, s.offset, s.length);
        s.offset = offset;
    }
    column.text = std::move(text);
}

}  // namespace velmora
