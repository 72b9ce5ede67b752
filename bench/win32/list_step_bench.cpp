// One step down the screenshot list over 1920 x 1080 screenshots in a folder of 10,000 with the
// preview repainted by the Win32 backend (GDI), beside the logic alone and a plain decode
// (list_step_logic_bench.cpp) in the same run.
#include <benchmark/benchmark.h>

#include <windows.h>

#include "bench_folders.h"
#include "core/app.h"
#include "list_step.h"
#include "main_window/main_window.h"
#include "support/app_fixture.h"
#include "support/headless.h"
#include "win32/control_view.h"
#include "win32/form_window.h"
#include "win32/win32_window_system.h"

namespace vis::bench {
namespace {

void BM_ListStepWithPreviewRepaint1080pIn10000(benchmark::State& state) {
    const auto& folders = full_hd_run_folder();
    win32::Win32WindowSystem windows(folders.program);
    test::HeadlessPlatform doubles(folders.program);
    doubles.use(windows);
    doubles.http.body = kVersion;
    test::ProgramWindows program(doubles.platform());
    MainWindow& f = program.main();
    windows.dispatch([&] { f.start(); });
    for (const DWORD start = GetTickCount(); f.caption() != f.title() && GetTickCount() - start < 30000;) {
        windows.do_events();
        Sleep(1);
    }
    win32::FormWindow* window = windows.window_of(&f);
    win32::ControlView* preview = window != nullptr ? window->view_of(f.img_pre) : nullptr;
    if (preview == nullptr || f.file_lst.count() != kBigFolderCount) {
        state.SkipWithError("the main window did not come up");
        return;
    }
    step_through(state, f, [&] {
        windows.dispatch([&] { f.file_lst.set_list_index(f.file_lst.list_index() + 1); });
        // Painted now, as the screen shows it, not whenever the message loop gets to it.
        RedrawWindow(preview->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    });
}
BENCHMARK(BM_ListStepWithPreviewRepaint1080pIn10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(150);

}  // namespace
}  // namespace vis::bench
