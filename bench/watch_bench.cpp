// Screenshots saved while the program runs, with 50,000 listed: one new screenshot reaching both
// lists and the panel through the folder watch, 100 and 5,000 saved at once, and the watch losing
// track, against reading the whole folder again (what a rebuild of the lists costs).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "bench_folders.h"
#include "core/app.h"
#include "main_window/main_window.h"
#include "services/paths.h"
#include "support/app_fixture.h"
#include "support/headless.h"

namespace vis::bench {
namespace {

constexpr int kListed = 50000;

// The program started over the 50,000 screenshots, a line in the middle selected and described.
struct Running {
    const test::GameFolders& folders = shots_folder(kListed);
    test::HeadlessPlatform plat{folders.program};
    std::unique_ptr<test::ProgramWindows> program;
    MainWindow* f = nullptr;
    std::string seed;

    Running() {
        plat.http.body = kVersion;
        program = std::make_unique<test::ProgramWindows>(plat.platform());
        f = &program->main();
        f->start();
        plat.windows.advance(1);
        test::click_row(f->file_lst, kListed / 2);
        seed = test::read_file(join_path(folders.shots, f->file_path.files().front().name));
    }
    std::string path(int i) const { return join_path(folders.shots, "PelmarOnline_new_" + std::to_string(i) + ".jpg"); }
    // `n` screenshots saved among the listed ones, and the watch told of them.
    void save(int n) {
        std::vector<std::string> names;
        for (int i = 0; i < n; ++i) {
            test::write_file(path(i), seed);
            test::set_modified(path(i), 1100000000 + 60 * (kListed / 3) + 7 * i);
            names.push_back(from_fs_path(to_fs_path(path(i)).filename()));
        }
        plat.folder_watch.report(names);
    }
    // Takes them away again, the watch told, and waits until the lists agree.
    void take_back(int n) {
        std::vector<std::string> names;
        for (int i = 0; i < n; ++i) {
            std::filesystem::remove(to_fs_path(path(i)));
            names.push_back(from_fs_path(to_fs_path(path(i)).filename()));
        }
        plat.folder_watch.report(names);
        while (f->file_lst.count() != kListed) plat.windows.advance(ScreenshotWatch::kTickMs);
    }
};

void BM_WatchOneNewScreenshotIn50000(benchmark::State& state) {
    Running run;
    for (auto _ : state) {
        state.PauseTiming();
        run.save(1);
        // The first look notes the size; the next one, timed, finds it unchanged and shows it.
        run.plat.windows.advance(ScreenshotWatch::kTickMs);
        state.ResumeTiming();
        run.plat.windows.advance(ScreenshotWatch::kTickMs);
        state.PauseTiming();
        if (run.f->file_lst.count() != kListed + 1 || run.f->file_sort.count() != kListed + 1 ||
            run.f->lbl_alt.caption().find("/50001)") == std::string::npos) {
            state.SkipWithError("the new screenshot was not shown");
            break;
        }
        run.take_back(1);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WatchOneNewScreenshotIn50000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(100);

void BM_WatchHundredSavedAtOnceIn50000(benchmark::State& state) {
    Running run;
    std::int64_t waited = 0;
    for (auto _ : state) {
        state.PauseTiming();
        run.save(100);
        const std::int64_t from = run.plat.windows.now();
        state.ResumeTiming();
        // Every tick of the watch's timer until all are shown, with the work each one does.
        while (run.f->file_lst.count() != kListed + 100 && run.plat.windows.now() - from < 5000)
            run.plat.windows.advance(ScreenshotWatch::kTickMs);
        state.PauseTiming();
        waited = std::max(waited, run.plat.windows.now() - from);
        if (run.f->file_lst.count() != kListed + 100) {
            state.SkipWithError("not all were shown");
            break;
        }
        run.take_back(100);
        state.ResumeTiming();
    }
    // The timer's waiting, which the timed work adds to: the longest until all 100 were shown.
    state.counters["timer_ms"] = static_cast<double>(waited);
}
BENCHMARK(BM_WatchHundredSavedAtOnceIn50000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

// The window is frozen for as long as one tick of the watch's timer takes: the longest tick
// until all 5,000 are shown is the figure (counter longest_tick_ms).
void BM_WatchFiveThousandSavedAtOnceIn50000(benchmark::State& state) {
    constexpr int kSaved = 5000;
    Running run;
    double longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        run.save(kSaved);
        const std::int64_t from = run.plat.windows.now();
        state.ResumeTiming();
        while (run.f->file_lst.count() != kListed + kSaved && run.plat.windows.now() - from < 60000) {
            const auto start = std::chrono::steady_clock::now();
            run.plat.windows.advance(ScreenshotWatch::kTickMs);
            longest = std::max(
                longest, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        state.PauseTiming();
        if (run.f->file_lst.count() != kListed + kSaved || run.f->file_sort.count() != kListed + kSaved) {
            state.SkipWithError("not all were shown");
            break;
        }
        run.take_back(kSaved);
        state.ResumeTiming();
    }
    state.counters["longest_tick_ms"] = longest;
}
BENCHMARK(BM_WatchFiveThousandSavedAtOnceIn50000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The watch lost track (the system's queue overflowed): the tick that makes it good, against a
// reading of the whole folder in the same run (counter per_reading: the first over the second).
void BM_WatchLostTrackIn50000(benchmark::State& state) {
    using Ms = std::chrono::duration<double, std::milli>;
    Running run;
    double made_good = 0, read_again = 0;
    for (auto _ : state) {
        run.plat.folder_watch.report({}, true);
        auto start = std::chrono::steady_clock::now();
        // Every tick until nothing is left to look at.
        do run.plat.windows.advance(ScreenshotWatch::kTickMs);
        while (run.f->watch().ticking());
        made_good += Ms(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        if (run.f->file_lst.count() != kListed || run.f->file_lst.list_index() != kListed / 2) {
            state.SkipWithError("the lists were not read again as they were");
            break;
        }
        start = std::chrono::steady_clock::now();
        run.f->relist();
        read_again += Ms(std::chrono::steady_clock::now() - start).count();
        test::click_row(run.f->file_lst, kListed / 2);
        state.ResumeTiming();
    }
    state.counters["per_reading"] = read_again > 0 ? made_good / read_again : 0;
}
BENCHMARK(BM_WatchLostTrackIn50000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_ReadWholeFolderAgainIn50000(benchmark::State& state) {
    Running run;
    for (auto _ : state) run.f->relist();
    if (run.f->file_lst.count() != kListed) state.SkipWithError("the lists were not rebuilt");
}
BENCHMARK(BM_ReadWholeFolderAgainIn50000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

}  // namespace
}  // namespace vis::bench
