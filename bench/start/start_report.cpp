#include "start/start_report.h"

#include <cstdio>
#include <utility>

#include "album_window/album_window.h"
#include "core/window_owner.h"
#include "main_window/main_window.h"

namespace vis::bench {

void report_when_started(WindowOwner& windows, bool album, std::function<long()> resident_kb) {
    MainWindow& main = windows.get<MainWindow>();
    // The start-up step runs on the start timer's tick.
    main.tmr_start.on_timer = [&windows, &main, album, resident_kb = std::move(resident_kb),
                               step = std::move(main.tmr_start.on_timer), reported = false]() mutable {
        step();
        if (reported || main.starting()) return;
        reported = true;
        if (album) main.open_album_window();
        // What is shown is painted before it is weighed.
        windows.platform().windows.do_events();
        std::printf("lines %d album %d resident_kb %ld\n", main.file_lst.count(),
                    album ? windows.get<AlbumWindow>().file_lst.count() : 0, resident_kb());
        std::fflush(stdout);
        main.quit();
    };
}

}  // namespace vis::bench
