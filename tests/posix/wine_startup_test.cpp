// Start-up on Linux with the game installed under a made-up Wine prefix.
#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/list_line.h"
#include "core/settings.h"
#include "services/paths.h"
#include "settings_dialog/settings_dialog.h"
#include "support/app_fixture.h"
#include "support/posix/wine_prefix.h"
#include "ui/keys.h"

namespace vis {
namespace {

using test::read_file;

const std::string kFirstRunBytes =
    "C:\\Program Files\\QUORIX\\Pelmar Online\r\n1\r\n1\r\nC:\\Program Files\\QUORIX\\Pelmar Online\r\n";

// The prefix outlives the program's windows: WINEPREFIX points at it for the whole test.
struct WineGame {
    test::TempFolder wine;
    test::ScopedEnv env{"WINEPREFIX", wine.path()};
    std::string drive_c = test::make_wine_prefix(wine.path());

    // A screenshot in drive_c's `folder` + "/Screen Save", made if need be.
    std::string add_shot(const std::string& folder, const std::string& name, std::time_t when) const {
        const std::string shots = join_path(join_path(drive_c, folder), "Screen Save");
        std::filesystem::create_directories(to_fs_path(shots));
        const std::string path = join_path(shots, name);
        test::write_jpeg(path, 64, 48);
        test::set_modified(path, when);
        return path;
    }
};

TEST(StartUpUnderWine, FirstStartListsTheGamesScreenshotsWithoutTheSetUpDialog) {
    WineGame wine;
    wine.add_shot("Program Files/QUORIX/Pelmar Online", "PelmarOnline_2006115_01715.jpg", 1000000000);
    wine.add_shot("Program Files/QUORIX/Pelmar Online", "PelmarOnline_2006116_01716.jpg", 1000000100);
    test::App app;
    MainWindow& f = app.start();
    test::MainSurface m = app.main();
    EXPECT_EQ(read_file(app.folders.settings_file()), kFirstRunBytes);
    EXPECT_EQ(test::loaded<SettingsDialog>(f), nullptr);
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(f.caption(), "Pelmarオンライン - Vistelle (v2.00)");
    ASSERT_EQ(m.count(), 2);
    EXPECT_EQ(m.name_at(0), "PelmarOnline_2006115_01715.jpg");
    EXPECT_EQ(m.chosen(), 0);
    EXPECT_EQ(m.preview_width(), 64);
    EXPECT_EQ(m.panel().find("ファイル名：PelmarOnline_2006115_01715.jpg"), 0u);
}

TEST(StartUpUnderWine, StoredWindowsPathInAnotherCaseIsUsedAndKept) {
    WineGame wine;
    const std::string shot = wine.add_shot("Games/Pelmar Online", "PelmarOnline_2006115_01715.jpg", 1000000000);
    test::App app;
    const std::string stored = "c:\\GAMES\\pelmar online\r\n0\r\n0\r\nC:\\Users\\player\\Pictures\r\n";
    test::write_file(app.folders.settings_file(), stored);
    MainWindow& f = app.start();
    test::MainSurface m = app.main();
    EXPECT_EQ(test::loaded<SettingsDialog>(f), nullptr);
    ASSERT_EQ(m.count(), 1);
    // Other programs are handed the real file inside the prefix, not the stored Windows text.
    m.choose_menu(test::entry::kCopyFile);
    EXPECT_EQ(app.plat.clipboard.files, std::vector<std::string>{shot});
    // Deleting reaches the file inside the prefix; the message names the screenshot as listed.
    m.delete_chosen();
    EXPECT_EQ(app.plat.prompts.asked().back().box.text,
              "ＳＳ [PelmarOnline_2006115_01715.jpg]を削除しますか？\r\n削除をすると元には戻せません。");
    EXPECT_FALSE(std::filesystem::exists(to_fs_path(shot)));
    EXPECT_EQ(m.count(), 0);
    EXPECT_EQ(read_file(app.folders.settings_file()), stored);
}

TEST(StartUpUnderWine, FirstStartWithoutTheGameAsksForIt) {
    WineGame wine;
    std::filesystem::create_directories(to_fs_path(join_path(wine.drive_c, "Program Files/QUORIX")));
    test::App app;
    MainWindow& f = app.start();
    EXPECT_EQ(read_file(app.folders.settings_file()), kFirstRunBytes);
    EXPECT_FALSE(f.visible());
    test::SettingsSurface setup = app.main().settings();
    EXPECT_TRUE(setup.shown());
    EXPECT_TRUE(setup.can_press(test::settings_entry::kBrowse));
    EXPECT_EQ(setup.game_folder(), kDefaultGameFolder);
}

const std::string kX86Folder = "C:\\Program Files (x86)\\QUORIX\\Pelmar Online";

// A 32-bit installer in Wine's 64-bit prefix: the set-up dialog proposes that folder, found
// whatever the letter case on disk, and the settings file keeps the first-run folder until the
// player applies it.
TEST(StartUpUnderWine, TheGameUnderProgramFilesX86IsProposedAndStoredOnlyWhenApplied) {
    for (const bool apply : {false, true}) {
        WineGame wine;
        std::filesystem::create_directories(
            to_fs_path(join_path(wine.drive_c, "program files (x86)/quorix/PELMAR ONLINE/Screen Save")));
        test::App app;
        MainWindow& f = app.start();
        EXPECT_EQ(read_file(app.folders.settings_file()), kFirstRunBytes);
        EXPECT_FALSE(f.visible());
        test::SettingsSurface setup = app.main().settings();
        EXPECT_TRUE(setup.setup_mode());
        EXPECT_EQ(setup.game_folder(), kX86Folder);
        if (apply) {
            app.plat.prompts.answer_message(MsgResult::ok);
            setup.press(test::settings_entry::kApply);
            EXPECT_EQ(read_file(app.folders.settings_file()),
                      kX86Folder + "\r\n 1\r\n 1\r\nC:\\Program Files\\QUORIX\\Pelmar Online\r\n");
        } else {
            setup.press(test::settings_entry::kCancel);
            EXPECT_EQ(read_file(app.folders.settings_file()), kFirstRunBytes);
        }
        EXPECT_TRUE(app.plat.windows.quitting()) << apply;
        EXPECT_TRUE(app.plat.prompts.all_answered()) << apply;
    }
}

// The (x86) folder is proposed only in place of a stored folder without screenshots, and only at
// set-up: the normal dialog shows the stored folder, whatever has become of it.
TEST(StartUpUnderWine, TheX86FolderIsNotProposedOverAUsableFolderOrInNormalMode) {
    WineGame wine;
    std::filesystem::create_directories(
        to_fs_path(join_path(wine.drive_c, "Program Files (x86)/QUORIX/Pelmar Online/Screen Save")));
    const std::string shot =
        wine.add_shot("Program Files/QUORIX/Pelmar Online", "PelmarOnline_2006115_01715.jpg", 1000000000);
    test::App app;
    MainWindow& f = app.start();
    EXPECT_EQ(test::loaded<SettingsDialog>(f), nullptr);
    test::MainSurface m = app.main();
    EXPECT_EQ(m.count(), 1);

    test::SettingsSurface d = m.settings();
    d.window().open(true);
    EXPECT_EQ(d.game_folder(), kDefaultGameFolder);
    d.window().hide();

    std::filesystem::remove_all(to_fs_path(parent_folder(shot)));
    m.open_settings();
    EXPECT_FALSE(d.setup_mode());
    EXPECT_EQ(d.game_folder(), kDefaultGameFolder);
    EXPECT_EQ(read_file(app.folders.settings_file()), kFirstRunBytes);
}

}  // namespace
}  // namespace vis
