// Opening the album window over 10,000 screenshots, clicking the first lines and sending them all
// to the album list ("▼"), against building the main window's two lists of the same folder
// (BM_BuildBothLists, run beside it). The pacer goes by the real clock, as in the program; the
// counters say how often events ran, the longest stretch without them (what the user would feel
// as a freeze), and how often the two lists changed (lines or selection), which is how often a
// backend renders them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "album_window/album_window.h"
#include "bench_folders.h"
#include "services/system_clock.h"
#include "support/app_fixture.h"
#include "support/headless.h"

namespace vis::bench {
namespace {

using Steady = std::chrono::steady_clock;

// Counts the event passes the program asks for and the changes of the watched lists.
class PassCounter : public test::HeadlessWindowSystem {
public:
    void watch(const ListBox& a, const ListBox& b) {
        lists_[0] = &a;
        lists_[1] = &b;
    }
    void begin() { last_ = Steady::now(); }
    void do_events() override {
        end();
        ++passes;
        test::HeadlessWindowSystem::do_events();
    }
    // Closes the stretch since the last pass, and counts the lists' changes in it.
    void end() {
        const auto now = Steady::now();
        longest_ms = std::max(longest_ms, std::chrono::duration<double, std::milli>(now - last_).count());
        last_ = now;
    }
    std::uint64_t list_changes() const { return lists_[0]->revision() + lists_[1]->revision(); }

    long passes = 0;
    double longest_ms = 0;

private:
    const ListBox* lists_[2] = {};
    Steady::time_point last_ = Steady::now();
};

void BM_AlbumOpenAndSendAll10000(benchmark::State& state) {
    const auto& folders = big_game_folder();
    PassCounter windows;
    SystemClock clock;
    test::HeadlessPlatform plat(folders.program);
    plat.use(windows);
    plat.use(clock);
    test::ProgramWindows program_windows(plat.platform());
    MainWindow& form = program_windows.main();
    program_windows.windows.settings().load();
    form.list_screenshots();
    AlbumWindow& album = program_windows.windows.get<AlbumWindow>();
    windows.watch(album.file_lst, album.file_album);

    const std::uint64_t changes_before = windows.list_changes();
    for (auto _ : state) {
        windows.begin();
        test::click_menu(form.mAlbum);
        // Row 1: a small screenshot, so the preview costs next to nothing.
        test::click_row(album.file_lst, 1);
        test::click(album.cmd_send_list_all);
        windows.end();
    }
    if (album.file_album.count() != kBigFolderCount || album.file_lst.count() != 0)
        state.SkipWithError("not every screenshot reached the album list");
    const double runs = static_cast<double>(state.iterations());
    state.counters["passes"] = static_cast<double>(windows.passes) / runs;
    state.counters["list_changes"] = static_cast<double>(windows.list_changes() - changes_before) / runs;
    state.counters["longest_ms"] = windows.longest_ms;
}
BENCHMARK(BM_AlbumOpenAndSendAll10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vis::bench
