// One step down the screenshot list over 1920 x 1080 screenshots in a folder of 10,000 with the
// preview widget repainted on the Qt backend (offscreen platform), beside the logic alone and a
// plain decode (list_step_logic_bench.cpp) in the same run.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QWidget>

#include "bench_folders.h"
#include "core/app.h"
#include "list_step.h"
#include "main_window/main_window.h"
#include "qt/qt_window_system.h"
#include "qt_offscreen.h"
#include "support/app_fixture.h"
#include "support/headless.h"

namespace vis::bench {
namespace {

void BM_ListStepWithPreviewRepaint1080pIn10000(benchmark::State& state) {
    offscreen_application();
    const auto& folders = full_hd_run_folder();
    QtWindowSystem windows(folders.program);
    test::HeadlessPlatform doubles(folders.program);
    doubles.use(windows);
    doubles.http.body = kVersion;
    test::ProgramWindows program(doubles.platform());
    MainWindow& f = program.main();
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
