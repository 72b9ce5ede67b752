// Copying and moving every screenshot through the command window, over real folders.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>

#include "bulk/bulk_window.h"
#include "core/app.h"
#include "services/ansi.h"
#include "services/paths.h"
#include "support/app_fixture.h"
#include "support/bulk_surface.h"

namespace vis {
namespace {

using test::read_file;
using test::SteppingClock;
using test::bulk_button::kCancel;
using test::bulk_button::kStart;

constexpr std::time_t kSaved = 1160000000;

// A started program with `shots` screenshots and an existing output folder as its save folder.
struct Bulk {
    test::App app;
    std::string out = join_path(app.folders.root.path(), "backup");
    // Every screenshot's bytes and save time by name, as written.
    std::map<std::string, std::string> bytes;
    std::map<std::string, std::time_t> saved;

    explicit Bulk(int shots) {
        std::filesystem::create_directory(to_fs_path(out));
        app.folders.write_settings("1", "0", out);
        for (int i = 0; i < shots; ++i) {
            const std::string name = "PelmarOnline_200611" + std::to_string(i) + "_0171" + std::to_string(i) + ".jpg";
            saved[name] = kSaved + 60 * i;
            bytes[name] = read_file(app.folders.add_shot(name, saved[name], 40 + i, 30));
        }
    }
    test::MainSurface start() {
        app.start();
        return app.main();
    }
    // The command window opened from the main window's menu entry.
    test::BulkSurface open(const std::string& entry) { return app.main().open_bulk(entry); }
    // Confirms the run and answers its closing message.
    void run(test::BulkSurface d) {
        app.plat.prompts.answer_message(MsgResult::ok);
        d.start(MsgResult::ok);
    }
    std::string shot(const std::string& name) const { return join_path(app.folders.shots, name); }
    std::string copy(const std::string& name) const { return join_path(out, name); }
    std::vector<std::string> files_in(const std::string& folder) const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(to_fs_path(folder)))
            names.push_back(from_fs_path(e.path().filename()));
        std::sort(names.begin(), names.end());
        return names;
    }
    // Nothing lost: each screenshot is still in its folder or whole in the output folder.
    void expect_every_shot_kept() const {
        for (const auto& [name, data] : bytes)
            EXPECT_TRUE(file_exists(shot(name)) ? read_file(shot(name)) == data : read_file(copy(name)) == data)
                << name;
    }
    const MessageBox& message(std::size_t i) const { return app.plat.prompts.asked().at(i).box; }
    // The texts of the message boxes shown so far, in order.
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const test::AskedPrompt& p : app.plat.prompts.asked())
            if (p.kind == test::AskedPrompt::Kind::message) texts.push_back(p.box.text);
        return texts;
    }
    // The copy in the output folder lists at its screenshot's save time.
    void expect_save_time_kept(const std::string& name) const {
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
            std::chrono::file_clock::to_sys(std::filesystem::last_write_time(to_fs_path(copy(name))))
                .time_since_epoch());
        EXPECT_EQ(seconds.count(), saved.at(name)) << name;
    }
};

// The output folder on another drive: no rename across folders, and faults to order, among them
// a copy of one file that fails, as a damaged sector would.
struct OtherDrive : test::FaultyFileSystem {
    std::string unreadable;
    bool rename(const std::string& from, const std::string& to) override {
        return parent_folder(from) == parent_folder(to) && FaultyFileSystem::rename(from, to);
    }
    bool copy(const std::string& from, const std::string& to) override {
        return (unreadable.empty() || !from.ends_with(unreadable)) && FaultyFileSystem::copy(from, to);
    }
};

// Either command asks first, then leaves every screenshot whole in the output folder, over an
// older copy there and passing over files that are not screenshots.
TEST(BulkRun, CopyAndMoveTakeEveryScreenshotByteForByte) {
    struct Case {
        std::string entry;
        std::string mode, ask, title, done;
    };
    const Case cases[] = {
        {test::entry::kCopyAll, "全てコピー",
         "スクリーンショットを全てコピーします。\r\nバックアップのように使用できます。\r\n\r\n[OK]を押すと開始します。",
         "copy", "「全てコピー」を完了しました。"},
        {test::entry::kMoveAll, "全て移動",
         "スクリーンショットを全て移動します。\r\n実行の際はご注意ください。\r\n\r\n[OK]を押すと開始します。", "move",
         "「全て移動」を完了しました。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        const bool move = c.title == "move";
        Bulk b(3);
        test::write_file(b.shot("notes.txt"), "not a screenshot");
        test::write_file(b.shot("PelmarOnline_1.jpeg"), "not a screenshot either");
        test::write_file(b.copy(b.bytes.begin()->first), "an older copy");
        test::MainSurface m = b.start();
        ASSERT_EQ(m.count(), 3);
        test::BulkSurface d = b.open(c.entry);
        EXPECT_EQ(d.mode(), c.mode);

        b.run(d);
        EXPECT_EQ(b.message(0).text, c.ask);
        EXPECT_EQ(b.message(0).title, c.title);
        EXPECT_EQ(b.message(1).text, c.done);

        std::vector<std::string> names;
        for (const auto& [name, data] : b.bytes) {
            names.push_back(name);
            EXPECT_EQ(read_file(b.copy(name)), data);
            b.expect_save_time_kept(name);
            // A copy leaves the screenshot as it was; a move leaves nothing behind.
            EXPECT_EQ(file_exists(b.shot(name)) ? read_file(b.shot(name)) : "gone", move ? "gone" : data) << name;
        }
        EXPECT_EQ(b.files_in(b.out), names);  // no other file, no leftover part or probe
        EXPECT_FALSE(d.shown());
        EXPECT_EQ(d.progress(), 0);
        EXPECT_TRUE(d.can_press(kStart));
        // The main window lists only what is still there.
        if (move)
            test::expect_no_screenshot(m);
        else
            EXPECT_EQ(m.count(), 3);
    }
}

TEST(BulkCopy, ProgressRunsToOneHundredAndAMissingFileIsNamedMissing) {
    test::TempFolder from, to;
    test::SystemFileSystem disk;
    std::vector<int> percents;
    auto record = [&](int p) {
        percents.push_back(p);
        return true;
    };
    const BulkResult gone = run_bulk(disk, BulkMode::copy, from.path(), {"gone"}, to.path(), record);
    EXPECT_TRUE(gone.failed.empty());
    EXPECT_EQ(gone.missing, std::vector<std::string>{"gone"});
    EXPECT_EQ(percents, std::vector<int>{100});

    percents.clear();
    for (const char* n : {"c", "B", "a"}) test::write_file(join_path(from.path(), n), n);
    EXPECT_TRUE(run_bulk(disk, BulkMode::move, from.path(), {"c", "B", "a"}, to.path(), record).failed.empty());
    EXPECT_EQ(percents, (std::vector<int>{33, 67, 100}));
    EXPECT_EQ(read_file(join_path(to.path(), "B")), "B");

    // A screenshot moved or copied onto itself stays whole.
    const std::string a = join_path(to.path(), "a");
    EXPECT_TRUE(transfer(disk, BulkMode::move, a, a) && transfer(disk, BulkMode::copy, a, a));
    EXPECT_EQ(read_file(a), "a");
}

TEST(BulkMove, FailedCopiesAndDeletesLoseNothingAndAreNamed) {
    // Another drive (no rename) whose copies fail outright, break off, or cannot delete the source.
    for (const auto fault : {&test::FaultyFileSystem::fail_copy, &test::FaultyFileSystem::short_copy,
                             &test::FaultyFileSystem::fail_remove}) {
        Bulk b(2);
        OtherDrive drive;
        drive.*fault = true;
        b.app.plat.use(drive);
        test::MainSurface m = b.start();
        b.run(b.open(test::entry::kMoveAll));
        b.expect_every_shot_kept();
        EXPECT_EQ(b.files_in(b.app.folders.shots).size(), 2u);
        EXPECT_EQ(b.message(1).text,
                  "「全て移動」の途中で、次の 2 個のファイルを移動できませんでした。\r\n"
                  "元のファイルはスクリーンショットのフォルダに残っています。\r\n\r\n" +
                      b.bytes.begin()->first + "\r\n" + b.bytes.rbegin()->first);
        EXPECT_EQ(m.count(), 2);
    }
}

TEST(BulkMove, ACopyFailingOnTheThirdOfFiveDoesNotStopTheRun) {
    Bulk b(5);
    OtherDrive drive;
    drive.unreadable = std::next(b.bytes.begin(), 2)->first;
    b.app.plat.use(drive);
    test::MainSurface m = b.start();
    b.run(b.open(test::entry::kMoveAll));
    b.expect_every_shot_kept();
    EXPECT_EQ(b.files_in(b.app.folders.shots), std::vector<std::string>{drive.unreadable});
    EXPECT_EQ(b.files_in(b.out).size(), 4u);
    EXPECT_EQ(b.message(1).text,
              "「全て移動」の途中で、次の 1 個のファイルを移動できませんでした。\r\n"
              "元のファイルはスクリーンショットのフォルダに残っています。\r\n\r\n" +
                  drive.unreadable);
    // The main list shows what is left, previewed.
    ASSERT_EQ(m.count(), 1);
    EXPECT_TRUE(m.line_at(0).ends_with(drive.unreadable));
    EXPECT_EQ(m.preview_width(), 42);
}

// Someone deletes a screenshot while the run goes on: it is named apart from the one that could
// not be copied, which is still there, and every other screenshot is taken.
TEST(BulkRun, AScreenshotThatWentMeanwhileIsNamedApartFromOneThatFailed) {
    const std::string failed =
        "「全て移動」の途中で、次の 1 個のファイルを移動できませんでした。\r\n"
        "元のファイルはスクリーンショットのフォルダに残っています。\r\n\r\n";
    const std::string gone =
        "の途中で、次の 1 個のファイルが見つかりませんでした（移動または削除されています）。\r\n\r\n";
    for (const bool move : {false, true}) {
        SCOPED_TRACE(move ? "move" : "copy");
        Bulk b(4);
        OtherDrive drive;
        const std::string vanishing = std::next(b.bytes.begin(), 2)->first;
        drive.vanishing = vanishing;
        if (move) drive.unreadable = b.bytes.begin()->first;
        b.app.plat.use(drive);
        b.start();
        b.run(b.open(move ? test::entry::kMoveAll : test::entry::kCopyAll));
        EXPECT_EQ(b.message(1).text, move ? failed + drive.unreadable + "\r\n\r\n「全て移動」" + gone + vanishing
                                          : "「全てコピー」" + gone + vanishing);
        EXPECT_EQ(b.message(1).icon, MsgIcon::exclamation);
        b.bytes.erase(vanishing);
        b.expect_every_shot_kept();
        EXPECT_EQ(b.files_in(b.out).size(), move ? 2u : 3u);
    }
}

TEST(BulkCopy, NothingIsDoneWhenCancelledOrWhenTheOutputFolderCannotTakeTheFiles) {
    Bulk b(1);
    b.start();
    test::BulkSurface d = b.open(test::entry::kMoveAll);
    d.start(MsgResult::cancel);
    EXPECT_TRUE(d.shown());
    const auto choose = [&](const std::string& folder) { d.choose_folder(join_path(folder, "全スクリーンショット")); };

    // A folder gone since it was chosen, the screenshots' own folder, a disk that takes nothing.
    choose(join_path(b.out, "gone"));
    d.start(MsgResult::ok);
    choose(b.app.folders.shots);
    d.start(MsgResult::ok);
    choose(b.out);
    b.app.plat.files.disk_space = 0;
    d.start(MsgResult::ok);
    EXPECT_EQ(b.messages(),
              (std::vector<std::string>{
                  "スクリーンショットを全て移動します。\r\n実行の際はご注意ください。\r\n\r\n[OK]を押すと開始します。",
                  "出力先のフォルダが見つかりません。\r\n" + join_path(b.out, "gone"),
                  "出力先がスクリーンショットのフォルダと同じです。\r\n別のフォルダを選んでください。",
                  "出力先のフォルダに書き込めません。\r\n" + b.out}));
    EXPECT_EQ(b.files_in(b.app.folders.shots).size(), 1u);
    EXPECT_TRUE(b.files_in(b.out).empty());
}

TEST(BulkWindow, TheFolderButtonRewritesOnlyLineFourOfTheSettings) {
    Bulk b(1);
    const std::string file = b.app.folders.settings_file();
    b.start();
    test::BulkSurface d = b.open(test::entry::kCopyAll);

    d.choose_folder(std::nullopt);
    EXPECT_EQ(d.output_folder(), b.out);

    const std::string chosen = join_path(b.app.folders.root.path(), "新しい");
    d.choose_folder(join_path(chosen, "typed name"));
    EXPECT_EQ(b.app.plat.prompts.asked().back().dialog.initial_folder, b.out);
    EXPECT_EQ(d.output_folder(), chosen);
    EXPECT_EQ(from_ansi(read_file(file)), b.app.folders.game + "\r\n1\r\n0\r\n" + chosen + "\r\n");

    // A name in the root folder chooses the root folder.
    const std::string root = kSep == '/' ? "/" : "C:\\";
    d.choose_folder(root + "全スクリーンショット");
    EXPECT_EQ(d.output_folder(), root);
    EXPECT_EQ(read_file(file), b.app.folders.game + "\r\n1\r\n0\r\n" + root + "\r\n");

    // A choice that cannot be stored is still used, and the user is told.
    b.app.plat.files.fail_flush = true;
    b.app.plat.prompts.answer_message(MsgResult::ok);
    d.choose_folder(join_path(chosen, "x"));
    EXPECT_EQ(d.output_folder(), chosen);
    EXPECT_EQ(read_file(file), b.app.folders.game + "\r\n1\r\n0\r\n" + root + "\r\n");
    EXPECT_EQ(b.app.plat.prompts.asked().back().box.text,
              "設定ファイルに書き込めなかったため、保存先の設定は変更されていません。");
    EXPECT_EQ(b.app.plat.prompts.asked().back().box.owner, &d.window());

    // Reopening shows the main window's folder again, not the one chosen last.
    d.press(kCancel);
    EXPECT_FALSE(d.shown());
    EXPECT_EQ(&b.open(test::entry::kMoveAll).window(), &d.window());
    EXPECT_EQ(d.output_folder(), b.out);
}

TEST(BulkWindow, TheCloseBoxUnloadsTheWindowAndAnEmptyFolderStillSaysDone) {
    Bulk b(0);
    b.start();
    b.open(test::entry::kCopyAll).close();
    EXPECT_EQ(test::loaded<BulkWindow>(*b.app.form), nullptr);
    b.run(b.open(test::entry::kMoveAll));
    EXPECT_EQ(b.message(1).text, "「全て移動」を完了しました。");
}

TEST(BulkWindow, WhileRunningTheProgressShowsAndNothingStartsOrClosesIt) {
    Bulk b(5);
    SteppingClock clock;
    b.app.plat.use(clock);
    test::MainSurface m = b.start();
    test::BulkSurface d = b.open(test::entry::kCopyAll);
    std::vector<int> seen;
    auto meddle = [&] {
        seen.push_back(d.progress());
        d.press(kStart);
        d.press(kCancel);
        d.close();
        m.choose_menu(test::entry::kMoveAll);
    };
    b.app.plat.windows.queue(meddle);
    b.run(d);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_GT(seen[0], 0);
    EXPECT_LT(seen[0], 100);
    EXPECT_EQ(test::loaded<BulkWindow>(*b.app.form), &d.window());
    // The move menu pressed meanwhile did not change the running copy.
    EXPECT_EQ(b.message(1).text, "「全てコピー」を完了しました。");
    EXPECT_EQ(b.files_in(b.out).size(), 5u);
}

}  // namespace
}  // namespace vis
