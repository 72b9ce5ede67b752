#include "core/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

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
    EXPECT_EQ(r.lines.game_folder, "D:\\Games\\Pelmar, Online");
    EXPECT_EQ(r.lines.info_flag, "1 ");
    EXPECT_EQ(r.lines.music_flag, "0");
    EXPECT_EQ(r.lines.save_folder, "E:\\a,b");
    EXPECT_EQ(settings_of(r.lines), (Settings{"D:\\Games\\Pelmar, Online", true, false, "E:\\a,b"}));
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
    EXPECT_EQ(r.lines.save_folder, "C:\\y");
}

TEST(SettingsFile, FlagsReadAsTheNumberOne) {
    const char* const on[] = {"1",  " 1",    "1 ",  " 1 ",   "01",   " 1.0",    "1.00", "+1",
                              "1x", "1 . 0", "1e0", "10e-1", ".1e1", "0.01E+2", "1e",   "1e+"};
    for (const char* text : on) EXPECT_TRUE(flag_of_line(text)) << text;
    // Blanks inside the number join its digits; an exponent scales it.
    const char* const off[] = {"",    " ", "0",  " 0",  "2",     "11",  "10",  "1.5",  "yes",   "-1",  "x1",
                               "0.1", ".", "e1", "1 0", "0 1 0", "1e1", "1E1", "1e-1", "1 e 1", "- 1", "1.0001"};
    for (const char* text : off) EXPECT_FALSE(flag_of_line(text)) << text;
    EXPECT_FALSE(flag_of_line("1e99999999999999999999"));
    EXPECT_EQ(flag_line(true), " 1");
    EXPECT_EQ(flag_line(false), " 0");
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
    // The flags as another tool may have written them: a line not changed keeps its bytes.
    const std::string before = "C:\\g\r\n01\r\n1.0\r\nC:\\s\r\n";
    const struct {
        std::function<bool(SettingsStore&, const Form&)> change;
        std::string after;
        std::string name;
        Settings now;
    } cases[] = {
        {[](SettingsStore& s, const Form& o) { return s.set_information(false, o); },
         "C:\\g\r\n 0\r\n1.0\r\nC:\\s\r\n",
         "画像情報",
         {"C:\\g", false, true, "C:\\s"}},
        {[](SettingsStore& s, const Form& o) { return s.set_music(false, o); },
         "C:\\g\r\n01\r\n 0\r\nC:\\s\r\n",
         "BGM",
         {"C:\\g", true, false, "C:\\s"}},
        {[](SettingsStore& s, const Form& o) { return s.set_save_folder("E:\\ア,b", o); },
         "C:\\g\r\n01\r\n1.0\r\nE:\\ア,b\r\n",
         "保存先",
         {"C:\\g", true, true, "E:\\ア,b"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Store s;
        ASSERT_EQ(s.store.path(), s.folders.settings_file());
        write_file(s.store.path(), before);
        ASSERT_TRUE(s.store.load().ok);
        EXPECT_TRUE(c.change(s.store, s.owner));
        EXPECT_EQ(read_file(s.store.path()), to_ansi(c.after));
        EXPECT_EQ(s.store.current(), c.now);
        EXPECT_TRUE(s.plat.prompts.asked().empty());
        // What was read at start-up stays for the rest of the run.
        EXPECT_EQ(s.store.startup(), (Settings{"C:\\g", true, true, "C:\\s"}));

        // A write that fails leaves the file and the live copy as they were.
        write_file(s.store.path(), before);
        s.plat.files.fail_rename = true;
        s.plat.prompts.answer_message(MsgResult::ok);
        EXPECT_FALSE(c.change(s.store, s.owner));
        EXPECT_EQ(s.told(), "[Pelmar online - Vistelle] 設定ファイルに書き込めなかったため、" + c.name +
                                "の設定は変更されていません。");
        EXPECT_EQ(read_file(s.store.path()), before);
        EXPECT_EQ(s.store.current(), c.now);
        s.plat.files.fail_rename = false;

        // A file that cannot be read is not written over, whether short or gone.
        for (const std::string& broken : {std::string("C:\\g\r\n1\r\n"), std::string()}) {
            if (broken.empty())
                std::filesystem::remove(to_fs_path(s.store.path()));
            else
                write_file(s.store.path(), broken);
            s.plat.prompts.answer_message(MsgResult::ok);
            EXPECT_FALSE(c.change(s.store, s.owner));
            EXPECT_EQ(s.told(), "[Pelmar online - Vistelle] 設定ファイルを読み込めなかったため、" + c.name +
                                    "の設定は変更されていません。");
            EXPECT_FALSE(s.store.reread());
            EXPECT_EQ(s.store.current(), c.now);
            if (broken.empty()) {
                EXPECT_FALSE(std::filesystem::exists(to_fs_path(s.store.path())));
            } else {
                EXPECT_EQ(read_file(s.store.path()), broken);
            }
        }
    }
}

TEST(SettingsStore, ListenersHearOfEachValueThatChangedOnceTheLiveCopyHoldsIt) {
    Store s;
    write_file(s.store.path(), "C:\\g\r\n1\r\n1\r\nC:\\s\r\n");
    // Start-up only fills the copy: nothing had shown the settings before.
    std::vector<std::string> heard;
    s.store.listen([&](SettingsLine line) {
        const Settings& now = s.store.current();
        const std::string value = line == SettingsLine::game_folder  ? now.game_folder
                                  : line == SettingsLine::info_flag  ? flag_line(now.information)
                                  : line == SettingsLine::music_flag ? flag_line(now.music)
                                                                     : now.save_folder;
        heard.push_back(std::to_string(static_cast<int>(line)) + "=" + value);
    });
    ASSERT_TRUE(s.store.load().ok);
    EXPECT_TRUE(heard.empty());

    EXPECT_TRUE(s.store.set_music(true, s.owner));  // already on: the file is written, nothing heard
    EXPECT_TRUE(s.store.set_music(false, s.owner));
    EXPECT_EQ(heard, std::vector<std::string>{"2= 0"});

    // Another program's change is heard when the file is next read, with the one made.
    heard.clear();
    write_file(s.store.path(), "C:\\h\r\n0\r\n0\r\nC:\\s\r\n");
    EXPECT_TRUE(s.store.set_save_folder("C:\\t", s.owner));
    EXPECT_EQ(heard, (std::vector<std::string>{"0=C:\\h", "1= 0", "3=C:\\t"}));

    heard.clear();
    EXPECT_TRUE(s.store.write({"C:\\h", true, true, "C:\\t"}, s.owner));
    EXPECT_EQ(heard, (std::vector<std::string>{"1= 1", "2= 1"}));
    EXPECT_EQ(read_file(s.store.path()), "C:\\h\r\n 1\r\n 1\r\nC:\\t\r\n");

    // A failed write is not heard.
    heard.clear();
    s.plat.files.fail_flush = true;
    s.plat.prompts.answer_message(MsgResult::ok);
    EXPECT_FALSE(s.store.set_information(false, s.owner));
    s.plat.prompts.clear_asked();
    EXPECT_TRUE(heard.empty());
    EXPECT_TRUE(s.store.current().information);
}

TEST(SettingsStore, AWholeWriteThatFailsIsToldWithoutALineName) {
    Store s;
    write_file(s.store.path(), "C:\\g\r\n1\r\n1\r\nC:\\s\r\n");
    EXPECT_TRUE(s.store.write({kDefaultGameFolder, true, false, "D:\\y"}, s.owner));
    EXPECT_EQ(read_file(s.store.path()), std::string(kDefaultGameFolder) + "\r\n 1\r\n 0\r\nD:\\y\r\n");
    s.plat.files.fail_flush = true;
    s.plat.prompts.answer_message(MsgResult::ok);
    EXPECT_FALSE(s.store.write({"D:\\x", true, true, "D:\\y"}, s.owner));
    EXPECT_EQ(s.told(), "[Pelmar online - Vistelle] 設定ファイルに書き込めなかったため、設定は変更されていません。");
    ASSERT_TRUE(s.store.reread());
    EXPECT_EQ(s.store.current().game_folder, kDefaultGameFolder);
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
