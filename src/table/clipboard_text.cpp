#include "table/clipboard_text.h"

#include <algorithm>

namespace velmora {

namespace {
bool needsQuotes(std::string_view cell)
{
    return cell.find_first_of("\t\r\n") != std::string_view::npos || (!cell.empty() && cell.front() == '"');
}

void appendQuoted(std::string& out, std::string_view cell)
{
    out += '"';
    for (char c : cell) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

bool endsField(std::string_view text, std::size_t i)
{
    return i >= text.size() || text[i] == '\t' || text[i] == '\r' || text[i] == '\n';
}
}  // namespace

std::string formatCellBlock(const StringGrid& grid, CellRange block)
{
    block.top = std::max(block.top, 0);
    block.left = std::max(block.left, 0);
    block.bottom = std::min(block.bottom, grid.rowCount() - 1);
    block.right = std::min(block.right, grid.columnCount() - 1);
    std::string out;
    if (block.top > block.bottom || block.left > block.right) return out;
    for (int r = block.top; r <= block.bottom; ++r) {
        for (int c = block.left; c <= block.right; ++c) {
            if (c > block.left) out += '\t';
            const std::string_view cell = grid.cell(c, r);
            if (needsQuotes(cell)) appendQuoted(out, cell);
            else out += cell;
        }
        out += "\r\n";
    }
    return out;
}

std::vector<std::vector<std::string>> parseCellBlock(std::string_view text)
{
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::size_t i = 0;
    while (i < text.size()) {
        std::string cell;
        bool quoted = false;
        if (text[i] == '"') {
            // A quoted cell only when its closing quote ends the field;
            // otherwise the quote is an ordinary character.
            std::string inner;
            std::size_t k = i + 1;
            while (k < text.size()) {
                if (text[k] == '"') {
                    if (k + 1 < text.size() && text[k + 1] == '"') {
                        inner += '"';
                        k += 2;
                        continue;
                    }
                    break;
                }
                inner += text[k++];
            }
            if (k < text.size() && endsField(text, k + 1)) {
                cell = std::move(inner);
                i = k + 1;
                quoted = true;
            }
        }
        if (!quoted) {
            const std::size_t end = std::min(text.find_first_of("\t\r\n", i), text.size());
            cell.assign(text.substr(i, end - i));
            i = end;
        }
        row.push_back(std::move(cell));
        if (i >= text.size()) break;
        if (text[i] == '\t') {
            ++i;
            if (i == text.size()) row.emplace_back();
            continue;
        }
        // A line end closes the row.
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        ++i;
        rows.push_back(std::move(row));
        row.clear();
    }
    if (!row.empty()) rows.push_back(std::move(row));
    return rows;
}

}  // namespace velmora
