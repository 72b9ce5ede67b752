#include "core/settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/paths.h"
#include "system_file_system.h"
#include "support/temp_folder.h"

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
    EXPECT_FALSE(std::filesystem::exists(to_fs_path(path + ".tmp")));
}

TEST(SettingsFile, ReaderSkipsBlanksAndQuotesAndKeepsCommas) {
    TempFolder dir;
    const std::string path = join_path(dir.path(), "setting.mto");
    write_file(path, "  \"D:\\Games\\Pelmar, Online\"\r\n 1 \r\n0\r\nE:\\a,b\r\n");
    const auto r = read_setting(path);
    ASSERT_EQ(r.status, SettingsRead::ok);
    EXPECT_EQ(r.values.game_folder, "D:\\Games\\Pelmar, Online");
    EXPECT_EQ(r.values.info_flag, "1 ");
    EXPECT_EQ(r.values.music_flag, "0");
    EXPECT_EQ(r.values.save_folder, "E:\\a,b");
}

TEST(SettingsFile, MissingShortAndLfOnlyFiles) {
    TempFolder dir;
    const std::string path = join_path(dir.path(), "setting.mto");
    EXPECT_EQ(read_setting(path).status, SettingsRead::missing);
    write_file(path, "C:\\x\r\n1\r\n1\r\n");
    EXPECT_EQ(read_setting(path).status, SettingsRead::unreadable);
    write_file(path, "C:\\x\n1\n0\nC:\\y");
    const auto r = read_setting(path);
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

TEST(SettingsFile, UpdateReplacesOneLineAndKeepsTheOthers) {
    TempFolder dir;
    const std::string path = join_path(dir.path(), "setting.mto");
    write_file(path, "C:\\g\r\n1\r\n1\r\nC:\\s\r\n");
    ASSERT_EQ(update_setting(disk, path, [](Settings& s) { s.music_flag = flag_text(false); }), SettingsUpdate::ok);
    EXPECT_EQ(read_file(path), "C:\\g\r\n1\r\n 0\r\nC:\\s\r\n");
}

TEST(SettingsFile, AWriteThatFailsLeavesTheOldFile) {
    TempFolder dir;
    const std::string path = join_path(dir.path(), "setting.mto");
    write_file(path, "C:\\g\r\n1\r\n1\r\nC:\\s\r\n");
    // A folder in the temporary file's place makes the write fail.
    std::filesystem::create_directory(to_fs_path(path + ".tmp"));
    EXPECT_FALSE(write_setting(disk, path, first_run_settings()));
    EXPECT_EQ(read_file(path), "C:\\g\r\n1\r\n1\r\nC:\\s\r\n");
    EXPECT_EQ(update_setting(disk, join_path(dir.path(), "none.mto"), [](Settings&) {}), SettingsUpdate::unreadable);
}

}  // namespace
}  // namespace vis
