// Hostile data too big for the test suite: a 200 MB table file opened
// through the path "Apri dati" uses. Run it alone with
//   build/bench/velmora_bench --benchmark_filter=BM_Open200MegabyteTable
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "table/table_file.h"

namespace velmora {
namespace {

void BM_Open200MegabyteTable(benchmark::State& state)
{
    const std::string path = (std::filesystem::temp_directory_path() / "velmora-200mb.txt").string();
    {
        std::ofstream out(path, std::ios::binary);
        std::string line;
        for (int c = 0; c < 20; ++c) line += (c ? "\tcol" : "col") + std::to_string(c);
        out << line << "\r\n";
        // Rows of twenty cells of 9 characters and a tab: 200 bytes a row.
        line.clear();
        for (int c = 0; c < 20; ++c) line += (c ? "\t" : "") + std::string("1234,5678");
        line += "\r\n";
        for (int r = 0; r < 1000000; ++r) out << line;
    }
    const auto bytes = std::filesystem::file_size(path);
    for (auto _ : state) {
        TableFileContent content = parseTableFile(readWholeFile(path));
        benchmark::DoNotOptimize(content.grid.rowCount());
        if (content.grid.rowCount() != 1000000 || content.decimalSeparator != ',') state.SkipWithError("wrong table");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    std::remove(path.c_str());
}
BENCHMARK(BM_Open200MegabyteTable)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace velmora
