// The folder watch of a real run, over a real folder: each change arrives with its file's name.
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <set>

#include "qt/qt_folder_watch.h"
#include "qt_fixture.h"
#include "services/paths.h"
#include "support/temp_folder.h"

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

using QtFolderWatchTest = QtBackendTest;

TEST_F(QtFolderWatchTest, NamesWhatWasSavedRenamedAndRemovedAndNothingOfAnotherFolder) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    const std::string other = join_path(folder, "other");
    std::filesystem::create_directory(other);
    QtFolderWatch watch(windows);
    Heard heard;
    ASSERT_TRUE(watch.watch(other, std::ref(heard)));
    // Watching another folder forgets the first.
    ASSERT_TRUE(watch.watch(folder, std::ref(heard)));
    write_file(join_path(other, "PelmarOnline_old.jpg"), "x");

    write_jpeg(join_path(folder, "PelmarOnline_1.jpg"), 16, 16);
    EXPECT_TRUE(wait_until([&] { return heard.has("PelmarOnline_1.jpg"); }));
    std::filesystem::rename(join_path(folder, "PelmarOnline_1.jpg"), join_path(folder, "PelmarOnline_2.jpg"));
    EXPECT_TRUE(wait_until([&] { return heard.has("PelmarOnline_2.jpg"); }));
    heard.names.clear();
    std::filesystem::remove(join_path(folder, "PelmarOnline_2.jpg"));
    EXPECT_TRUE(wait_until([&] { return heard.has("PelmarOnline_2.jpg"); }));
    spin(100);
    EXPECT_FALSE(heard.has("PelmarOnline_old.jpg"));
    EXPECT_FALSE(heard.has("other"));

    watch.stop();
    const int calls = heard.calls;
    write_file(join_path(folder, "PelmarOnline_3.jpg"), "x");
    spin(100);
    EXPECT_EQ(heard.calls, calls);
}

// The folder itself removed or moved away: the watch says it lost track, and nothing of the moved
// folder reaches it; a folder made again in its place is watched again.
TEST_F(QtFolderWatchTest, AFolderRemovedOrMovedAwayIsALostTrackAndIsWatchedAgainWhenMadeAgain) {
    for (const bool moved : {false, true}) {
        QTemporaryDir dir;
        const std::string folder = join_path(dir.path().toStdString(), "Screen Save");
        const std::string away = join_path(dir.path().toStdString(), "away");
        std::filesystem::create_directory(folder);
        QtFolderWatch watch(windows);
        Heard heard;
        ASSERT_TRUE(watch.watch(folder, std::ref(heard)));
        if (moved)
            std::filesystem::rename(folder, away);
        else
            std::filesystem::remove_all(folder);
        EXPECT_TRUE(wait_until([&] { return heard.lost; })) << (moved ? "moved" : "removed");
        if (moved) write_file(join_path(away, "PelmarOnline_away.jpg"), "x");
        std::filesystem::create_directory(folder);
        ASSERT_TRUE(watch.watch(folder, std::ref(heard)));
        write_file(join_path(folder, "PelmarOnline_1.jpg"), "x");
        EXPECT_TRUE(wait_until([&] { return heard.has("PelmarOnline_1.jpg"); }));
        EXPECT_FALSE(heard.has("PelmarOnline_away.jpg"));
    }
}

TEST_F(QtFolderWatchTest, ATimerStartedByAChangeRuns) {
    // What the lists rely on: the change is an event after which the backend starts the timer.
    QTemporaryDir dir;
    Form form(windows, "MainWindow", "watch");
    Timer timer(form, "tmr_watch", 50, false);
    int ticks = 0;
    timer.on_timer = [&] { ++ticks; };
    windows.render();
    QtFolderWatch watch(windows);
    ASSERT_TRUE(watch.watch(dir.path().toStdString(), [&](const FolderChanges&) { timer.set_timer_enabled(true); }));
    write_file(join_path(dir.path().toStdString(), "PelmarOnline_1.jpg"), "x");
    EXPECT_TRUE(wait_until([&] { return ticks > 0; }));
}

TEST_F(QtFolderWatchTest, AFolderThatIsNotThereCannotBeWatched) {
    QTemporaryDir dir;
    QtFolderWatch watch(windows);
    EXPECT_FALSE(watch.watch(join_path(dir.path().toStdString(), "missing"), [](const FolderChanges&) {}));
    EXPECT_FALSE(watch.watch("", [](const FolderChanges&) {}));
}

}  // namespace
}  // namespace vis::test
