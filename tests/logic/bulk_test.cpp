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

namespace vis {
namespace {

using test::click;
using test::read_file;
using test::SteppingClock;

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
    MainWindow& start() { return app.start(); }
    BulkWindow& open(MainWindow& f, Menu& entry) {
        test::click_menu(entry);
        return test::win<BulkWindow>(f);
    }
    // Confirms the run and answers its closing message.
    void run(BulkWindow& d) {
        app.plat.prompts.answer_message(MsgResult::ok);
        app.plat.prompts.answer_message(MsgResult::ok);
        click(d.cmd_Start);
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
        Menu MainWindow::*entry;
        std::string mode, ask, title, done;
    };
    const Case cases[] = {
        {&MainWindow::mAll_copy, "全てコピー",
         "スクリーンショットを全てコピーします。\r\nバックアップのように使用できます。\r\n\r\n[OK]を押すと開始します。",
         "copy", "「全てコピー」を完了しました。"},
        {&MainWindow::mAll_move, "全て移動",
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
        MainWindow& f = b.start();
        ASSERT_EQ(f.file_lst.count(), 3);
        BulkWindow& d = b.open(f, f.*c.entry);
        EXPECT_EQ(d.lbl_mode.caption(), c.mode);

        b.run(d);
        EXPECT_EQ(b.message(0).text, c.ask);
        EXPECT_EQ(b.message(0).title, c.title);
        EXPECT_EQ(b.message(0).buttons, MsgButtons::ok_cancel);
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
        EXPECT_FALSE(d.visible());
        EXPECT_EQ(d.pgb.value(), 0);
        EXPECT_TRUE(d.cmd_Start.enabled());
        // The main window lists only what is still there.
        EXPECT_EQ(f.file_lst.count(), move ? 0 : 3);
        if (move) {
            EXPECT_EQ(f.file_sort.count(), 0);
            EXPECT_TRUE(f.img_pre.picture().empty());
            EXPECT_FALSE(f.mSave.enabled());
            EXPECT_EQ(f.lbl_alt.caption(), test::kHintLines);
        }
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
        MainWindow& f = b.start();
        b.run(b.open(f, f.mAll_move));
        b.expect_every_shot_kept();
        EXPECT_EQ(b.files_in(b.app.folders.shots).size(), 2u);
        EXPECT_EQ(b.message(1).text,
                  "「全て移動」の途中で、次の 2 個のファイルを移動できませんでした。\r\n"
                  "元のファイルはスクリーンショットのフォルダに残っています。\r\n\r\n" +
                      b.bytes.begin()->first + "\r\n" + b.bytes.rbegin()->first);
        EXPECT_EQ(f.file_lst.count(), 2);
    }
}

TEST(BulkMove, ACopyFailingOnTheThirdOfFiveDoesNotStopTheRun) {
    Bulk b(5);
    OtherDrive drive;
    drive.unreadable = std::next(b.bytes.begin(), 2)->first;
    b.app.plat.use(drive);
    MainWindow& f = b.start();
    b.run(b.open(f, f.mAll_move));
    b.expect_every_shot_kept();
    EXPECT_EQ(b.files_in(b.app.folders.shots), std::vector<std::string>{drive.unreadable});
    EXPECT_EQ(b.files_in(b.out).size(), 4u);
    EXPECT_EQ(b.message(1).text,
              "「全て移動」の途中で、次の 1 個のファイルを移動できませんでした。\r\n"
              "元のファイルはスクリーンショットのフォルダに残っています。\r\n\r\n" +
                  drive.unreadable);
    // The main list shows what is left, previewed.
    ASSERT_EQ(f.file_lst.count(), 1);
    EXPECT_TRUE(f.file_lst.item(0).ends_with(drive.unreadable));
    EXPECT_EQ(f.img_pre.picture().width, 42);
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
        MainWindow& f = b.start();
        b.run(b.open(f, move ? f.mAll_move : f.mAll_copy));
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
    MainWindow& f = b.start();
    BulkWindow& d = b.open(f, f.mAll_move);
    b.app.plat.prompts.answer_message(MsgResult::cancel);
    click(d.cmd_Start);
    EXPECT_TRUE(d.visible());

    d.txt_Output_Path.set_text(join_path(b.out, "gone"));
    b.app.plat.prompts.answer_message(MsgResult::ok);
    click(d.cmd_Start);
    EXPECT_EQ(b.message(1).text, "出力先のフォルダが見つかりません。\r\n" + join_path(b.out, "gone"));

    d.txt_Output_Path.set_text(b.app.folders.shots);
    b.app.plat.prompts.answer_message(MsgResult::ok);
    click(d.cmd_Start);
    EXPECT_EQ(b.message(2).text, "出力先がスクリーンショットのフォルダと同じです。\r\n別のフォルダを選んでください。");

    d.txt_Output_Path.set_text(b.out);
    b.app.plat.files.disk_space = 0;
    b.app.plat.prompts.answer_message(MsgResult::ok);
    click(d.cmd_Start);
    EXPECT_EQ(b.message(3).text, "出力先のフォルダに書き込めません。\r\n" + b.out);
    EXPECT_EQ(b.app.plat.prompts.asked().size(), 4u);
    EXPECT_EQ(b.files_in(b.app.folders.shots).size(), 1u);
    EXPECT_TRUE(b.files_in(b.out).empty());
}

TEST(BulkWindow, TheFolderButtonRewritesOnlyLineFourOfTheSettings) {
    Bulk b(1);
    const std::string file = b.app.folders.settings_file();
    MainWindow& f = b.start();
    BulkWindow& d = b.open(f, f.mAll_copy);

    b.app.plat.prompts.answer_save(std::nullopt);
    click(d.cmd_cmd4);
    EXPECT_EQ(d.txt_Output_Path.text(), b.out);

    const std::string chosen = join_path(b.app.folders.root.path(), "新しい");
    b.app.plat.prompts.answer_save(join_path(chosen, "typed name"));
    click(d.cmd_cmd4);
    EXPECT_EQ(b.app.plat.prompts.asked().back().dialog.initial_folder, b.out);
    EXPECT_EQ(d.txt_Output_Path.text(), chosen);
    EXPECT_EQ(from_ansi(read_file(file)), b.app.folders.game + "\r\n1\r\n0\r\n" + chosen + "\r\n");

    // A name in the root folder chooses the root folder.
    const std::string root = kSep == '/' ? "/" : "C:\\";
    b.app.plat.prompts.answer_save(root + "全スクリーンショット");
    click(d.cmd_cmd4);
    EXPECT_EQ(d.txt_Output_Path.text(), root);
    EXPECT_EQ(read_file(file), b.app.folders.game + "\r\n1\r\n0\r\n" + root + "\r\n");

    // A choice that cannot be stored is still used, and the user is told.
    b.app.plat.files.fail_flush = true;
    b.app.plat.prompts.answer_save(join_path(chosen, "x"));
    b.app.plat.prompts.answer_message(MsgResult::ok);
    click(d.cmd_cmd4);
    EXPECT_EQ(d.txt_Output_Path.text(), chosen);
    EXPECT_EQ(read_file(file), b.app.folders.game + "\r\n1\r\n0\r\n" + root + "\r\n");
    EXPECT_EQ(b.app.plat.prompts.asked().back().box.text,
              "設定ファイルに書き込めなかったため、保存先の設定は変更されていません。");
    EXPECT_EQ(b.app.plat.prompts.asked().back().box.owner, &d);

    // Reopening shows the main window's folder again, not the one chosen last.
    click(d.cmd_cancel);
    EXPECT_FALSE(d.visible());
    EXPECT_EQ(&b.open(f, f.mAll_move), &d);
    EXPECT_EQ(d.txt_Output_Path.text(), b.out);
}

TEST(BulkWindow, TheCloseBoxUnloadsTheWindowAndAnEmptyFolderStillSaysDone) {
    Bulk b(0);
    MainWindow& f = b.start();
    b.open(f, f.mAll_copy).request_close();
    EXPECT_EQ(test::loaded<BulkWindow>(f), nullptr);
    b.run(b.open(f, f.mAll_move));
    EXPECT_EQ(b.message(1).text, "「全て移動」を完了しました。");
}

TEST(BulkWindow, WhileRunningTheProgressShowsAndNothingStartsOrClosesIt) {
    Bulk b(5);
    SteppingClock clock;
    b.app.plat.use(clock);
    MainWindow& f = b.start();
    BulkWindow& d = b.open(f, f.mAll_copy);
    std::vector<int> seen;
    auto meddle = [&] {
        seen.push_back(d.pgb.value());
        click(d.cmd_Start);
        click(d.cmd_cancel);
        d.request_close();
        test::click_menu(f.mAll_move);
    };
    b.app.plat.windows.queue(meddle);
    b.run(d);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_GT(seen[0], 0);
    EXPECT_LT(seen[0], 100);
    EXPECT_EQ(test::loaded<BulkWindow>(f), &d);
    // The move menu pressed meanwhile did not change the running copy.
    EXPECT_EQ(b.message(1).text, "「全てコピー」を完了しました。");
    EXPECT_EQ(b.files_in(b.out).size(), 5u);
}

}  // namespace
}  // namespace vis
