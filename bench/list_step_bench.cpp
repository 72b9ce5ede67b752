// One step down the screenshot list (the selection change through show_pre_info) over 1920 x 1080
// screenshots in a folder of 10,000, against one plain libjpeg-turbo decode of the same kind of
// file: once for the logic alone, once with the preview widget repainted on the Qt backend
// (offscreen platform). Between steps the benchmark waits, untimed, until the neighbours are
// decoded ahead, as a user's pace of a few steps a second allows.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QWidget>

#include "bench_folders.h"
#include "core/app.h"
#include "main_window/form1.h"
#include "platform/jpeg.h"
#include "platform/keys.h"
#include "platform/paths.h"
#include "platform/qt/qt_window_system.h"
#include "support/app_fixture.h"
#include "support/headless.h"

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

// Steps down the full-size run of the list, back to its top after the last; `step` moves the
// selection and returns once the user would see the new screenshot.
template <class Step>
void step_through(benchmark::State& state, Form1& f, Step step) {
    for (auto _ : state) {
        state.PauseTiming();
        if (f.file_lst.list_index() + 1 >= kFullHdRun) {
            f.file_lst.set_list_index(0);
            f.decode_ahead().wait_idle();
        }
        f.decode_ahead().wait_idle();
        const int before = f.file_lst.list_index();
        state.ResumeTiming();

        step();

        state.PauseTiming();
        if (f.file_lst.list_index() != before + 1 || f.img_pre.picture().width != 1920) {
            state.SkipWithError("the step did not preview the next screenshot");
            break;
        }
        state.ResumeTiming();
    }
}

void BM_ListStep1080pIn10000(benchmark::State& state) {
    const auto& folders = full_hd_run_folder();
    test::HeadlessPlatform plat(folders.program);
    plat.http.body = kVersion;
    test::ProgramWindows program(plat.platform());
    Form1& f = program.main();
    f.start();
    plat.windows.advance(1);
    if (f.file_lst.count() != kBigFolderCount) {
        state.SkipWithError("the screenshots were not listed");
        return;
    }
    step_through(state, f, [&] { test::press_key(f, key::kDown); });
}
BENCHMARK(BM_ListStep1080pIn10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(150);

QApplication& offscreen_application() {
    static int argc = 1;
    static char name[] = "vistelle_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

void BM_ListStepWithPreviewRepaint1080pIn10000(benchmark::State& state) {
    offscreen_application();
    const auto& folders = full_hd_run_folder();
    QtWindowSystem windows(folders.program);
    test::HeadlessPlatform doubles(folders.program);
    doubles.use(windows);
    doubles.http.body = kVersion;
    test::ProgramWindows program(doubles.platform());
    Form1& f = program.main();
    windows.dispatch([&] { f.start(); });
    while (f.caption() != f.title()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QWidget* preview = windows.widget_of(f.img_pre);
    if (preview == nullptr || f.file_lst.count() != kBigFolderCount) {
        state.SkipWithError("the main window did not come up");
        return;
    }
    step_through(state, f, [&] {
        windows.dispatch([&] { f.file_lst.set_list_index(f.file_lst.list_index() + 1); });
        preview->repaint();
    });
}
BENCHMARK(BM_ListStepWithPreviewRepaint1080pIn10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(150);

}  // namespace
}  // namespace vis::bench
