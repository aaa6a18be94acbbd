// Any bytes give a table or a failure; a table whose texts the writer and
// reader agree on reads back the same after a save.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "controls/failures.h"
#include "table/table_file.h"

namespace {

bool writerAndReaderAgree(const velmora::StringGrid& g)
{
    if (g.columnCount() == 0) return false;
    auto fine = [&](std::string_view t) {
        if (t.find_first_of("\t\r\n") != std::string_view::npos) return false;
        if (!t.empty() && t.front() == '"') return false;
        // A single column is read back with the semicolon as separator.
        if (g.columnCount() == 1 && t.find(';') != std::string_view::npos) return false;
        return true;
    };
    // A lone column without a header writes an empty first line, which reads
    // as a table without columns.
    if (g.columnCount() == 1 && g.header(0).empty()) return false;
    for (int c = 0; c < g.columnCount(); ++c) {
        if (!fine(g.header(c))) return false;
        for (int r = 0; r < g.rowCount(); ++r)
            if (!fine(g.cell(c, r))) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    velmora::TableFileContent first;
    try {
        first = velmora::parseTableFile(bytes);
    } catch (const velmora::Error&) {
        return 0;
    }
    if (!writerAndReaderAgree(first.grid)) return 0;
    const std::string saved = velmora::formatTableFile(first.grid);
    const velmora::TableFileContent second = velmora::parseTableFile(saved);
    const velmora::StringGrid& a = first.grid;
    const velmora::StringGrid& b = second.grid;
    if (a.columnCount() != b.columnCount() || a.rowCount() != b.rowCount()) std::abort();
    for (int c = 0; c < a.columnCount(); ++c) {
        if (a.header(c) != b.header(c)) std::abort();
        for (int r = 0; r < a.rowCount(); ++r)
            if (a.cell(c, r) != b.cell(c, r)) std::abort();
    }
    return 0;
}
