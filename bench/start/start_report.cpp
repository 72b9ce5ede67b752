#include "start/start_report.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "album_window/album_window.h"
#include "core/window_owner.h"
#include "main_window/main_window.h"
#include "services/start_marks.h"

namespace vis::bench {

namespace {

using Clock = std::chrono::steady_clock;

Clock::time_point timeline_start;
std::vector<std::pair<std::string, Clock::time_point>> marks;

void keep_mark(std::string_view step) {
    marks.emplace_back(std::string(step), Clock::now());
}

void print_timeline() {
    std::printf("timeline");
    for (const auto& [step, at] : marks)
        std::printf(" | %.1f %s", std::chrono::duration<double, std::milli>(at - timeline_start).count(), step.c_str());
    std::printf("\n");
}

}  // namespace

void begin_timeline() {
    timeline_start = Clock::now();
    set_start_mark_sink(keep_mark);
}

void report_when_started(WindowOwner& windows, bool album, std::function<long()> resident_kb) {
    MainWindow& main = windows.get<MainWindow>();
    // The start-up step runs on the start timer's tick.
    main.tmr_start.on_timer = [&windows, &main, album, resident_kb = std::move(resident_kb),
                               step = std::move(main.tmr_start.on_timer), reported = false]() mutable {
        step();
        if (reported || main.starting()) return;
        reported = true;
        if (album) main.open_album_window();
        // What is shown is painted before it is weighed: every pending paint runs here.
        windows.platform().windows.do_events();
        start_mark("list painted");
        std::printf("lines %d album %d resident_kb %ld\n", main.file_lst.count(),
                    album ? windows.get<AlbumWindow>().file_lst.count() : 0, resident_kb());
        print_timeline();
        std::fflush(stdout);
        std::_Exit(0);
    };
}

}  // namespace vis::bench
