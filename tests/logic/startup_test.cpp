// Start-up: single instance, the settings file, the timer-driven screenshot step, quitting.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <utility>

#include "core/settings.h"
#include "services/paths.h"
#include "support/app_fixture.h"

namespace vis {
namespace {

using test::App;
using test::read_file;
using test::write_file;

const std::string kTitle = "Pelmarオンライン - Vistelle (v2.00)";

TEST(StartUp, FirstRunWritesTheDefaultsAndPassesEveryCaption) {
    App app;
    app.start();
    test::MainSurface m = app.main();
    EXPECT_EQ(read_file(app.folders.settings_file()),
              "C:\\Program Files\\QUORIX\\Pelmar Online\r\n1\r\n1\r\nC:\\Program Files\\QUORIX\\Pelmar Online\r\n");
    EXPECT_TRUE(m.checked(test::entry::kInformation));
    EXPECT_TRUE(m.checked(test::entry::kMusic));
    EXPECT_TRUE(m.enabled(test::entry::kChangeMusic));
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
    test::MainSurface m = app.main();
    EXPECT_EQ(f.caption(), kTitle);
    EXPECT_FALSE(f.starting());
    EXPECT_TRUE(f.visible());
    EXPECT_TRUE(m.checked(test::entry::kInformation));
    EXPECT_FALSE(m.checked(test::entry::kMusic));
    EXPECT_FALSE(m.enabled(test::entry::kChangeMusic));
    EXPECT_FALSE(m.menu("フルスクリーンメニュー").visible());
    EXPECT_FALSE(m.menu("編集メニュー").visible());
    ASSERT_EQ(m.count(), 1);
    EXPECT_EQ(m.chosen(), 0);
    EXPECT_TRUE(m.enabled(test::entry::kSave));
    EXPECT_TRUE(m.list_has_focus());
    EXPECT_EQ(m.order_shown(), "oldest first");
    // The step runs once: later ticks leave the lists alone.
    app.folders.add_shot("PelmarOnline_2006115_01716.jpg", 1000000100);
    app.plat.windows.advance(2000);
    EXPECT_EQ(m.count(), 1);
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
        test::MainSurface m = app.main();
        for (std::int64_t t = 1; t < row.listed_by; ++t) {
            if (t == row.on_screen_at) app.plat.windows.on_screen = true;
            ASSERT_EQ(m.count(), 0) << "listed before the windows were on the screen, at " << t;
            ASSERT_EQ(f.caption(), "初期化しています...(BGM)");
            app.plat.windows.advance(1);
        }
        EXPECT_EQ(m.count(), 1) << "on the screen at " << row.on_screen_at;
        EXPECT_EQ(f.caption(), kTitle);
    }
}

TEST(StartUp, EmptyFolderLeavesNothingSelected) {
    App app;
    app.folders.write_settings("0", "0");
    MainWindow& f = app.start();
    test::MainSurface m = app.main();
    EXPECT_EQ(f.caption(), kTitle);
    test::expect_no_screenshot(m);
}

TEST(StartUp, SecondInstanceEndsAtOnce) {
    App app;
    app.folders.write_settings();
    app.plat.instance.another = true;
    test::ProgramWindows program_windows(app.plat.platform());
    MainWindow& f = program_windows.main();
    test::MainSurface m(f, app.plat.prompts);
    f.start();
    EXPECT_TRUE(app.plat.windows.quitting());
    EXPECT_FALSE(f.visible());
    // No track was open yet.
    EXPECT_EQ(app.plat.media.commands, std::vector<std::string>{"close \"\""});
    EXPECT_EQ(f.caption(), "初期化しています...(Load)");
    app.plat.windows.advance(1000);
    EXPECT_EQ(m.count(), 0);
}

TEST(StartUp, ShortSettingsFileSkipsTheLoadAndOpensTheSetUpDialog) {
    App app;
    write_file(app.folders.settings_file(), "C:\\x\r\n1\r\n");
    test::ProgramWindows program_windows(app.plat.platform());
    MainWindow& f = program_windows.main();
    test::MainSurface m(f, app.plat.prompts);
    f.start();
    EXPECT_EQ(f.caption(), "初期化しています...(First Settiings)");
    EXPECT_TRUE(m.checked(test::entry::kInformation));
    EXPECT_TRUE(m.checked(test::entry::kMusic));
    app.plat.windows.advance(1);
    EXPECT_FALSE(f.visible());
    EXPECT_TRUE(m.settings().shown());
    EXPECT_FALSE(f.starting());
    EXPECT_FALSE(f.music().begun());
    // The file is left as it was.
    EXPECT_EQ(read_file(app.folders.settings_file()), "C:\\x\r\n1\r\n");
}

// The screenshot folder missing, or a file in its place: the set-up dialog asks for the game, and
// no music plays meanwhile, though the file has it on.
TEST(StartUp, AMissingOrUnreadableScreenshotFolderAsksForTheGameWithoutMusic) {
    const std::pair<const char*, std::function<void(const std::string&)>> cases[] = {
        {"missing", [](const std::string&) {}},
        {"a file in its place", [](const std::string& shots) { write_file(shots, "not a folder"); }},
    };
    for (const auto& [what, put_in_place] : cases) {
        SCOPED_TRACE(what);
        App app;
        app.folders.write_settings("1", "1");
        std::filesystem::remove_all(to_fs_path(app.folders.shots));
        put_in_place(app.folders.shots);
        MainWindow& f = app.start();
        EXPECT_FALSE(f.visible());
        EXPECT_TRUE(app.main().settings().shown());
        app.plat.windows.advance(5000);
        EXPECT_FALSE(f.music().begun());
        EXPECT_TRUE(app.plat.media.commands.empty());
    }
}

TEST(Quitting, MenuAndCloseBoxSendTheCloseCommandAndEnd) {
    {
        App app;
        app.folders.write_settings("1", "1");
        MainWindow& f = app.start();
        test::MainSurface m = app.main();
        app.plat.windows.advance(500);
        const std::string track = f.music().track();
        ASSERT_FALSE(track.empty());
        m.choose_menu("ファイル/終了");
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
    app.start();
    test::MainSurface m = app.main();
    m.choose_menu("ヘルプ/ヘルプファイル");
    m.choose_menu("ヘルプ/作者HPへ");
    ASSERT_EQ(app.plat.shell.opened.size(), 2u);
    EXPECT_EQ(app.plat.shell.opened[0], join_path(join_path(app.folders.program, "help"), "index.html"));
    EXPECT_EQ(app.plat.shell.opened[1], app.plat.platform().update_server + "/");
    EXPECT_EQ(app.plat.shell.folders[0], app.folders.program);
}

TEST(MenuBar, EntriesCaptionsAndShortcuts) {
    App app;
    app.folders.write_settings();
    MainWindow& f = app.start();
    test::MainSurface m = app.main();
    const auto captions = [](const std::vector<Menu*>& entries) {
        std::vector<std::string> out;
        for (const Menu* e : entries) out.push_back(e->caption());
        return out;
    };
    EXPECT_EQ(captions(f.menu_bar()),
              (std::vector<std::string>{"フルスクリーンメニュー", "編集メニュー", "ファイル(&F)", "コマンド(&C)",
                                        "オプション(&O)", "ヘルプ(&H)"}));
    // Each menu's entries, in order, as the player reads them.
    const std::pair<const char*, std::vector<std::string>> menus[] = {
        {"ファイル",
         {"画像を保存(&S)", "クリップボード(&C)", "ファイルとしてコピー(&F)", "-", "編集(&E)", "-", "終了(&X)"}},
        {"コマンド", {"全て移動(&M)", "全てコピー(&C)", "-", "アルバム(&A)", "サムネイル一覧(&T)"}},
        {"オプション", {"設定(&S)", "画像情報(&I)", "BGM(&B)"}},
        {"オプション/BGM", {"BGMを再生する", "BGMを変える(&C)"}},
        {"ヘルプ", {"ヘルプファイル(&H)", "作者HPへ(&S)"}},
        {"フルスクリーンメニュー",
         {"保存(&S)", "クリップボード(&C)", "ファイルとしてコピー(&F)", "-", "画像情報(&I)", "-", "編集(&E)", "-",
          "画像を閉じる(&X)"}},
        {"編集メニュー", {"キャンセル"}},
    };
    for (const auto& [path, entries] : menus) EXPECT_EQ(captions(m.menu(path).entries()), entries) << path;
    // Copy as file has no shortcut: Ctrl+C stays the picture's.
    const std::pair<const std::string, const char*> shortcuts[] = {
        {test::entry::kSave, "Ctrl+S"},    {test::entry::kClipboard, "Ctrl+C"}, {test::entry::kMusic, "Shift+Del"},
        {test::entry::kChangeMusic, "F1"}, {test::entry::kCopyFile, ""},
    };
    for (const auto& [path, keys] : shortcuts) EXPECT_EQ(m.menu(path).shortcut(), keys) << path;
    // The two pop-up menus never show in the menu bar.
    EXPECT_FALSE(m.menu("フルスクリーンメニュー").visible());
    EXPECT_FALSE(m.menu("編集メニュー").visible());
}

}  // namespace
}  // namespace vis
