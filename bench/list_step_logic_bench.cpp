// One step down the screenshot list (the selection change through show_pre_info) over 1920 x 1080
// screenshots in a folder of 10,000 for the logic alone, and its baseline: one plain
// libjpeg-turbo decode of the same kind of file. Each backend's bench adds the step with the
// preview repainted. Between steps the benchmark waits, untimed, until the neighbours are decoded
// ahead, as a user's pace of a few steps a second allows.
#include <benchmark/benchmark.h>

#include "bench_folders.h"
#include "core/app.h"
#include "imaging/jpeg.h"
#include "list_step.h"
#include "main_window/main_window.h"
#include "services/paths.h"
#include "support/app_fixture.h"
#include "support/headless.h"
#include "ui/keys.h"

namespace vis::bench {
namespace {

void BM_PlainDecode1080p(benchmark::State& state) {
    const std::string bytes = test::read_file(join_path(full_hd_run_folder().shots, full_hd_run_name(1)));
    for (auto _ : state) {
        auto p = decode_jpeg(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_PlainDecode1080p)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ListStep1080pIn10000(benchmark::State& state) {
    const auto& folders = full_hd_run_folder();
    test::HeadlessPlatform plat(folders.program);
    plat.http.body = kVersion;
    test::ProgramWindows program(plat.platform());
    MainWindow& f = program.main();
    f.start();
    plat.windows.advance(1);
    if (f.file_lst.count() != kBigFolderCount) {
        state.SkipWithError("the screenshots were not listed");
        return;
    }
    step_through(state, f, [&] { test::press_key(f, key::kDown); });
}
BENCHMARK(BM_ListStep1080pIn10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(150);

}  // namespace
}  // namespace vis::bench
