// Start-up: single instance, the settings file, the timer-driven screenshot step, quitting.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/settings.h"
#include "services/paths.h"
#include "settings_dialog/settings_dialog.h"
#include "support/app_fixture.h"

namespace vis {
namespace {

using test::App;
using test::read_file;
using test::write_file;

const std::string kTitle = "Pelmarオンライン - Vistelle (v2.00)";

TEST(StartUp, FirstRunWritesTheDefaultsAndPassesEveryCaption) {
    App app;
    MainWindow& f = app.start();
    EXPECT_EQ(read_file(app.folders.settings_file()),
              "C:\\Program Files\\QUORIX\\Pelmar Online\r\n1\r\n1\r\nC:\\Program Files\\QUORIX\\Pelmar Online\r\n");
    EXPECT_TRUE(f.mImgInfo.checked());
    EXPECT_TRUE(f.mBGMPlay.checked());
    EXPECT_TRUE(f.mBGM_change.enabled());
    const std::vector<std::string> expected{"初期化しています...(Setting)", "初期化しています...(First Settiings)",
                                            "初期化しています...(Setting)", "初期化しています...(BGM)",
                                            "初期化しています...(SS)"};
    const auto& seen = app.plat.windows.captions["MainWindow"];
    ASSERT_GE(seen.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(seen.begin(), seen.begin() + 5), expected);
}

TEST(StartUp, AMissingDataFolderIsCreated) {
    App app;
    std::filesystem::remove_all(to_fs_path(join_path(app.folders.program, "data")));
    app.start();
    EXPECT_TRUE(file_exists(app.folders.settings_file()));
}

TEST(StartUp, ListsTheFolderAndSetsTheTitle) {
    App app;
    app.folders.write_settings(" 1", " 0");
    app.folders.add_shot("PelmarOnline_2006115_01715.jpg", 1000000000);
    MainWindow& f = app.start();
    EXPECT_EQ(f.caption(), kTitle);
    EXPECT_FALSE(f.starting());
    EXPECT_TRUE(f.visible());
    EXPECT_TRUE(f.mImgInfo.checked());
    EXPECT_FALSE(f.mBGMPlay.checked());
    EXPECT_FALSE(f.mBGM_change.enabled());
    EXPECT_FALSE(f.mFullMenu.visible());
    EXPECT_FALSE(f.mEditMenu.visible());
    ASSERT_EQ(f.file_lst.count(), 1);
    EXPECT_EQ(f.file_lst.list_index(), 0);
    EXPECT_TRUE(f.mSave.enabled());
    EXPECT_EQ(f.focus(), &f.file_lst);
    EXPECT_FALSE(f.file_sort.visible());
    // The step runs once: later ticks leave the lists alone.
    app.folders.add_shot("PelmarOnline_2006115_01716.jpg", 1000000100);
    app.plat.windows.advance(2000);
    EXPECT_EQ(f.file_lst.count(), 1);
}

// The listing waits for the splash and the main window to reach the screen, and for no longer
// than a second when the window system never says they are there.
TEST(StartUp, TheListingWaitsForTheWindowsOnTheScreen) {
    struct Row {
        std::int64_t on_screen_at;  // ms after the first tick; -1: never
        std::int64_t listed_by;     // the first tick after which the list is there
    };
    for (const Row row : {Row{40, 41}, Row{-1, 1001}}) {
        App app;
        app.folders.write_settings(" 1", " 0");
        app.folders.add_shot("PelmarOnline_2006115_01715.jpg", 1000000000);
        app.plat.windows.on_screen = false;
        MainWindow& f = app.start();
        for (std::int64_t t = 1; t < row.listed_by; ++t) {
            if (t == row.on_screen_at) app.plat.windows.on_screen = true;
            ASSERT_EQ(f.file_lst.count(), 0) << "listed before the windows were on the screen, at " << t;
            ASSERT_EQ(f.caption(), "初期化しています...(BGM)");
            app.plat.windows.advance(1);
        }
        EXPECT_EQ(f.file_lst.count(), 1) << "on the screen at " << row.on_screen_at;
        EXPECT_EQ(f.caption(), kTitle);
    }
}

TEST(StartUp, EmptyFolderLeavesNothingSelected) {
    App app;
    app.folders.write_settings("0", "0");
    MainWindow& f = app.start();
    EXPECT_EQ(f.caption(), kTitle);
    EXPECT_EQ(f.file_lst.count(), 0);
    EXPECT_EQ(f.file_sort.count(), 0);
    EXPECT_EQ(f.file_lst.list_index(), -1);
    EXPECT_FALSE(f.mSave.enabled());
    EXPECT_FALSE(f.mClipboard.enabled());
    EXPECT_TRUE(f.img_pre.picture().empty());
    EXPECT_EQ(f.lbl_alt.caption(), test::kHintLines);
}

TEST(StartUp, SecondInstanceEndsAtOnce) {
    App app;
    app.folders.write_settings();
    app.plat.instance.another = true;
    test::ProgramWindows program_windows(app.plat.platform());
    MainWindow& f = program_windows.main();
    f.start();
    EXPECT_TRUE(app.plat.windows.quitting());
    EXPECT_FALSE(f.visible());
    // No track was open yet.
    EXPECT_EQ(app.plat.media.commands, std::vector<std::string>{"close \"\""});
    EXPECT_EQ(f.caption(), "初期化しています...(Load)");
    app.plat.windows.advance(1000);
    EXPECT_EQ(f.file_lst.count(), 0);
}

TEST(StartUp, ShortSettingsFileSkipsTheLoadAndOpensTheSetUpDialog) {
    App app;
    write_file(app.folders.settings_file(), "C:\\x\r\n1\r\n");
    test::ProgramWindows program_windows(app.plat.platform());
    MainWindow& f = program_windows.main();
    f.start();
    EXPECT_EQ(f.caption(), "初期化しています...(First Settiings)");
    EXPECT_TRUE(f.mImgInfo.checked());
    EXPECT_TRUE(f.mBGMPlay.checked());
    app.plat.windows.advance(1);
    EXPECT_FALSE(f.visible());
    EXPECT_TRUE(test::win<SettingsDialog>(f).visible());
    EXPECT_FALSE(f.starting());
    EXPECT_FALSE(f.music().begun());
    // The file is left as it was.
    EXPECT_EQ(read_file(app.folders.settings_file()), "C:\\x\r\n1\r\n");
}

TEST(StartUp, MissingScreenshotFolderStopsTheTimerAndAsksForTheGame) {
    App app;
    app.folders.write_settings("1", "1");
    std::filesystem::remove_all(to_fs_path(app.folders.shots));
    MainWindow& f = app.start();
    EXPECT_FALSE(f.visible());
    EXPECT_TRUE(test::win<SettingsDialog>(f).visible());
    // No music meanwhile, though the file has it on.
    app.plat.windows.advance(5000);
    EXPECT_FALSE(f.music().begun());
    EXPECT_TRUE(app.plat.media.commands.empty());
}

TEST(StartUp, UnreadableScreenshotPathIsHandledLikeAMissingFolder) {
    App app;
    app.folders.write_settings();
    std::filesystem::remove_all(to_fs_path(app.folders.shots));
    write_file(app.folders.shots, "not a folder");
    MainWindow& f = app.start();
    EXPECT_FALSE(f.music().begun());
    EXPECT_TRUE(test::win<SettingsDialog>(f).visible());
}

TEST(Quitting, MenuAndCloseBoxSendTheCloseCommandAndEnd) {
    {
        App app;
        app.folders.write_settings("1", "1");
        MainWindow& f = app.start();
        app.plat.windows.advance(500);
        const std::string track = f.music().track();
        ASSERT_FALSE(track.empty());
        test::click_menu(f.mQuit);
        EXPECT_TRUE(app.plat.windows.quitting());
        EXPECT_EQ(app.plat.media.commands.back(), "close \"" + track + "\"");
    }
    {
        App app;
        app.folders.write_settings();
        MainWindow& f = app.start();
        f.request_close();
        EXPECT_TRUE(app.plat.windows.quitting());
        EXPECT_EQ(app.plat.media.commands.back(), "close \"\"");
        // Nothing is written on quitting.
        EXPECT_EQ(read_file(app.folders.settings_file()),
                  app.folders.game + "\r\n1\r\n0\r\n" + app.folders.game + "\r\n");
    }
}

TEST(HelpCommands, OpenTheHelpPageAndTheSiteThroughTheShell) {
    App app;
    app.folders.write_settings();
    MainWindow& f = app.start();
    test::click_menu(f.mHelpFile);
    test::click_menu(f.mSite);
    ASSERT_EQ(app.plat.shell.opened.size(), 2u);
    EXPECT_EQ(app.plat.shell.opened[0], join_path(join_path(app.folders.program, "help"), "index.html"));
    EXPECT_EQ(app.plat.shell.opened[1], app.plat.platform().update_server + "/");
    EXPECT_EQ(app.plat.shell.folders[0], app.folders.program);
}

TEST(MenuBar, EntriesCaptionsAndShortcuts) {
    App app;
    app.folders.write_settings();
    MainWindow& f = app.start();
    std::vector<std::string> tops;
    for (const Menu* m : f.menu_bar()) tops.push_back(m->caption());
    EXPECT_EQ(tops, (std::vector<std::string>{"フルスクリーンメニュー", "編集メニュー", "ファイル(&F)", "コマンド(&C)",
                                              "オプション(&O)", "ヘルプ(&H)"}));
    std::vector<std::string> file;
    for (const Menu* m : f.mFile.entries()) file.push_back(m->caption());
    EXPECT_EQ(file, (std::vector<std::string>{"画像を保存(&S)", "クリップボード(&C)", "ファイルとしてコピー(&F)", "-",
                                              "編集(&E)", "-", "終了(&X)"}));
    EXPECT_EQ(f.mSave.shortcut(), "Ctrl+S");
    EXPECT_EQ(f.mClipboard.shortcut(), "Ctrl+C");
    EXPECT_EQ(f.mBGMPlay.shortcut(), "Shift+Del");
    EXPECT_EQ(f.mBGM_change.shortcut(), "F1");
    const auto captions = [](const Menu& menu) {
        std::vector<std::string> out;
        for (const Menu* m : menu.entries()) out.push_back(m->caption());
        return out;
    };
    EXPECT_EQ(captions(f.mCommand),
              (std::vector<std::string>{"全て移動(&M)", "全てコピー(&C)", "-", "アルバム(&A)", "サムネイル一覧(&T)"}));
    EXPECT_EQ(captions(f.mOption), (std::vector<std::string>{"設定(&S)", "画像情報(&I)", "BGM(&B)"}));
    EXPECT_EQ(captions(f.mBGM_option), (std::vector<std::string>{"BGMを再生する", "BGMを変える(&C)"}));
    EXPECT_EQ(captions(f.mHelp), (std::vector<std::string>{"ヘルプファイル(&H)", "作者HPへ(&S)"}));
    EXPECT_EQ(captions(f.mFullMenu),
              (std::vector<std::string>{"保存(&S)", "クリップボード(&C)", "ファイルとしてコピー(&F)", "-",
                                        "画像情報(&I)", "-", "編集(&E)", "-", "画像を閉じる(&X)"}));
    // Copy as file has no shortcut: Ctrl+C stays the picture's.
    EXPECT_EQ(f.mCopyFile.shortcut(), "");
    EXPECT_EQ(captions(f.mEditMenu), std::vector<std::string>{"キャンセル"});
    // The two pop-up menus never show in the menu bar.
    EXPECT_FALSE(f.mFullMenu.visible());
    EXPECT_FALSE(f.mEditMenu.visible());
}

}  // namespace
}  // namespace vis
