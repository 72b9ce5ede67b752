// A copy album of 1,000 screenshots of 300 KiB, against copying the same files into a new folder
// with a plain std::filesystem::copy_file loop and with one `cp`, in the same run. Each run's
// copies are set aside, and the disk brought up to date, outside the timing. The copies stay
// until the run ends, so each repetition times one iteration; run with
// --benchmark_repetitions=3 --benchmark_enable_random_interleaving=true.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include <unistd.h>

#include "album/album_writer.h"
#include "album/disk_album_output.h"
#include "bench_folders.h"
#include "catalogue/save_time.h"
#include "services/paths.h"
#include "support/temp_folder.h"

namespace vis::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kShots = 1000;
constexpr std::size_t kShotBytes = 300 * 1024;

struct CopyFolder {
    test::GameFolders folders;
    ListedFiles shots;
    std::vector<std::string> names;
    std::string target;  // where the plain copies go
};

// 1,000 files of 300 KiB of varied bytes (a file copy does not look inside), and null.gif.
const CopyFolder& copy_folder() {
    static const auto made = [] {
        auto f = std::make_unique<CopyFolder>();
        fs::create_directory(to_fs_path(join_path(f->folders.program, "album")));
        test::write_file(join_path(join_path(f->folders.program, "data"), "null.gif"), "GIF89a");
        std::string bytes(kShotBytes, '\0');
        std::uint32_t seed = 1;
        for (int i = 0; i < kShots; ++i) {
            for (char& c : bytes) {
                seed = seed * 1103515245u + 12345u;
                c = static_cast<char>(seed >> 24);
            }
            const std::string name = "PelmarOnline_2006115_" + std::to_string(100000 + i) + ".jpg";
            test::write_file(join_path(f->folders.shots, name), bytes);
            f->names.push_back(name);
            f->shots.push_back({.name = name, .size = kShotBytes, .saved = save_time_of(1100000000 + i * 60)});
        }
        f->target = join_path(f->folders.root.path(), "copies");
        return f;
    }();
    return *made;
}

struct FixedClock : Clock {
    std::int64_t now_ms() const override { return 1165500000000; }
};

// Every run starts with nothing left to write back from the one before, so the sides are fair.
void set_aside_outside_timing(benchmark::State& state, const std::string& folder) {
    state.PauseTiming();
    set_aside(folder);
    ::sync();
    state.ResumeTiming();
}

void BM_CopyFileLoop1000x300KiB(benchmark::State& state) {
    const CopyFolder& f = copy_folder();
    for (auto _ : state) {
        fs::create_directory(to_fs_path(f.target));
        for (const std::string& name : f.names)
            fs::copy_file(to_fs_path(join_path(f.folders.shots, name)), to_fs_path(join_path(f.target, name)));
        set_aside_outside_timing(state, f.target);
    }
}
BENCHMARK(BM_CopyFileLoop1000x300KiB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_CpCommand1000x300KiB(benchmark::State& state) {
    const CopyFolder& f = copy_folder();
    const std::string command = "cp -- '" + f.folders.shots + "'/*.jpg '" + f.target + "'/";
    for (auto _ : state) {
        fs::create_directory(to_fs_path(f.target));
        if (std::system(command.c_str()) != 0) state.SkipWithError("cp failed");
        set_aside_outside_timing(state, f.target);
    }
}
BENCHMARK(BM_CpCommand1000x300KiB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// `cp` keeping the save times too, as the album does.
void BM_CpKeepingTimes1000x300KiB(benchmark::State& state) {
    const CopyFolder& f = copy_folder();
    const std::string command = "cp --preserve=timestamps -- '" + f.folders.shots + "'/*.jpg '" + f.target + "'/";
    for (auto _ : state) {
        fs::create_directory(to_fs_path(f.target));
        if (std::system(command.c_str()) != 0) state.SkipWithError("cp failed");
        set_aside_outside_timing(state, f.target);
    }
}
BENCHMARK(BM_CpKeepingTimes1000x300KiB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_CopyAlbum1000x300KiB(benchmark::State& state) {
    const CopyFolder& f = copy_folder();
    AlbumInput in;
    in.shots = f.shots;
    in.shots_folder = f.folders.shots;
    in.program_folder = f.folders.program;
    in.line_colour = "Black";
    in.edge_colour = "Aqua";
    DiskFileSystem disk;
    DiskAlbumOutput out(disk);
    const FixedClock clock;
    for (auto _ : state) {
        const AlbumResult r = write_album(in, clock, out);
        if (!r.ok()) state.SkipWithError(("album failed at " + r.failed_path).c_str());
        set_aside_outside_timing(state, r.folder);
    }
}
BENCHMARK(BM_CopyAlbum1000x300KiB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace vis::bench
