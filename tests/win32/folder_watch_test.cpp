// The folder watch of Windows over a real folder: the names arrive through the message loop.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <set>

#include "services/paths.h"
#include "support/temp_folder.h"
#include "ui/control.h"
#include "ui/form.h"
#include "win32/win32_folder_watch.h"
#include "win32/win32_window_system.h"

namespace vis {
namespace {

// Runs the thread's message loop until `done` holds or three seconds pass.
template <class Done>
bool pump_until(Done done) {
    for (int waited = 0; !done(); waited += 10) {
        if (waited > 3000) return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(10);
    }
    return true;
}

TEST(Win32FolderWatchTest, NamesWhatWasSavedRenamedAndRemoved) {
    test::TempFolder dir;
    const std::string folder = dir.path();
    Win32FolderWatch watch;
    std::set<std::string> heard;
    ASSERT_TRUE(watch.watch(folder, [&](const FolderChanges& c) { heard.insert(c.names.begin(), c.names.end()); }));
    test::write_jpeg(join_path(folder, "PelmarOnline_1.jpg"), 16, 16);
    EXPECT_TRUE(pump_until([&] { return heard.count("PelmarOnline_1.jpg") > 0; }));
    std::filesystem::rename(to_fs_path(join_path(folder, "PelmarOnline_1.jpg")),
                            to_fs_path(join_path(folder, "PelmarOnline_2.jpg")));
    EXPECT_TRUE(pump_until([&] { return heard.count("PelmarOnline_2.jpg") > 0; }));
    heard.clear();
    std::filesystem::remove(to_fs_path(join_path(folder, "PelmarOnline_2.jpg")));
    EXPECT_TRUE(pump_until([&] { return heard.count("PelmarOnline_2.jpg") > 0; }));

    watch.stop();
    heard.clear();
    test::write_file(join_path(folder, "PelmarOnline_3.jpg"), "x");
    pump_until([] { return false; });
    EXPECT_TRUE(heard.empty());
    EXPECT_FALSE(watch.watch(join_path(folder, "missing"), [](const FolderChanges&) {}));
    // A file opens as a folder would, but cannot be watched.
    EXPECT_FALSE(watch.watch(join_path(folder, "PelmarOnline_3.jpg"), [](const FolderChanges&) {}));
}

// The program answers a change by starting a timer; through the window system the timer is made
// at once, not at some later event.
TEST(Win32FolderWatchTest, ChangesReachTheProgramAsAnEventOfTheWindowSystem) {
    test::TempFolder dir;
    win32::Win32WindowSystem windows(".");
    Form form(windows, "F", "F");
    Timer timer(form, "tmr", 10, false);
    int ticks = 0;
    timer.on_timer = [&] {
        ++ticks;
        timer.set_timer_enabled(false);
    };
    form.show();
    windows.render();
    Win32FolderWatch watch(&windows);
    ASSERT_TRUE(watch.watch(dir.path(), [&](const FolderChanges&) { timer.set_timer_enabled(true); }));
    test::write_jpeg(join_path(dir.path(), "PelmarOnline_1.jpg"), 16, 16);
    EXPECT_TRUE(pump_until([&] { return ticks > 0; }));
}

}  // namespace
}  // namespace vis
