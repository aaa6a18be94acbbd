// Opening and saving a large table the way "Apri dati" and "Salva dati" do,
// without the dialogs: a file of 1,000,000 rows by 8 numeric columns.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "table/table_file.h"

namespace velmora {
namespace {

constexpr int tableRows = 1'000'000;
constexpr int tableColumns = 8;

// The file, written once per run in pieces (so building it does not weigh on
// the memory the open uses) and removed at the end.
class LargeTableFile {
public:
    LargeTableFile()
        : path_((std::filesystem::temp_directory_path() / ("velmora_bench_" + std::to_string(::getpid()) + ".txt"))
                    .string())
    {
        std::ofstream out(path_, std::ios::binary);
        std::string chunk;
        for (int c = 0; c < tableColumns; ++c) chunk += (c ? "\tC" : "C") + std::to_string(c + 1);
        chunk += "\r\n";
        std::uint64_t state = 0x9E3779B97F4A7C15ULL;
        char cell[32];
        for (int r = 0; r < tableRows; ++r) {
            for (int c = 0; c < tableColumns; ++c) {
                state = state * 6364136223846793005ULL + 1442695040888963407ULL;
                const unsigned v = static_cast<unsigned>(state >> 33);
                // Measurements of a few digits with three decimals, some negative.
                const int n = std::snprintf(cell, sizeof cell, "%s%u.%03u", (v & 7) == 0 ? "-" : "", (v >> 3) % 1500,
                                            (v >> 13) % 1000);
                if (c) chunk += '\t';
                chunk.append(cell, static_cast<std::size_t>(n));
            }
            chunk += "\r\n";
            if (chunk.size() > (1 << 20)) {
                out << chunk;
                chunk.clear();
            }
        }
        out << chunk;
        size_ = static_cast<std::size_t>(out.tellp());
    }
    ~LargeTableFile() { std::remove(path_.c_str()); }

    const std::string& path() const { return path_; }
    std::size_t size() const { return size_; }

private:
    std::string path_;
    std::size_t size_ = 0;
};

const LargeTableFile& largeTableFile()
{
    static const LargeTableFile file;
    return file;
}

void BM_OpenTable(benchmark::State& state)
{
    const LargeTableFile& file = largeTableFile();
    int progressCalls = 0;
    for (auto _ : state) {
        TableFileContent content =
            parseTableFile(readWholeFile(file.path()), [&](int, int) { ++progressCalls; });
        benchmark::DoNotOptimize(content.grid.rowCount());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
    state.counters["file_MB"] = static_cast<double>(file.size()) / 1e6;
}
BENCHMARK(BM_OpenTable)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SaveTable(benchmark::State& state)
{
    const LargeTableFile& file = largeTableFile();
    const TableFileContent content = parseTableFile(readWholeFile(file.path()));
    const std::string target = file.path() + ".saved";
    int progressCalls = 0;
    for (auto _ : state) {
        writeWholeFile(target, formatTableFile(content.grid, [&](int, int) { ++progressCalls; }));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
    std::remove(target.c_str());
}
BENCHMARK(BM_SaveTable)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace velmora
