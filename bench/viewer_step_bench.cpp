// A viewer step (show_next through the main window's selection handling to the displayed picture)
// over 1920 x 1080 screenshots in a folder of 10,000, against one plain libjpeg-turbo decode of the same kind of file.
// Between steps the benchmark waits, untimed, until the neighbours are decoded ahead, as a user's
// pace of a few steps a second allows.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "bench_folders.h"
#include "imaging/jpeg.h"
#include "main_window/main_window.h"
#include "services/paths.h"
#include "support/app_fixture.h"
#include "support/headless.h"
#include "support/temp_folder.h"
#include "viewer/viewer_window.h"

namespace vis::bench {
namespace {

void BM_ViewerPlainDecode1080p(benchmark::State& state) {
    const std::string bytes = test::read_file(join_path(full_hd_run_folder().shots, full_hd_run_name(0)));
    for (auto _ : state) {
        auto p = decode_jpeg(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_ViewerPlainDecode1080p)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_ViewerStep1080p(benchmark::State& state) {
    const auto& folders = full_hd_run_folder();
    test::HeadlessPlatform plat(folders.program);
    plat.http.body = kVersion;
    test::ProgramWindows program_windows(plat.platform());
    MainWindow& f = program_windows.main();
    f.start();
    plat.windows.advance(1);
    if (f.file_lst.count() != kBigFolderCount) {
        state.SkipWithError("the screenshots were not listed");
        return;
    }
    f.view_preview();
    ViewerWindow& v = test::win<ViewerWindow>(f);
    for (auto _ : state) {
        state.PauseTiming();
        if (f.file_lst.list_index() + 1 == kFullHdRun) {
            f.file_lst.set_list_index(0);
            v.show_full(false);
        }
        f.decode_ahead().wait_idle();
        const int before = f.file_lst.list_index();
        state.ResumeTiming();

        v.show_next();

        state.PauseTiming();
        if (f.file_lst.list_index() != before + 1 || v.img_view.picture().width != 1920) {
            state.SkipWithError("the step did not show the next screenshot");
            break;
        }
        state.ResumeTiming();
    }
}
// Every step waits for a decode outside the timed region: a fixed count keeps the run short.
BENCHMARK(BM_ViewerStep1080p)->Unit(benchmark::kMicrosecond)->UseRealTime()->Iterations(300);

}  // namespace
}  // namespace vis::bench
