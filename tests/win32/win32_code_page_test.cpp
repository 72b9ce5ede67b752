// The settings file and the album pages in the ANSI code page of a Japanese system (932,
// Shift_JIS), as the game's own machines have it; names the code page lacks still reach the
// right file.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

#include "album/album_writer.h"
#include "album/disk_album_output.h"
#include "core/settings.h"
#include "core/settings_store.h"
#include "services/ansi.h"
#include "services/paths.h"
#include "support/album_inputs.h"
#include "support/headless.h"
#include "support/temp_folder.h"
#include "ui/form.h"
#include "win32/win32_file_system.h"

namespace vis {
namespace {

using test::read_file;
using test::write_file;

// "ゲーム" and "保存" in Shift_JIS.
const std::string kGameSjis = "\x83Q\x81[\x83\x80";
const std::string kSaveSjis = "\x95\xDB\x91\xB6";

TEST(Win32CodePage, TheTestRunsWithTheJapaneseCodePage) {
    ASSERT_EQ(GetACP(), 932u) << "run under Wine with LC_ALL=ja_JP.UTF-8";
    EXPECT_EQ(to_ansi("ゲーム"), kGameSjis);
    EXPECT_EQ(from_ansi(kGameSjis + "\r\n"), "ゲーム\r\n");
    // Half-width katakana are single bytes; a character Shift_JIS lacks is "?", never a look-alike.
    EXPECT_EQ(to_ansi("ｱ"), "\xB1");
    EXPECT_EQ(to_ansi("é한"), "??");
    EXPECT_TRUE(fits_ansi("ゲーム①"));
    EXPECT_FALSE(fits_ansi("é"));
    EXPECT_FALSE(fits_ansi("한"));
}

TEST(Win32CodePage, TheSettingsFileIsWrittenInShiftJisAndReadBack) {
    test::TempFolder dir;
    win32::Win32FileSystem disk;
    const std::string path = join_path(dir.path(), "setting.mto");
    const SettingsLines s{"D:\\ゲーム\\Pelmar Online", "1", "0", "E:\\保存"};
    ASSERT_TRUE(write_setting(disk, path, s));
    EXPECT_EQ(read_file(path), "D:\\" + kGameSjis + "\\Pelmar Online\r\n1\r\n0\r\nE:\\" + kSaveSjis + "\r\n");
    const auto r = read_setting(disk, path);
    ASSERT_EQ(r.status, SettingsRead::ok);
    EXPECT_EQ(r.lines.game_folder, s.game_folder);
    EXPECT_EQ(r.lines.save_folder, s.save_folder);

    // A file written by the game's own Japanese tools reads the same.
    write_file(path, "C:\\" + kGameSjis + "\r\n0\r\n1\r\nC:\\" + kSaveSjis + "\r\n");
    const auto theirs = read_setting(disk, path);
    ASSERT_EQ(theirs.status, SettingsRead::ok);
    EXPECT_EQ(theirs.lines.game_folder, "C:\\ゲーム");
    EXPECT_EQ(theirs.lines.save_folder, "C:\\保存");
}

// A folder the code page cannot hold would be stored with "?" in its place and name no folder:
// it is refused by name, and the file keeps what it held.
TEST(Win32CodePage, AFolderTheCodePageLacksIsRefusedByNameAndNothingIsWritten) {
    test::GameFolders folders;
    test::HeadlessPlatform plat(folders.program);
    SettingsStore store(plat.platform());
    const Form owner(plat.windows, "Owner", "");
    const std::string before = "C:\\g\r\n1\r\n1\r\nC:\\s\r\n";
    write_file(store.path(), before);
    const std::string kept = "の設定は変更されていません。";
    const struct {
        std::function<bool()> store;
        std::string folder, name;
    } cases[] = {
        {[&] { return store.set_save_folder("E:\\한국", owner); }, "E:\\한국", "保存先"},
        {[&] {
             return store.write({"D:\\Zoë", true, false, "C:\\s"}, owner);
         },
         "D:\\Zoë", "インストールディレクトリ"},
        {[&] {
             return store.write({"C:\\g", true, false, "E:\\한국"}, owner);
         },
         "E:\\한국", "保存先"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        plat.prompts.answer_message(MsgResult::ok);
        EXPECT_FALSE(c.store());
        ASSERT_EQ(plat.prompts.asked().size(), 1u);
        EXPECT_EQ(
            plat.prompts.asked()[0].box.text,
            "フォルダ [" + c.folder + "]の名前には設定ファイルに保存できない文字が含まれているため、" + c.name + kept);
        EXPECT_EQ(plat.prompts.asked()[0].box.owner, &owner);
        plat.prompts.clear_asked();
        EXPECT_EQ(read_file(store.path()), before);
    }
    EXPECT_TRUE(store.set_save_folder("E:\\保存", owner));
    EXPECT_EQ(read_file(store.path()), "C:\\g\r\n1\r\n1\r\nE:\\" + kSaveSjis + "\r\n");
}

TEST(Win32CodePage, AlbumPagesAreShiftJisAndLinkNamesTheCodePageLacksAsUtf8Escapes) {
    test::TempFolder dir;
    win32::Win32FileSystem disk;
    const std::string program = join_path(dir.path(), "プログラム");
    const std::string shots = join_path(dir.path(), "ゲーム");
    for (const std::string& folder : {program, join_path(program, "data"), join_path(program, "album"), shots})
        ASSERT_TRUE(disk.make_folder(folder));
    write_file(join_path(join_path(program, "data"), "null.gif"), "GIF89a");
    const std::string kana = "PelmarOnline_画像.jpg", hangul = "PelmarOnline_한.jpg";
    write_file(join_path(shots, kana), "jpeg");
    write_file(join_path(shots, hangul), "jpeg");

    AlbumInput in;
    in.shots = {{.name = kana, .size = 0, .saved = 20061105011015},
                {.name = hangul, .size = 0, .saved = 20061105011115}};
    in.shots_folder = shots;
    in.program_folder = program;
    in.line_colour = "Black";
    in.edge_colour = "Aqua";
    in.create_mode = kAbsolutePathAlbum;
    DiskAlbumOutput out(disk);
    const AlbumResult r = write_album(in, test::album::creation_clock(), out);
    ASSERT_EQ(r.failure, AlbumFailure::none);
    const std::string page = read_file(join_path(r.folder, "page1.html"));
    // The caption and the link of a name the code page holds, in Shift_JIS bytes.
    const std::string kana_sjis = "PelmarOnline_\x89\xE6\x91\x9C.jpg";
    EXPECT_NE(page.find(kana_sjis + "<br>"), std::string::npos);
    EXPECT_NE(page.find("<img src='" + to_ansi(shots) + "\\" + kana_sjis + "'"), std::string::npos);
    // The other one's link carries its UTF-8 bytes as escapes, so the browser finds the file.
    EXPECT_NE(page.find("<img src='" + to_ansi(shots) + "\\PelmarOnline_%ED%95%9C.jpg'"), std::string::npos);
    EXPECT_EQ(page.find("PelmarOnline_?.jpg'"), std::string::npos);
}

}  // namespace
}  // namespace vis
