// Each system's folder watch over a real folder: every change arrives with its file's name on the
// windows' thread, nothing of a folder watched before, a folder gone is a lost track and is
// watched again once made again; a stopped watch is silent.
#include <filesystem>
#include <functional>
#include <set>

#include "backend/backend_driver.h"
#include "services/paths.h"
#include "support/temp_folder.h"
#include "ui/form.h"

namespace vis::test {
namespace {

struct Heard {
    std::set<std::string> names;
    int calls = 0;
    bool lost = false;
    void operator()(const FolderChanges& c) {
        ++calls;
        lost |= c.lost_track;
        names.insert(c.names.begin(), c.names.end());
    }
    bool has(const std::string& name) const { return names.count(name) > 0; }
};

void rename(const std::string& from, const std::string& to) {
    std::filesystem::rename(to_fs_path(from), to_fs_path(to));
}

// "Screen Save" watched (after "other" was), holding PelmarOnline_1.jpg; "away" is beside it.
struct Folders {
    TempFolder root;
    std::string shots = join_path(root.path(), "Screen Save");
    std::string other = join_path(root.path(), "other");
    std::string away = join_path(root.path(), "away");
};

TEST_F(BackendTest, AFolderWatchNamesEachChangeAndLosesTrackOfAFolderGone) {
    struct Case {
        const char* what;
        std::function<void(const Folders&)> change;
        const char* heard;  // nullptr: nothing is heard
        bool lost = false;
        const char* unmet_on_windows = nullptr;
    };
    const Case cases[] = {
        {"a screenshot saved", [](const Folders& f) { write_jpeg(join_path(f.shots, "PelmarOnline_2.jpg"), 16, 16); },
         "PelmarOnline_2.jpg"},
        {"renamed",
         [](const Folders& f) {
             rename(join_path(f.shots, "PelmarOnline_1.jpg"), join_path(f.shots, "PelmarOnline_2.jpg"));
         },
         "PelmarOnline_2.jpg"},
        {"removed",
         [](const Folders& f) { std::filesystem::remove(to_fs_path(join_path(f.shots, "PelmarOnline_1.jpg"))); },
         "PelmarOnline_1.jpg"},
        {"saved in the folder watched before",
         [](const Folders& f) { write_file(join_path(f.other, "PelmarOnline_old.jpg"), "x"); }, nullptr},
        {"the folder removed", [](const Folders& f) { std::filesystem::remove_all(to_fs_path(f.shots)); }, nullptr,
         true,
         "Wine removes a folder only once the last handle to it closes, the watch's included, and tells the watch "
         "nothing meanwhile"},
        {"the folder moved away", [](const Folders& f) { rename(f.shots, f.away); }, nullptr, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (!runs_here(c.unmet_on_windows)) continue;
        Folders f;
        for (const std::string& folder : {f.shots, f.other}) std::filesystem::create_directory(to_fs_path(folder));
        write_file(join_path(f.shots, "PelmarOnline_1.jpg"), "x");
        const std::unique_ptr<FolderWatch> watch = driver->folder_watch();
        Heard heard;
        ASSERT_TRUE(watch->watch(f.other, std::ref(heard)));
        // Watching another folder forgets the first.
        ASSERT_TRUE(watch->watch(f.shots, std::ref(heard)));

        c.change(f);
        EXPECT_TRUE(
            driver->run_until([&] { return (c.heard == nullptr || heard.has(c.heard)) && heard.lost == c.lost; }));
        driver->run_for(100);
        EXPECT_EQ(heard.lost, c.lost);
        // Only a change in the watched folder is heard.
        EXPECT_EQ(heard.calls > 0, c.heard != nullptr || c.lost);

        // Watched again, made again where it was gone: the next screenshot is heard, and nothing
        // of a folder moved away.
        std::filesystem::create_directories(to_fs_path(f.shots));
        ASSERT_TRUE(watch->watch(f.shots, std::ref(heard)));
        write_file(join_path(f.shots, "PelmarOnline_3.jpg"), "x");
        if (std::filesystem::exists(to_fs_path(f.away))) write_file(join_path(f.away, "PelmarOnline_away.jpg"), "x");
        EXPECT_TRUE(driver->run_until([&] { return heard.has("PelmarOnline_3.jpg"); }));
        EXPECT_FALSE(heard.has("PelmarOnline_away.jpg"));

        watch->stop();
        const int calls = heard.calls;
        write_file(join_path(f.shots, "PelmarOnline_4.jpg"), "x");
        driver->run_for(100);
        EXPECT_EQ(heard.calls, calls);
    }
}

TEST_F(BackendTest, AFolderThatIsNotThereOrAFileCannotBeWatched) {
    TempFolder dir;
    const std::string file = join_path(dir.path(), "PelmarOnline_1.jpg");
    write_file(file, "x");
    const std::unique_ptr<FolderWatch> watch = driver->folder_watch();
    for (const std::string& folder : {join_path(dir.path(), "missing"), std::string(), file})
        EXPECT_FALSE(watch->watch(folder, [](const FolderChanges&) {})) << folder;
}

// What the lists rely on: the change comes as an event of the window system, after which a timer
// the program starts runs.
TEST_F(BackendTest, ATimerStartedByAFolderChangeRuns) {
    TempFolder dir;
    Form form(windows, "MainWindow", "watch");
    Timer timer(form, "tmr_watch", 10, false);
    int ticks = 0;
    timer.on_timer = [&] {
        ++ticks;
        timer.set_timer_enabled(false);
    };
    form.show();
    windows.do_events();
    const std::unique_ptr<FolderWatch> watch = driver->folder_watch();
    ASSERT_TRUE(watch->watch(dir.path(), [&](const FolderChanges&) { timer.set_timer_enabled(true); }));
    write_jpeg(join_path(dir.path(), "PelmarOnline_1.jpg"), 16, 16);
    EXPECT_TRUE(driver->run_until([&] { return ticks > 0; }));
}

}  // namespace
}  // namespace vis::test
