#pragma once
// Small fixtures: tables from literals, temporary files.
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "controls/failures.h"
#include "controls/grid.h"

namespace velmora::testing {

// The message of the program's failure that `f` raises; empty when none.
template <class F>
std::string failureOf(F&& f)
{
    try {
        f();
    } catch (const Error& e) {
        return e.what();
    }
    return {};
}

// Fills a grid: the first row holds the headers.
inline void setTable(StringGrid& grid, const std::vector<std::vector<std::string>>& rows)
{
    grid.removeAllColumns();
    grid.setRowCount(rows.empty() ? 0 : static_cast<int>(rows.size()) - 1);
    if (rows.empty()) return;
    for (const std::string& h : rows[0]) grid.addColumn(h);
    for (std::size_t r = 1; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            grid.setCell(static_cast<int>(c), static_cast<int>(r) - 1, rows[r][c]);
}

// One column of a grid as texts.
inline std::vector<std::string> columnTexts(const StringGrid& grid, int col)
{
    std::vector<std::string> out;
    for (int r = 0; r < grid.rowCount(); ++r) out.emplace_back(grid.cell(col, r));
    return out;
}

class TempDir {
public:
    TempDir()
    {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("velmora-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace velmora::testing
