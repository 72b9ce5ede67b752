#include "start/start_report.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "album_window/album_window.h"
#include "catalogue/prefetch.h"
#include "core/window_owner.h"
#include "main_window/main_window.h"
#include "services/start_marks.h"
#include "thumbnail_window/thumbnail_window.h"
#include "ui/keys.h"

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

// Runs `then` once, on the start timer's tick that finished the main window's start-up step.
void when_started(WindowOwner& windows, std::function<void(MainWindow&)> then) {
    MainWindow& main = windows.get<MainWindow>();
    main.tmr_start.on_timer = [&main, then = std::move(then), step = std::move(main.tmr_start.on_timer),
                               done = false]() mutable {
        step();
        if (done || main.starting()) return;
        done = true;
        then(main);
    };
}

// Prints what the probe found and ends at once: how long a program takes to close is no part of
// what is measured.
[[noreturn]] void end_probe() {
    std::fflush(stdout);
    std::_Exit(0);
}

}  // namespace

void begin_timeline() {
    timeline_start = Clock::now();
    set_start_mark_sink(keep_mark);
}

void report_when_started(WindowOwner& windows, bool album, std::function<ProcessMemory()> memory) {
    when_started(windows, [&windows, album, memory = std::move(memory)](MainWindow& main) {
        if (album) main.open_album_window();
        // What is shown is painted before it is weighed: every pending paint runs here.
        windows.platform().windows.do_events();
        start_mark("list painted");
        std::printf("lines %d album %d resident_kb %ld\n", main.file_lst.count(),
                    album ? windows.get<AlbumWindow>().file_lst.count() : 0, memory().resident_kb);
        print_timeline();
        end_probe();
    });
}

void report_thumbnails_memory(WindowOwner& windows, std::function<ProcessMemory()> memory) {
    when_started(windows, [&windows, memory = std::move(memory)](MainWindow& main) {
        WindowSystem& system = windows.platform().windows;
        system.do_events();
        const ProcessMemory started = memory();
        // The main window at work: a few steps down its list fill the preview and its pictures
        // decoded ahead, which it keeps whichever window chooses the screenshot.
        ListBox& list = main.lists().in_use();
        for (int step = 0; step < 8 && list.list_index() + 1 < list.count(); ++step) {
            list.set_list_index(list.list_index() + 1);
            system.do_events();
        }
        main.decode_ahead().wait_idle();
        system.do_events();
        const ProcessMemory stepped = memory();

        main.mThumbnails.on_click();
        system.do_events();
        const ProcessMemory opened = memory();
        ThumbnailWindow& thumbs = windows.get<ThumbnailWindow>();
        const ThumbnailGrid& grid = thumbs.thumbnails();
        // From the newest (Home), each press is handled and painted, with the thumbnails that came
        // meanwhile, before the next, as when the key is held; a press that moves nothing ends it.
        thumbs.grid.on_key_down(key::kHome, 0);
        system.do_events();
        int presses = 0;
        for (;;) {
            const int before = grid.selection().current();
            thumbs.grid.on_key_down(key::kPageDown, 0);
            system.do_events();
            ++presses;
            if (grid.selection().current() == before) break;
        }
        // The key let go, the main window's preview follows once the choice rests.
        for (int waited = 0; thumbs.tmr_preview.timer_enabled() && waited < 5000; waited += 10) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            system.do_events();
        }
        thumbs.thumbnails().thumbnails().decoder().wait_idle();
        main.decode_ahead().wait_idle();
        system.do_events();
        const ProcessMemory paged = memory();

        const bool at_end = grid.view().top() == grid.view().layout().max_top(grid.view().height());
        const ThumbnailCache& cache = thumbs.thumbnails().thumbnails().cache();
        std::printf("thumbnails %d presses %d at_end %d\n", grid.selection().count(), presses, at_end ? 1 : 0);
        std::printf("thumbnail cache: %zu of %zu kept, %zu KB\n", cache.size(), cache.capacity(), cache.bytes() / 1024);
        const auto print = [](const char* what, const ProcessMemory& m) {
            std::printf("%s: resident_kb %ld private_kb %ld\n", what, m.resident_kb, m.private_kb);
        };
        print("started", started);
        print("main list stepped", stepped);
        print("thumbnail window opened", opened);
        print("thumbnails paged", paged);
        print("above the main window at work",
              {paged.resident_kb - stepped.resident_kb, paged.private_kb - stepped.private_kb});
        print("above the main window started",
              {paged.resident_kb - started.resident_kb, paged.private_kb - started.private_kb});
        end_probe();
    });
}

}  // namespace vis::bench
