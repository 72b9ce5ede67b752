// Screenshots saved, removed, renamed or replaced while the program runs reach both lists through
// the folder watch (driven by the test), without a rebuild.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <thread>
#include <utility>

#include "catalogue/list_line.h"
#include "services/paths.h"
#include "support/app_fixture.h"
#include "ui/keys.h"
#include "viewer/viewer_window.h"
#include "viewer_fixture.h"

namespace vis {
namespace {

using test::App;

constexpr std::time_t kFirst = 1160000000;
// Two looks at a file (its size unchanged between them) and the tick that shows it.
constexpr int kSettle = 2 * ScreenshotWatch::kTickMs + 50;

std::string shot(int i) {
    char name[40];
    std::snprintf(name, sizeof name, "PelmarOnline_2006115_%05d.jpg", i);
    return name;
}

// A started program with `n` screenshots saved a minute apart, the i-th `shot(10 * i)`.
struct Watched {
    App app;
    // `before` puts services in place before the program starts.
    explicit Watched(int n, const std::function<void(App&)>& before = {}) {
        if (before) before(app);
        app.folders.write_settings("1", "0", app.folders.root.path());
        for (int i = 0; i < n; ++i) save(10 * i, kFirst + 60 * i, 40 + i);
        app.start();
    }
    std::string path(const std::string& name) const { return join_path(app.folders.shots, name); }
    // A screenshot written whole, the game's way; the watch is not told.
    std::string save(int i, std::time_t when, int width = 64) {
        app.folders.add_shot(shot(i), when, width, 30);
        return shot(i);
    }
    void report(std::vector<std::string> names) { app.plat.folder_watch.report(std::move(names)); }
    void settle() { app.plat.windows.advance(kSettle); }
    std::uintmax_t folder_bytes() const {
        std::uintmax_t total = 0;
        for (const auto& e : std::filesystem::directory_iterator(to_fs_path(app.folders.shots)))
            if (wildcard_match(kScreenshotPattern, from_fs_path(e.path().filename()))) total += e.file_size();
        return total;
    }
    test::MainSurface main() { return app.main(); }
    // Both lists agree with a reading of the whole folder, in both orders.
    void expect_as_read_again() {
        const auto up = main().oldest_first();
        const auto down = main().newest_first();
        ASSERT_EQ(std::vector<std::string>(up.rbegin(), up.rend()), down);
        ListedFiles read;
        ASSERT_TRUE(list_folder(app.folders.shots, kScreenshotPattern, read));
        ScreenshotOrder order;
        order.assign_all(std::make_shared<ListedFiles>(std::move(read)));
        std::vector<std::string> expected;
        for (int i = 0; i < order.count(); ++i) expected.push_back(order.line(i));
        EXPECT_EQ(up, expected);
        EXPECT_EQ(main().listed_bytes(), folder_bytes());
    }
};

TEST(ListWatch, ANewScreenshotTakesItsPlaceAndTheSelectionAndPreviewStay) {
    // Saved between the first and the second screenshot, or after the newest while it is selected.
    const struct {
        bool newest_first;
        int row;
        std::time_t saved;
    } cases[] = {{false, 1, kFirst + 30}, {true, 1, kFirst + 30}, {true, 0, kFirst + 600}};
    for (const auto& c : cases) {
        Watched w(3);
        test::MainSurface m = w.main();
        if (c.newest_first) m.switch_order();
        m.choose(c.row);
        const std::string selected = m.chosen_line();
        const int preview_width = m.preview_width();
        const std::string name = w.save(5, c.saved);
        w.report({name});
        w.app.plat.windows.advance(1000);

        EXPECT_EQ(m.chosen_line(), selected) << "row " << c.row;
        EXPECT_EQ(m.preview_width(), preview_width);
        EXPECT_EQ(m.panel_position(),
                  "　　(" + std::to_string(m.chosen() + 1) + "/4)　　　全 " + total_size_text(w.folder_bytes()));
        w.expect_as_read_again();
    }
}

TEST(ListWatch, AFileStillBeingWrittenAppearsWhenComplete) {
    Watched w(2);
    test::MainSurface m = w.main();
    const std::string whole = test::read_file(w.path(w.save(5, kFirst + 600)));
    // Written in three parts: the first ends like a JPEG (an embedded thumbnail does), the second
    // does not, and the size changes between looks.
    const std::string parts[] = {whole.substr(0, 200) + "\xFF\xD9", whole.substr(0, whole.size() / 2), whole};
    for (const std::string& part : {parts[0], parts[1]}) {
        test::write_file(w.path(shot(5)), part);
        w.report({shot(5)});
        w.app.plat.windows.advance(ScreenshotWatch::kTickMs);
        EXPECT_EQ(m.count(), 2) << "listed at " << part.size() << " bytes";
    }
    // Complete, but not yet seen complete twice.
    test::write_file(w.path(shot(5)), parts[2]);
    test::set_modified(w.path(shot(5)), kFirst + 600);
    w.report({shot(5)});
    w.app.plat.windows.advance(ScreenshotWatch::kTickMs);
    EXPECT_EQ(m.count(), 2);
    w.app.plat.windows.advance(ScreenshotWatch::kTickMs);
    EXPECT_EQ(m.count(), 3);
    w.expect_as_read_again();
}

TEST(ListWatch, AFileThatNeverEndsAsAJpegIsListedOnceItStopsGrowing) {
    // What a reading of the folder would list, the watch lists too, only later.
    Watched w(1);
    test::write_file(w.path(shot(5)), "not a picture");
    w.report({shot(5)});
    w.settle();
    EXPECT_EQ(w.main().count(), 1);
    w.app.plat.windows.advance(2000);
    EXPECT_EQ(w.main().count(), 2);
    w.expect_as_read_again();
}

// Removed or renamed at the selection, the line that followed takes it as after a delete; removed
// above it, the selection only moves up with its line.
TEST(ListWatch, ARemovedOrRenamedScreenshotLeavesTheListsAsADeleteDoes) {
    const auto remove = [](Watched& w, const std::string& name) { std::filesystem::remove(to_fs_path(w.path(name))); };
    const auto rename = [](Watched& w, const std::string& name) {
        std::filesystem::rename(to_fs_path(w.path(name)), to_fs_path(w.path("kept.jpg")));
    };
    const struct {
        std::function<void(Watched&, const std::string&)> away;
        int selected, gone;
    } cases[] = {{remove, 2, 20}, {rename, 2, 20}, {remove, 3, 0}};
    for (const auto& c : cases) {
        Watched w(5);
        test::MainSurface m = w.main();
        m.choose(c.selected);
        c.away(w, shot(c.gone));
        w.report({shot(c.gone), "kept.jpg"});
        w.settle();
        EXPECT_EQ(m.count(), 4);
        EXPECT_EQ(m.chosen(), 2);
        EXPECT_EQ(m.panel().find("ファイル名：" + shot(30)), 0u);
        EXPECT_EQ(m.preview_width(), 43);
        EXPECT_EQ(m.panel_position(), "　　(3/4)　　　全 " + total_size_text(w.folder_bytes()));
        w.expect_as_read_again();
    }
}

TEST(ListWatch, AReplacedScreenshotKeepsItsLineWithItsNewTimeAndSize) {
    Watched w(3);
    test::MainSurface m = w.main();
    m.switch_order();
    m.choose(2);  // the oldest
    // Saved again over the oldest: now the newest, and larger.
    w.app.folders.add_shot(shot(0), kFirst + 3600, 200, 150);
    w.report({shot(0)});
    w.settle();
    EXPECT_EQ(m.chosen(), 0);
    EXPECT_EQ(m.chosen_line(), make_list_line(kFirst + 3600, shot(0)));
    const auto size = std::filesystem::file_size(to_fs_path(w.path(shot(0))));
    EXPECT_NE(m.panel().find("サイズ　　：" + size_kb_text(size) + " KB"), std::string::npos);
    EXPECT_EQ(m.preview_width(), 200);
    w.expect_as_read_again();
}

TEST(ListWatch, ABurstOfAHundredIsShownWithinOneSecondInFewUpdates) {
    Watched w(3);
    test::MainSurface m = w.main();
    m.choose(2);
    std::vector<std::string> names;
    for (int i = 0; i < 100; ++i) {
        names.push_back(w.save(1000 + i, kFirst + 7 * i, 16));
        // Told a few at a time, as the system does.
        if (names.size() % 10 == 0) w.report({names.end() - 10, names.end()});
    }
    std::uint64_t last = m.list_revision();
    int updates = 0;
    for (int ms = 0; ms < 1000; ms += 10) {
        w.app.plat.windows.advance(10);
        if (m.list_revision() != last) ++updates;
        last = m.list_revision();
    }
    EXPECT_EQ(m.count(), 103);
    EXPECT_LE(updates, 2);
    EXPECT_EQ(m.chosen_name(), shot(20));
    w.expect_as_read_again();
    EXPECT_FALSE(m.window().watch().ticking());
    // Then every third removed and every seventh saved again later: each name still finds its own
    // record, wherever the removals moved the others.
    for (int i = 0; i < 100; ++i) {
        if (i % 3 == 0) std::filesystem::remove(to_fs_path(w.path(names[static_cast<std::size_t>(i)])));
        if (i % 7 == 0) w.save(1000 + i, kFirst + 5000 + i, 17);
    }
    w.report(names);
    w.settle();
    w.expect_as_read_again();
}

// Prompts that let something happen while a question is on screen.
struct PromptsWithPause : test::ScriptedPrompts {
    std::function<void()> meanwhile;
    MsgResult message_box(const MessageBox& box) override {
        if (meanwhile) std::exchange(meanwhile, nullptr)();
        return ScriptedPrompts::message_box(box);
    }
};

TEST(ListWatch, ChangesWaitWhileADeleteAsksAndAreAppliedAfter) {
    PromptsWithPause prompts;
    Watched w(4, [&](App& app) { app.plat.use(prompts); });
    test::MainSurface m = w.main();
    m.choose(2);
    prompts.meanwhile = [&] {
        // Saved before the selected one while the question is shown: its row must not move.
        w.report({w.save(5, kFirst + 5)});
        w.app.plat.windows.advance(1000);
        EXPECT_EQ(m.count(), 4);
    };
    prompts.answer_message(MsgResult::yes);
    m.press(key::kDelete);
    EXPECT_FALSE(std::filesystem::exists(to_fs_path(w.path(shot(20)))));
    EXPECT_EQ(m.count(), 3);
    EXPECT_EQ(m.name_at(2), shot(30));
    w.settle();
    EXPECT_EQ(m.count(), 4);
    EXPECT_EQ(m.chosen_name(), shot(30));
    w.expect_as_read_again();
}

// A move on one drive that lets the clock run at its first file, as the run's pacer does.
struct MoveWithPause : test::FaultyFileSystem {
    std::function<void()> meanwhile;
    bool rename(const std::string& from, const std::string& to) override {
        if (meanwhile) std::exchange(meanwhile, nullptr)();
        return FaultyFileSystem::rename(from, to);
    }
};

TEST(ListWatch, ChangesWaitWhileABulkMoveRunsAndAreAppliedAfter) {
    MoveWithPause files;
    Watched w(3, [&](App& app) { app.plat.use(files); });
    test::MainSurface m = w.main();
    const std::string out = join_path(w.app.folders.root.path(), "moved");
    std::filesystem::create_directory(to_fs_path(out));
    test::BulkSurface d = m.open_bulk(test::entry::kMoveAll);
    d.choose_folder(join_path(out, "全スクリーンショット"));
    std::vector<std::string> during;
    files.meanwhile = [&] {
        w.report({w.save(5, kFirst + 5), shot(0), shot(10), shot(20)});
        w.app.plat.windows.advance(1000);
        during = m.lines();
    };
    w.app.plat.prompts.answer_message(MsgResult::ok);
    d.start(MsgResult::ok);
    EXPECT_EQ(during.size(), 3u);
    // The run moved what it read when it started; the one saved meanwhile stays and is listed.
    EXPECT_TRUE(std::filesystem::exists(to_fs_path(join_path(out, shot(20)))));
    w.settle();
    ASSERT_EQ(m.count(), 1);
    EXPECT_EQ(m.name_at(0), shot(5));
    w.expect_as_read_again();
}

TEST(ListWatch, TheViewerKeepsItsPictureWhileLinesArrive) {
    Watched w(3);
    test::MainSurface m = w.main();
    test::ViewerSurface v = m.view(1);
    const int width = v.picture_width();
    w.report({w.save(5, kFirst + 5, 99)});
    w.settle();
    EXPECT_EQ(m.count(), 4);
    EXPECT_EQ(v.picture_width(), width);
    EXPECT_EQ(m.chosen_name(), shot(10));
    // Only the counter moves with its line.
    EXPECT_EQ(v.counter(), "3/4 (|||||||･･･)");
}

TEST(ListWatch, NamesOutsideThePatternAndVanishedFilesChangeNothing) {
    Watched w(2);
    test::MainSurface m = w.main();
    test::write_file(w.path("notes.txt"), "x");
    test::write_jpeg(w.path("PelmarOnline_1.jpeg"), 8, 8);
    const auto before = m.list_revision();
    w.report({"notes.txt", "PelmarOnline_1.jpeg", shot(77)});
    w.settle();
    EXPECT_EQ(m.list_revision(), before);
    EXPECT_FALSE(m.window().watch().ticking());
}

// The watch lost track: its queue overflowed, or the folder itself was removed, moved away or
// unmounted. The lists are read again once, each keeping its selection where the file still is,
// and the folder is watched again as soon as it is there: looked for every few seconds, or at
// once when the settings are applied with the same folder.
TEST(ListWatch, ALostTrackIsMadeGoodByOneReadingAndANewWatch) {
    const auto folder = [](Watched& w) { return to_fs_path(w.app.folders.shots); };
    const auto unseen_changes = [](Watched& w) {
        w.save(5, kFirst + 5);
        std::filesystem::remove(to_fs_path(w.path(shot(0))));
    };
    const auto moved = [&](Watched& w) {
        std::filesystem::rename(folder(w), folder(w).string() + " old");
        std::filesystem::create_directory(folder(w));
        w.save(5, kFirst + 5);
    };
    const auto unmounted = [&](Watched& w) {
        // What lies under the mount point: an empty folder.
        for (const auto& e : std::filesystem::directory_iterator(folder(w))) std::filesystem::remove(e.path());
    };
    const auto removed = [&](Watched& w) { std::filesystem::remove_all(folder(w)); };
    const auto made_again = [&](Watched& w) {
        std::filesystem::create_directory(folder(w));
        w.save(5, kFirst + 5);
    };
    const auto looked_for = [&](Watched& w) {
        made_again(w);
        w.app.plat.windows.advance(ScreenshotWatch::kSearchMs);
    };
    const auto settings_applied = [&](Watched& w) {
        made_again(w);
        w.main().open_settings().press(test::settings_entry::kApply);
    };
    const struct {
        const char* what;
        bool watch_ends;
        std::function<void(Watched&)> away, back;
    } cases[] = {{"overflowed", false, unseen_changes, {}},
                 {"moved away, a new one made", true, moved, {}},
                 {"unmounted", true, unmounted, {}},
                 {"removed, made again", true, removed, looked_for},
                 {"removed, made again, settings applied", true, removed, settings_applied}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Watched w(3);
        test::MainSurface m = w.main();
        m.choose(1);
        // On Windows a folder whose file another thread still reads cannot go: the neighbours'
        // decodes end first, as a player's hand would take longer than they do.
        m.window().decode_ahead().wait_idle();
        c.away(w);
        if (c.watch_ends)
            w.app.plat.folder_watch.lose_track();
        else
            w.app.plat.folder_watch.report({}, true);
        w.settle();
        // What the user sees is what is there: the selected file itself where it stayed.
        const bool there = std::filesystem::is_directory(folder(w));
        if (there) w.expect_as_read_again();
        if (m.count() == 0) {
            EXPECT_FALSE(there && !std::filesystem::is_empty(folder(w)));
            EXPECT_TRUE(m.preview().empty());
            EXPECT_EQ(m.panel(), test::kHintLines);
        } else {
            const std::string name = m.chosen_name();
            EXPECT_EQ(name, std::filesystem::exists(to_fs_path(w.path(shot(10)))) ? shot(10) : shot(5));
            EXPECT_EQ(m.panel().find("ファイル名：" + name), 0u);
        }
        if (c.back) c.back(w);
        EXPECT_EQ(w.app.plat.folder_watch.watched, w.app.folders.shots);
        w.expect_as_read_again();
        // The new watch tells what is saved next.
        w.report({w.save(40, kFirst + 3600)});
        w.settle();
        EXPECT_EQ(line_name(m.newest_first().at(0)), shot(40));
        w.expect_as_read_again();
    }
}

// The folder is read on a worker thread while the windows come up: a screenshot saved after that
// reading, and named by the watch before the list is made, is listed all the same.
TEST(ListWatch, AScreenshotSavedWhileTheProgramStartsIsListed) {
    Watched w(2, [](App& app) { app.plat.windows.on_screen = false; });
    ASSERT_EQ(w.main().count(), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    w.report({w.save(20, kFirst + 3600)});
    // The watch's ticks come while the start-up step still waits for the windows on screen.
    w.settle();
    w.app.plat.windows.on_screen = true;
    w.settle();
    EXPECT_EQ(w.main().count(), 3);
    w.expect_as_read_again();
}

// Where the system ignores letter case (Windows), the old name still finds the renamed file:
// told the old name before or after the new one, the file keeps one line, under its new name.
TEST(ListWatch, ARenameInLetterCaseOnlyListsTheFileOnce) {
    const std::string renamed = "pelmaronline_2006115_00010.JPG";
    for (const bool new_name_first : {false, true}) {
        Watched w(3);
        std::filesystem::rename(to_fs_path(w.path(shot(10))), to_fs_path(w.path(renamed)));
        const std::string told[] = {new_name_first ? renamed : shot(10), new_name_first ? shot(10) : renamed};
        for (const std::string& name : told) {
            w.report({name});
            w.settle();
        }
        EXPECT_EQ(w.main().count(), 3);
        w.expect_as_read_again();
    }
}

}  // namespace
}  // namespace vis
