// Copying and moving 1,000 screenshots of 300 KiB through the bulk run, side by side with `cp`
// and `mv` of the same files. Wall time: the commands do their work in another process. Run with
// --benchmark_repetitions=3 --benchmark_enable_random_interleaving=true.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "bench_folders.h"
#include "bulk/bulk_run.h"
#include "services/paths.h"
#include "support/temp_folder.h"

namespace vis::bench {
namespace {

constexpr int kShots = 1000;
constexpr std::size_t kShotBytes = 300 * 1024;

// A screenshot folder and two output folders on the same filesystem, made once per run.
struct BulkFolders {
    test::TempFolder root;
    std::string shots = join_path(root.path(), "shots");
    std::string out = join_path(root.path(), "out");
    std::string moved = join_path(root.path(), "moved");
    std::vector<std::string> names;

    BulkFolders() {
        for (const std::string& f : {shots, out, moved}) std::filesystem::create_directory(to_fs_path(f));
        std::string bytes(kShotBytes, '\0');
        std::uint32_t seed = 7;
        for (int i = 0; i < kShots; ++i) {
            for (char& c : bytes) c = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
            names.push_back("PelmarOnline_2006115_" + std::to_string(10000 + i) + ".jpg");
            test::write_file(join_path(shots, names.back()), bytes);
        }
    }
};

BulkFolders& folders() {
    static BulkFolders f;
    return f;
}

bool shell(const std::string& command) {
    return std::system(command.c_str()) == 0;
}

// Runs the bulk run as the window does, with the progress callback taken every file.
void bulk(BulkMode mode, const std::string& from, const std::string& to, benchmark::State& state) {
    DiskFileSystem disk;
    int last = 0;
    const BulkResult r = run_bulk(disk, mode, from, folders().names, to, [&last](int percent) {
        last = percent;
        return true;
    });
    if (!r.failed.empty() || !r.missing.empty() || last != 100) state.SkipWithError("bulk run incomplete");
}

// Every copy goes into an empty output folder, as a first backup does; setting the last copies
// aside, and writing back what the run before left to the disk, is not timed.
void empty_output(benchmark::State& state) {
    state.PauseTiming();
    set_aside(folders().out);
    std::filesystem::create_directory(to_fs_path(folders().out));
    ::sync();
    state.ResumeTiming();
}

void BM_CpCommand(benchmark::State& state) {
    auto& f = folders();
    for (auto _ : state) {
        empty_output(state);
        if (!shell("cp -f '" + f.shots + "'/* '" + f.out + "'/")) state.SkipWithError("cp failed");
    }
}
BENCHMARK(BM_CpCommand)->Unit(benchmark::kMillisecond)->UseRealTime();

// `cp` keeping the save times too, as the bulk copy does.
void BM_CpKeepingTimes(benchmark::State& state) {
    auto& f = folders();
    for (auto _ : state) {
        empty_output(state);
        if (!shell("cp -f --preserve=timestamps '" + f.shots + "'/* '" + f.out + "'/"))
            state.SkipWithError("cp failed");
    }
}
BENCHMARK(BM_CpKeepingTimes)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BulkCopy(benchmark::State& state) {
    auto& f = folders();
    for (auto _ : state) {
        empty_output(state);
        bulk(BulkMode::copy, f.shots, f.out, state);
    }
}
BENCHMARK(BM_BulkCopy)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every iteration moves the whole folder across and the next one back, so each moves 1,000 files.
void BM_MvCommand(benchmark::State& state) {
    auto& f = folders();
    bool there = false;
    for (auto _ : state) {
        const std::string& from = there ? f.moved : f.shots;
        const std::string& to = there ? f.shots : f.moved;
        if (!shell("mv -f '" + from + "'/* '" + to + "'/")) state.SkipWithError("mv failed");
        there = !there;
    }
    if (there) shell("mv -f '" + f.moved + "'/* '" + f.shots + "'/");
}
BENCHMARK(BM_MvCommand)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BulkMove(benchmark::State& state) {
    auto& f = folders();
    bool there = false;
    for (auto _ : state) {
        bulk(BulkMode::move, there ? f.moved : f.shots, there ? f.shots : f.moved, state);
        there = !there;
    }
    if (there) bulk(BulkMode::move, f.moved, f.shots, state);
}
BENCHMARK(BM_BulkMove)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vis::bench
