// Building both screenshot lists for 10,000 screenshots, against a raw directory scan that reads
// every file's time and size.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_folders.h"
#include "core/form1.h"
#include "platform/paths.h"
#include "support/headless.h"

namespace vis::bench {
namespace {

void BM_RawScanWithTimesAndSizes(benchmark::State& state) {
    const auto& folders = big_game_folder();
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
BENCHMARK(BM_RawScanWithTimesAndSizes)->Unit(benchmark::kMillisecond);

void BM_BuildBothLists(benchmark::State& state) {
    const auto& folders = big_game_folder();
    test::HeadlessPlatform plat(folders.program);
    Form1 form(plat.platform);
    form.lbl_Pelmar_Path.set_caption(folders.game);
    for (auto _ : state) {
        const bool ok = form.make_ss_list();
        benchmark::DoNotOptimize(ok);
    }
    if (form.file_lst.count() != kBigFolderCount || form.file_sort.count() != kBigFolderCount)
        state.SkipWithError("lists incomplete");
}
BENCHMARK(BM_BuildBothLists)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vis::bench
