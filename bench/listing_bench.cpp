// Building both screenshot lists for 10,000 and 50,000 screenshots, against a raw directory scan
// that reads every file's time and size.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_folders.h"
#include "catalogue/screenshot_lists.h"
#include "services/paths.h"
#include "support/headless.h"
#include "ui/form.h"

namespace vis::bench {
namespace {

void BM_RawScanWithTimesAndSizes(benchmark::State& state) {
    const auto& folders = shots_folder(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::uintmax_t total = 0;
        std::int64_t newest = 0;
        for (const auto& e : std::filesystem::directory_iterator(to_fs_path(folders.shots))) {
            total += e.file_size();
            newest = std::max<std::int64_t>(newest, e.last_write_time().time_since_epoch().count());
        }
        benchmark::DoNotOptimize(total);
        benchmark::DoNotOptimize(newest);
    }
}
BENCHMARK(BM_RawScanWithTimesAndSizes)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_BuildBothLists(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const auto& folders = shots_folder(count);
    test::HeadlessWindowSystem windows;
    Form form(windows, "MainWindow", "lists");
    ListBox ascending(form, "file_lst");
    ListBox descending(form, "file_sort");
    FileList listing(form, "file_path", "PelmarOnline_*.jpg");
    ImageBox sort_up(form, "img_sort_up", true);
    ImageBox sort_down(form, "img_sort_down", true);
    ScreenshotLists lists(ascending, descending, listing, sort_up, sort_down);
    for (auto _ : state) {
        const bool ok = lists.rebuild(folders.shots);
        benchmark::DoNotOptimize(ok);
    }
    if (ascending.count() != count || descending.count() != count) state.SkipWithError("lists incomplete");
}
BENCHMARK(BM_BuildBothLists)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vis::bench
