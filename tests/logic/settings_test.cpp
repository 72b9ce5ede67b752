#include "core/settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/settings_store.h"
#include "services/ansi.h"
#include "services/paths.h"
#include "support/headless.h"
#include "support/temp_folder.h"
#include "system_file_system.h"
#include "ui/form.h"

namespace vis {
namespace {

using test::read_file;
using test::TempFolder;
using test::write_file;

test::SystemFileSystem disk;

TEST(SettingsFile, FirstRunValuesAreWrittenByteForByte) {
    TempFolder dir;
    const std::string path = join_path(dir.path(), "setting.mto");
    ASSERT_TRUE(write_setting(disk, path, first_run_settings()));
    EXPECT_EQ(read_file(path),
              "C:\\Program Files\\QUORIX\\Pelmar Online\r\n1\r\n1\r\nC:\\Program Files\\QUORIX\\Pelmar Online\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(to_fs_path(dir.path())),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(SettingsFile, ReaderSkipsBlanksAndQuotesAndKeepsCommas) {
    TempFolder dir;
    const std::string path = join_path(dir.path(), "setting.mto");
    write_file(path, "  \"D:\\Games\\Pelmar, Online\"\r\n 1 \r\n0\r\nE:\\a,b\r\n");
    const auto r = read_setting(disk, path);
    ASSERT_EQ(r.status, SettingsRead::ok);
    EXPECT_EQ(r.values.game_folder, "D:\\Games\\Pelmar, Online");
    EXPECT_EQ(r.values.info_flag, "1 ");
    EXPECT_EQ(r.values.music_flag, "0");
    EXPECT_EQ(r.values.save_folder, "E:\\a,b");
}

TEST(SettingsFile, MissingShortAndLfOnlyFiles) {
    TempFolder dir;
    const std::string path = join_path(dir.path(), "setting.mto");
    EXPECT_EQ(read_setting(disk, path).status, SettingsRead::missing);
    write_file(path, "C:\\x\r\n1\r\n1\r\n");
    EXPECT_EQ(read_setting(disk, path).status, SettingsRead::unreadable);
    write_file(path, "C:\\x\n1\n0\nC:\\y");
    const auto r = read_setting(disk, path);
    ASSERT_EQ(r.status, SettingsRead::ok);
    EXPECT_EQ(r.values.save_folder, "C:\\y");
}

TEST(SettingsFile, FlagsReadAsTheNumberOne) {
    const char* const on[] = {"1",  " 1",    "1 ",  " 1 ",   "01",   " 1.0",    "1.00", "+1",
                              "1x", "1 . 0", "1e0", "10e-1", ".1e1", "0.01E+2", "1e",   "1e+"};
    for (const char* text : on) EXPECT_TRUE(reads_as_one(text)) << text;
    // Blanks inside the number join its digits; an exponent scales it.
    const char* const off[] = {"",    " ", "0",  " 0",  "2",     "11",  "10",  "1.5",  "yes",   "-1",  "x1",
                               "0.1", ".", "e1", "1 0", "0 1 0", "1e1", "1E1", "1e-1", "1 e 1", "- 1", "1.0001"};
    for (const char* text : off) EXPECT_FALSE(reads_as_one(text)) << text;
    EXPECT_FALSE(reads_as_one("1e99999999999999999999"));
    EXPECT_EQ(flag_text(true), " 1");
    EXPECT_EQ(flag_text(false), " 0");
}

TEST(SettingsFile, AWriteThatFailsLeavesTheOldFile) {
    TempFolder dir;
    const std::string path = join_path(dir.path(), "setting.mto");
    write_file(path, "C:\\g\r\n1\r\n1\r\nC:\\s\r\n");
    test::FaultyFileSystem full;
    full.disk_space = 10;
    EXPECT_FALSE(write_setting(full, path, first_run_settings()));
    EXPECT_EQ(read_file(path), "C:\\g\r\n1\r\n1\r\nC:\\s\r\n");
}

// The store over a program folder, and a window for its messages to belong to.
struct Store {
    test::GameFolders folders;
    test::HeadlessPlatform plat{folders.program};
    SettingsStore store{plat.platform()};
    Form owner{plat.windows, "Owner", ""};

    // The one message the store showed since the last look, as "[title] text".
    std::string told() {
        const auto& asked = plat.prompts.asked();
        if (asked.size() != 1) return "asked " + std::to_string(asked.size()) + " times";
        const MessageBox box = asked[0].box;
        plat.prompts.clear_asked();
        EXPECT_EQ(box.owner, &owner);
        EXPECT_EQ(box.icon, MsgIcon::exclamation);
        EXPECT_EQ(box.buttons, MsgButtons::ok);
        return "[" + box.title + "] " + box.text;
    }
};

TEST(SettingsStore, EachLineIsReplacedAloneAndEveryFailureIsToldByItsName) {
    const std::string before = "C:\\g\r\n1\r\n1\r\nC:\\s\r\n";
    const struct {
        SettingsLine line;
        std::string value;
        std::string after;
        std::string name;
    } cases[] = {
        {SettingsLine::game_folder, "D:\\ゲーム", "D:\\ゲーム\r\n1\r\n1\r\nC:\\s\r\n", "インストールディレクトリ"},
        {SettingsLine::info_flag, " 0", "C:\\g\r\n 0\r\n1\r\nC:\\s\r\n", "画像情報"},
        {SettingsLine::music_flag, " 0", "C:\\g\r\n1\r\n 0\r\nC:\\s\r\n", "BGM"},
        {SettingsLine::save_folder, "E:\\a,b", "C:\\g\r\n1\r\n1\r\nE:\\a,b\r\n", "保存先"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Store s;
        ASSERT_EQ(s.store.path(), s.folders.settings_file());
        write_file(s.store.path(), before);
        ASSERT_TRUE(s.store.load().ok);
        EXPECT_TRUE(s.store.update(c.line, c.value, s.owner));
        EXPECT_EQ(read_file(s.store.path()), to_ansi(c.after));
        EXPECT_TRUE(s.plat.prompts.asked().empty());
        // What was read at start-up stays for the rest of the run.
        EXPECT_EQ(s.store.startup().game_folder, "C:\\g");
        EXPECT_EQ(s.store.startup().save_folder, "C:\\s");

        // A write that fails leaves the file as it was.
        s.plat.files.fail_rename = true;
        s.plat.prompts.answer_message(MsgResult::ok);
        EXPECT_FALSE(s.store.update(c.line, "x", s.owner));
        EXPECT_EQ(s.told(), "[Pelmar online - Vistelle] 設定ファイルに書き込めなかったため、" + c.name +
                                "の設定は変更されていません。");
        EXPECT_EQ(read_file(s.store.path()), to_ansi(c.after));
        s.plat.files.fail_rename = false;

        // A file that cannot be read is not written over, whether short or gone.
        for (const std::string& broken : {std::string("C:\\g\r\n1\r\n"), std::string()}) {
            if (broken.empty())
                std::filesystem::remove(to_fs_path(s.store.path()));
            else
                write_file(s.store.path(), broken);
            s.plat.prompts.answer_message(MsgResult::ok);
            EXPECT_FALSE(s.store.update(c.line, "x", s.owner));
            EXPECT_EQ(s.told(), "[Pelmar online - Vistelle] 設定ファイルを読み込めなかったため、" + c.name +
                                    "の設定は変更されていません。");
            if (broken.empty()) {
                EXPECT_FALSE(std::filesystem::exists(to_fs_path(s.store.path())));
            } else {
                EXPECT_EQ(read_file(s.store.path()), broken);
            }
        }
    }
}

TEST(SettingsStore, AWholeWriteThatFailsIsToldWithoutALineName) {
    Store s;
    write_file(s.store.path(), "C:\\g\r\n1\r\n1\r\nC:\\s\r\n");
    EXPECT_TRUE(s.store.write(first_run_settings(), s.owner));
    EXPECT_EQ(s.store.read().values.game_folder, kDefaultGameFolder);
    s.plat.files.fail_flush = true;
    s.plat.prompts.answer_message(MsgResult::ok);
    EXPECT_FALSE(s.store.write({"D:\\x", " 1", " 1", "D:\\y"}, s.owner));
    EXPECT_EQ(s.told(), "[Pelmar online - Vistelle] 設定ファイルに書き込めなかったため、設定は変更されていません。");
    EXPECT_EQ(s.store.read().values.game_folder, kDefaultGameFolder);
}

TEST(SettingsStore, LoadCreatesAMissingFileAndItsFolderButNotOverAnUnreadableOne) {
    Store s;
    std::filesystem::remove_all(to_fs_path(parent_folder(s.store.path())));
    const auto first = s.store.load();
    EXPECT_TRUE(first.ok);
    EXPECT_TRUE(first.first_run);
    EXPECT_EQ(read_file(s.store.path()),
              "C:\\Program Files\\QUORIX\\Pelmar Online\r\n1\r\n1\r\n"
              "C:\\Program Files\\QUORIX\\Pelmar Online\r\n");
    EXPECT_EQ(s.store.startup().save_folder, kDefaultGameFolder);

    // A file the system cannot look at (a drive that does not answer) is not a missing one: the
    // player's settings are not written over with the first-run values.
    struct Unanswering : test::FaultyFileSystem {
        PathKind kind(const std::string&) override { return PathKind::unknown; }
    } silent;
    test::HeadlessPlatform plat(s.folders.program);
    plat.use(silent);
    std::filesystem::remove_all(to_fs_path(parent_folder(s.store.path())));
    const auto unanswered = SettingsStore(plat.platform()).load();
    EXPECT_FALSE(unanswered.ok || unanswered.first_run);
    EXPECT_FALSE(std::filesystem::exists(to_fs_path(parent_folder(s.store.path()))));

    ASSERT_TRUE(s.store.load().first_run);
    write_file(s.store.path(), "C:\\x\r\n");
    const auto broken = s.store.load();
    EXPECT_FALSE(broken.ok);
    EXPECT_FALSE(broken.first_run);
    EXPECT_EQ(s.store.startup().game_folder, "");
    EXPECT_EQ(read_file(s.store.path()), "C:\\x\r\n");
}

}  // namespace
}  // namespace vis
