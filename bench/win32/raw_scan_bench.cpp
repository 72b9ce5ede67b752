// The baseline of the listing on Windows: the system's own scan of the same 10,000 screenshots,
// reading each one's name, size and time as FindFirstFileExW hands them over, and nothing else.
#include <benchmark/benchmark.h>

#include <windows.h>

#include <cstdint>

#include "bench_folders.h"
#include "win32/wide.h"

namespace vis::bench {
namespace {

void BM_RawFindFirstFileExW(benchmark::State& state) {
    const std::wstring pattern = win32::long_path(big_game_folder().shots) + L"\\PelmarOnline_*.jpg";
    for (auto _ : state) {
        WIN32_FIND_DATAW found{};
        HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                         FIND_FIRST_EX_LARGE_FETCH);
        if (search == INVALID_HANDLE_VALUE) {
            state.SkipWithError("the folder cannot be read");
            break;
        }
        std::uint64_t total = 0, newest = 0;
        int count = 0;
        do {
            total += (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
            newest = std::max<std::uint64_t>(newest,
                                             (static_cast<std::uint64_t>(found.ftLastWriteTime.dwHighDateTime) << 32) |
                                                 found.ftLastWriteTime.dwLowDateTime);
            ++count;
        } while (FindNextFileW(search, &found));
        FindClose(search);
        benchmark::DoNotOptimize(total);
        benchmark::DoNotOptimize(newest);
        if (count != kBigFolderCount) state.SkipWithError("scan incomplete");
    }
}
BENCHMARK(BM_RawFindFirstFileExW)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vis::bench
