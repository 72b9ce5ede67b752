// The settings dialog: normal mode from the menu, set-up mode when the screenshot folder is missing.
#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/list_line.h"
#include "core/settings.h"
#include "services/paths.h"
#include "support/app_fixture.h"
#include "support/settings_surface.h"

namespace vis {
namespace {

using test::App;
using test::read_file;
using test::write_file;
using test::settings_entry::kApply;
using test::settings_entry::kCancel;
using test::settings_entry::kInformation;
using test::settings_entry::kMusic;

constexpr std::time_t kSaved = 1160000000;
const std::string kHints = test::kHintLines;

// A game folder beside the fixture's one, with a "Screen Save" holding `shots` screenshots of
// widths 100, 101, ... saved a minute apart (oldest first).
std::string other_game(App& app, int shots) {
    const std::string game = join_path(app.folders.root.path(), "other game");
    const std::string folder = join_path(game, "Screen Save");
    std::filesystem::create_directories(to_fs_path(folder));
    for (int i = 0; i < shots; ++i) {
        const std::string path = join_path(folder, "PelmarOnline_other_" + std::to_string(i) + ".jpg");
        test::write_jpeg(path, 100 + i, 40);
        test::set_modified(path, kSaved + 60 * i);
    }
    return game;
}

// Settings line 1 changed on disk after start-up, as the dialog will read it.
void store_game_folder(App& app, const std::string& game, const std::string& save = "D:\\saved") {
    write_file(app.folders.settings_file(), game + "\r\n1\r\n0\r\n" + save + "\r\n");
}

test::SettingsSurface open_from_menu(App& app) {
    return app.main().open_settings();
}

// The dialog the start-up of `f` opened.
test::SettingsSurface setup_dialog(App& app, MainWindow& f) {
    return test::MainSurface(f, app.plat.prompts).settings();
}

// A started program whose game folder has no "Screen Save": the dialog opens in set-up mode.
MainWindow& start_without_screenshot_folder(App& app, const std::string& info = "1", const std::string& music = "0") {
    app.folders.write_settings(info, music, "D:\\saved");
    std::filesystem::remove_all(to_fs_path(app.folders.shots));
    return app.start();
}

const MessageBox& only_message(const App& app) {
    const auto& asked = app.plat.prompts.asked();
    EXPECT_EQ(asked.size(), 1u);
    return asked.back().box;
}

TEST(SettingsDialog, NormalModeIsFilledFromTheFileAsItIsNowAndTheMenusFollow) {
    App app;
    app.folders.write_settings("0", "1");
    MainWindow& f = app.start();
    test::MainSurface m = app.main();
    // Another program changes the file while this one runs.
    app.folders.write_settings(" 1", "0");
    test::SettingsSurface d = open_from_menu(app);
    EXPECT_TRUE(d.shown());
    EXPECT_EQ(d.caption(), " 設定");
    EXPECT_EQ(d.version(), "Ver 2.00");
    EXPECT_TRUE(d.can_press(kApply) && d.can_press(kCancel));
    EXPECT_FALSE(d.folder_typeable());
    EXPECT_FALSE(d.can_press(test::settings_entry::kBrowse));
    EXPECT_FALSE(d.setup_mode());
    EXPECT_EQ(d.game_folder(), app.folders.game);
    EXPECT_TRUE(d.checked(kInformation));
    EXPECT_FALSE(d.checked(kMusic));
    EXPECT_TRUE(f.visible());
    EXPECT_TRUE(m.checked(test::entry::kInformation));
    EXPECT_FALSE(m.checked(test::entry::kMusic));
    EXPECT_FALSE(m.enabled(test::entry::kChangeMusic));
}

TEST(SettingsDialog, ApplyWithOnlyTheBoxesChangedRewritesLinesTwoAndThree) {
    App app;
    app.folders.write_settings("1", "0", "D:\\saved");
    app.folders.add_shot("PelmarOnline_1.jpg", kSaved);
    MainWindow& f = app.start();
    test::MainSurface m = app.main();
    const auto media_before = app.plat.media.commands.size();
    test::SettingsSurface d = open_from_menu(app);
    d.set(kInformation, false);
    d.set(kMusic, true);
    d.press(kApply);
    EXPECT_EQ(read_file(app.folders.settings_file()), app.folders.game + "\r\n 0\r\n 1\r\nD:\\saved\r\n");
    EXPECT_FALSE(m.checked(test::entry::kInformation));
    EXPECT_TRUE(m.checked(test::entry::kMusic));
    EXPECT_TRUE(m.enabled(test::entry::kChangeMusic));
    EXPECT_FALSE(d.shown());
    EXPECT_TRUE(f.visible());
    // Apply itself neither starts nor stops a track.
    EXPECT_EQ(app.plat.media.commands.size(), media_before);
    EXPECT_TRUE(app.plat.prompts.asked().empty());

    open_from_menu(app);
    d.set(kInformation, true);
    d.set(kMusic, false);
    d.press(kApply);
    EXPECT_EQ(read_file(app.folders.settings_file()), app.folders.game + "\r\n 1\r\n 0\r\nD:\\saved\r\n");
    EXPECT_TRUE(m.checked(test::entry::kInformation));
    EXPECT_FALSE(m.checked(test::entry::kMusic));
    EXPECT_FALSE(m.enabled(test::entry::kChangeMusic));
}

TEST(SettingsDialog, ApplyListsTheAppliedFolderAndKeepsTheStartUpFolder) {
    App app;
    app.folders.write_settings();
    app.folders.add_shot("PelmarOnline_a.jpg", kSaved, 64);
    app.folders.add_shot("PelmarOnline_b.jpg", kSaved + 5, 65);
    app.start();
    test::MainSurface m = app.main();
    m.switch_order();
    const std::string game = other_game(app, 3);
    store_game_folder(app, game);
    test::SettingsSurface d = open_from_menu(app);
    EXPECT_EQ(d.game_folder(), game);
    d.press(kApply);

    const std::string first = "PelmarOnline_other_0.jpg";
    ASSERT_EQ(m.count(), 3);
    EXPECT_EQ(m.line_at(0), make_list_line(kSaved, first));
    const std::vector<std::string> oldest_first = m.oldest_first();
    EXPECT_EQ(m.newest_first(), std::vector<std::string>(oldest_first.rbegin(), oldest_first.rend()));
    EXPECT_EQ(m.order_shown(), "oldest first");
    EXPECT_EQ(m.chosen(), 0);
    EXPECT_TRUE(m.list_has_focus());
    EXPECT_EQ(m.preview_width(), 100);
    EXPECT_EQ(m.panel(), "ファイル名：" + first + "\r\n保存日時　：" + line_date(m.line_at(0)) + "\r\n\r\n" + kHints);
    EXPECT_TRUE(m.enabled(test::entry::kSave));
    EXPECT_TRUE(m.enabled(test::entry::kClipboard));
    // The listing follows the applied folder.
    EXPECT_EQ(m.listed_folder(), join_path(game, "Screen Save"));
    m.choose(2);
    EXPECT_EQ(m.preview_width(), 102);
    EXPECT_EQ(read_file(app.folders.settings_file()), game + "\r\n 1\r\n 0\r\nD:\\saved\r\n");
}

TEST(SettingsDialog, AppliedFolderWithoutScreenshotsEmptiesTheLists) {
    App app;
    app.folders.write_settings();
    app.folders.add_shot("PelmarOnline_a.jpg", kSaved);
    app.start();
    test::MainSurface m = app.main();
    ASSERT_TRUE(m.enabled(test::entry::kSave));
    store_game_folder(app, other_game(app, 0));
    test::SettingsSurface d = open_from_menu(app);
    d.press(kApply);
    test::expect_no_screenshot(m);
    EXPECT_FALSE(d.shown());
    EXPECT_TRUE(app.plat.prompts.asked().empty());
}

TEST(SettingsDialog, AFolderWithoutScreenSaveIsRefusedAndTheListsStay) {
    App app;
    app.folders.write_settings();
    app.folders.add_shot("PelmarOnline_a.jpg", kSaved);
    app.folders.add_shot("PelmarOnline_b.jpg", kSaved + 1);
    app.start();
    test::MainSurface m = app.main();
    const std::string nowhere = join_path(app.folders.root.path(), "not a game");
    std::filesystem::create_directories(to_fs_path(nowhere));
    store_game_folder(app, nowhere);
    test::SettingsSurface d = open_from_menu(app);
    d.set(kInformation, false);
    app.plat.prompts.answer_message(MsgResult::ok);
    d.press(kApply);
    const MessageBox& box = only_message(app);
    EXPECT_EQ(box.text, "選択されたファイルが正しくありません。");
    EXPECT_EQ(box.title, kAppTitle);
    EXPECT_EQ(box.buttons, MsgButtons::ok);
    EXPECT_TRUE(d.shown());
    EXPECT_EQ(d.game_folder(), nowhere);
    EXPECT_EQ(m.count(), 2);
    EXPECT_EQ(m.listed_folder(), app.folders.shots);
    // The file was rewritten before the folder was tried, and the menu shows what it holds.
    EXPECT_FALSE(m.checked(test::entry::kInformation));
    EXPECT_EQ(read_file(app.folders.settings_file()), nowhere + "\r\n 0\r\n 0\r\nD:\\saved\r\n");
}

TEST(SettingsDialog, NormalCancelAndCloseOnlyHideAndReopeningRefills) {
    App app;
    app.folders.write_settings("1", "0");
    app.start();
    test::MainSurface m = app.main();
    const std::string stored = read_file(app.folders.settings_file());
    test::SettingsSurface d = open_from_menu(app);
    d.set(kMusic, true);
    d.press(kCancel);
    EXPECT_FALSE(d.shown());
    EXPECT_FALSE(app.plat.windows.quitting());
    open_from_menu(app);
    EXPECT_FALSE(d.checked(kMusic));
    d.close();
    EXPECT_FALSE(d.shown());
    EXPECT_FALSE(app.plat.windows.quitting());
    EXPECT_EQ(read_file(app.folders.settings_file()), stored);
    EXPECT_FALSE(m.checked(test::entry::kMusic));
}

TEST(SettingsDialog, AnUnreadableFileKeepsTheFieldsAndTheHeldSaveFolder) {
    App app;
    app.folders.write_settings("0", "1", "D:\\saved");
    app.folders.add_shot("PelmarOnline_a.jpg", kSaved);
    app.start();
    test::SettingsSurface d = open_from_menu(app);
    d.press(kCancel);
    write_file(app.folders.settings_file(), "only one line\r\n");
    open_from_menu(app);
    EXPECT_EQ(d.game_folder(), app.folders.game);
    EXPECT_FALSE(d.checked(kInformation));
    EXPECT_TRUE(d.checked(kMusic));
    d.press(kApply);
    EXPECT_EQ(read_file(app.folders.settings_file()), app.folders.game + "\r\n 0\r\n 1\r\nD:\\saved\r\n");
    EXPECT_FALSE(d.shown());
}

// In either mode: the dialog stays open, the file and the menus as they were, the program runs on.
TEST(SettingsDialog, AFileThatCannotBeWrittenIsReportedAndNothingChanges) {
    for (const bool setup : {false, true}) {
        SCOPED_TRACE(setup ? "set-up" : "normal");
        App app;
        if (setup) {
            start_without_screenshot_folder(app);
        } else {
            app.folders.write_settings("1", "0");
            app.start();
        }
        test::MainSurface m = app.main();
        const std::string stored = read_file(app.folders.settings_file());
        app.plat.files.fail_flush = true;
        test::SettingsSurface d = setup ? setup_dialog(app, *app.form) : open_from_menu(app);
        d.set(kMusic, true);
        app.plat.prompts.answer_message(MsgResult::ok);
        d.press(kApply);
        const MessageBox& box = only_message(app);
        EXPECT_EQ(box.text, "設定ファイルに書き込めなかったため、設定は変更されていません。");
        EXPECT_EQ(box.icon, MsgIcon::exclamation);
        EXPECT_TRUE(d.shown());
        EXPECT_FALSE(app.plat.windows.quitting());
        EXPECT_FALSE(m.checked(test::entry::kMusic));
        EXPECT_FALSE(m.enabled(test::entry::kChangeMusic));
        EXPECT_EQ(read_file(app.folders.settings_file()), stored);
    }
}

TEST(SetUpDialog, MissingScreenshotFolderOpensItOnceWithTheStoredValues) {
    App app;
    MainWindow& f = start_without_screenshot_folder(app, " 1", "0");
    test::SettingsSurface d = setup_dialog(app, f);
    EXPECT_FALSE(f.visible());
    EXPECT_TRUE(d.shown());
    EXPECT_TRUE(d.setup_mode());
    EXPECT_TRUE(d.can_press(test::settings_entry::kBrowse));
    EXPECT_EQ(d.game_folder(), app.folders.game);
    EXPECT_TRUE(d.checked(kInformation));
    EXPECT_FALSE(d.checked(kMusic));
    EXPECT_FALSE(f.music().begun());
    // What the user changes is not filled in again by later ticks.
    d.set(kMusic, true);
    d.browse("E:\\elsewhere\\Pelmar.exe");
    app.plat.windows.advance(10000);
    EXPECT_TRUE(d.checked(kMusic));
    EXPECT_EQ(d.game_folder(), "E:\\elsewhere");
    EXPECT_FALSE(f.music().begun());
    EXPECT_FALSE(f.visible());
    EXPECT_FALSE(app.plat.windows.quitting());
}

TEST(SetUpDialog, BrowseCutsTheProgramNameOffTheChosenFile) {
    App app;
    MainWindow& f = start_without_screenshot_folder(app);
    test::SettingsSurface d = setup_dialog(app, f);
    auto& prompts = app.plat.prompts;

    d.browse("C:\\Games\\Pelmar Online\\Pelmar.exe");
    EXPECT_EQ(d.game_folder(), "C:\\Games\\Pelmar Online");
    ASSERT_EQ(prompts.asked().size(), 1u);
    const FileDialog& dialog = prompts.asked()[0].dialog;
    EXPECT_EQ(prompts.asked()[0].kind, test::AskedPrompt::Kind::open);
    EXPECT_EQ(dialog.title, "インストールディレクトリを参照");
    EXPECT_EQ(dialog.filter, "Pelmarオンライン実行ファイル(Pelmar.exe)|Pelmar.exe");
    EXPECT_EQ(dialog.initial_folder, "C:\\Program Files\\QUORIX\\Pelmar Online");
    EXPECT_EQ(dialog.owner, &d.window());

    // Exactly eleven characters go, whatever the chosen name; characters, not bytes.
    d.browse("D:\\Pelmar\\Pelmar2.exe");
    EXPECT_EQ(d.game_folder(), "D:\\Pelmar\\");
    d.browse("E:\\ゲーム\\Pelmar.exe");
    EXPECT_EQ(d.game_folder(), "E:\\ゲーム");
    d.browse("E:\\ゲーム\\ペルマー.exe");
    EXPECT_EQ(d.game_folder(), "E:\\ゲ");

    // Cancelled, too short to hold the program name, or not storable: nothing changes.
    for (std::optional<std::string> answer :
         {std::optional<std::string>{}, std::optional<std::string>{"Pelmar.exe"}, std::optional<std::string>{""},
          std::optional<std::string>{"C:\\a\r\nb\\Pelmar.exe"}}) {
        d.browse(answer);
        EXPECT_EQ(d.game_folder(), "E:\\ゲ");
    }
    EXPECT_TRUE(prompts.all_answered());
    EXPECT_FALSE(app.plat.windows.quitting());
}

TEST(SetUpDialog, ApplySavesShowsTheMessageAndEndsTheProgram) {
    App app;
    MainWindow& f = start_without_screenshot_folder(app, "1", "1");
    test::MainSurface m = app.main();
    test::SettingsSurface d = setup_dialog(app, f);
    d.browse("C:\\Games\\Pelmar Online\\Pelmar.exe");
    d.set(kMusic, false);
    app.plat.prompts.clear_asked();
    app.plat.prompts.answer_message(MsgResult::ok);
    d.press(kApply);
    EXPECT_EQ(read_file(app.folders.settings_file()), "C:\\Games\\Pelmar Online\r\n 1\r\n 0\r\nD:\\saved\r\n");
    const MessageBox& box = only_message(app);
    EXPECT_EQ(box.text, "設定を保存し、終了します。\r\n終了後、再び起動すると使えます。");
    EXPECT_EQ(box.title, kAppTitle);
    EXPECT_EQ(box.buttons, MsgButtons::ok);
    EXPECT_TRUE(app.plat.windows.quitting());
    EXPECT_FALSE(f.visible());
    // The applied folder takes effect at the next start, not in this run.
    EXPECT_EQ(m.count(), 0);
}

TEST(SetUpDialog, CancelAndCloseEndWithoutWriting) {
    for (const bool by_frame : {false, true}) {
        App app;
        MainWindow& f = start_without_screenshot_folder(app);
        const std::string stored = read_file(app.folders.settings_file());
        test::SettingsSurface d = setup_dialog(app, f);
        d.set(kMusic, true);
        if (by_frame)
            d.close();
        else
            d.press(kCancel);
        EXPECT_TRUE(app.plat.windows.quitting()) << by_frame;
        EXPECT_EQ(read_file(app.folders.settings_file()), stored) << by_frame;
        // No track was ever opened.
        EXPECT_EQ(app.plat.media.commands.back(), "close \"\"");
    }
}

TEST(SetUpDialog, WithoutReadableSettingsItKeepsItsDefaultsAndStoresAWholeFile) {
    App app;
    write_file(app.folders.settings_file(), "C:\\x\r\n1\r\n");
    test::ProgramWindows program_windows(app.plat.platform());
    MainWindow& f = program_windows.main();
    f.start();
    app.plat.windows.advance(1);
    test::SettingsSurface d = setup_dialog(app, f);
    ASSERT_TRUE(d.shown());
    EXPECT_EQ(d.game_folder(), "C:\\Program Files\\QUORIX\\Pelmar Online");
    app.plat.prompts.answer_message(MsgResult::ok);
    d.press(kApply);
    // Line 4 falls back to the first-run folder when the main window holds none.
    EXPECT_EQ(read_file(app.folders.settings_file()),
              "C:\\Program Files\\QUORIX\\Pelmar Online\r\n 0\r\n 0\r\nC:\\Program Files\\QUORIX\\Pelmar Online\r\n");
    EXPECT_TRUE(app.plat.windows.quitting());
}

}  // namespace
}  // namespace vis
