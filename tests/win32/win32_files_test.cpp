// The Windows file system with names of any script: listing, copies that keep the save time,
// moves and whole-file writes that lose nothing when another program holds a file, read-only
// targets and paths beyond 260 characters.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <thread>

#include "catalogue/folder_listing.h"
#include "catalogue/screenshot_delete.h"
#include "core/settings_store.h"
#include "services/file_ops.h"
#include "services/paths.h"
#include "support/headless.h"
#include "support/temp_folder.h"
#include "win32/handle.h"
#include "win32/wide.h"
#include "win32/win32_file_system.h"

namespace vis {
namespace {

using test::read_file;
using test::write_file;
using win32::Handle;
using win32::long_path;

constexpr std::time_t kSaved = 1'165'000'000;  // 2006-12-01 19:06:40 UTC

struct Folder {
    test::TempFolder root;
    win32::Win32FileSystem fs;
    std::string at(const std::string& name) const { return join_path(root.path(), name); }
};

bool exists(const std::string& path) {
    return GetFileAttributesW(long_path(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Opens a file as another program would, sharing nothing, or reading only.
Handle hold(const std::string& path, DWORD share) {
    return Handle(CreateFileW(long_path(path).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr));
}

// The names of the files in a folder, sorted: what a write or copy left behind.
std::vector<std::string> names_in(const std::string& folder) {
    std::vector<ListedFile> files;
    EXPECT_TRUE(list_folder(folder, "*", files));
    std::vector<std::string> names;
    for (const auto& f : files) names.push_back(f.name);
    std::sort(names.begin(), names.end());
    return names;
}

bool read_only(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(long_path(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

std::vector<ListedFile> listed(const std::string& folder) {
    std::vector<ListedFile> files;
    EXPECT_TRUE(list_folder(folder, "PelmarOnline_*.jpg", files));
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return files;
}

TEST(Win32Files, ListingMatchesThePatternIgnoringCaseWithSizesAndTimes) {
    Folder d;
    const std::string shots = d.at("スクリーン　ショット");
    ASSERT_TRUE(d.fs.make_folder(shots));
    const struct {
        const char* name;
        std::size_t size;
        bool listed;
    } files[] = {
        {"PelmarOnline_2006115_01715.jpg", 3, true},
        {"pelmaronline_小さい.JPG", 7, true},
        {"PelmarOnline_한국어.jpg", 1, true},  // not in the ANSI code page
        {"PelmarOnline_x.jpeg", 2, false},
        {"PelmarOnline_x.jpg.txt", 2, false},
        {"Other_1.jpg", 2, false},
    };
    for (const auto& f : files) {
        write_file(join_path(shots, f.name), std::string(f.size, 'x'));
        test::set_modified(join_path(shots, f.name), kSaved);
    }
    ASSERT_TRUE(d.fs.make_folder(join_path(shots, "PelmarOnline_folder.jpg")));

    std::vector<std::string> expected;
    for (const auto& f : files)
        if (f.listed) expected.push_back(f.name);
    std::sort(expected.begin(), expected.end());
    const auto found = listed(shots);
    std::vector<std::string> names;
    for (const auto& f : found) {
        names.push_back(f.name);
        EXPECT_EQ(f.saved, save_time_of(kSaved)) << f.name;
        EXPECT_EQ(f.size, read_file(join_path(shots, f.name)).size()) << f.name;
    }
    EXPECT_EQ(names, expected);

    std::vector<ListedFile> none;
    EXPECT_FALSE(list_folder(d.at("missing"), "*.jpg", none));
    EXPECT_FALSE(list_folder(join_path(shots, files[0].name), "*.jpg", none));
    EXPECT_TRUE(list_folder(d.at("スクリーン　ショット"), "*.png", none));
    EXPECT_TRUE(none.empty());
}

TEST(Win32Files, CopiesKeepTheSaveTimeAndNeverReplaceAReadOnlyTarget) {
    Folder d;
    const std::string from = d.at("元の画像.jpg"), to = d.at("写し.jpg");
    write_file(from, std::string("\xFF\xD8 bytes\0 after nul", 19));
    test::set_modified(from, kSaved);
    ASSERT_TRUE(copy_file(d.fs, from, to));
    EXPECT_EQ(read_file(to), read_file(from));
    std::vector<ListedFile> files;
    ASSERT_TRUE(list_folder(d.root.path(), "写し.jpg", files));
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].saved, save_time_of(kSaved));

    const std::string locked = d.at("読み取り専用.jpg");
    write_file(locked, "keep");
    ASSERT_TRUE(SetFileAttributesW(long_path(locked).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(copy_file(d.fs, from, locked));
    EXPECT_FALSE(checked_copy(d.fs, from, locked));
    EXPECT_EQ(safe_move(d.fs, from, locked), MoveResult::failed);
    EXPECT_EQ(read_file(locked), "keep");
    EXPECT_EQ(read_file(from).size(), 19u);
    EXPECT_EQ(names_in(d.root.path()), (std::vector<std::string>{"元の画像.jpg", "写し.jpg", "読み取り専用.jpg"}));
    SetFileAttributesW(long_path(locked).c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Moved to another drive, a read-only screenshot's copy is written and put on the disk without
// the attribute and given it back after; the source, which Windows keeps from deletion, stays.
// Nothing of the program's is left behind, so a second move is refused just as cleanly.
TEST(Win32Files, AReadOnlyScreenshotMovedToAnotherDriveLeavesNoPartBehind) {
    Folder d;
    test::FaultyFileSystem fs;
    fs.cross_device = true;
    const std::string name = "PelmarOnline_2006115_01715.jpg";
    const std::string out = d.at("別のドライブ"), from = d.at(name), to = join_path(out, name);
    ASSERT_TRUE(fs.make_folder(out));
    write_file(from, "shot");
    test::set_modified(from, kSaved);
    ASSERT_TRUE(SetFileAttributesW(long_path(from).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(safe_move(fs, from, to), MoveResult::copied_source_kept);
    EXPECT_EQ(read_file(to), "shot");
    EXPECT_TRUE(read_only(to));
    EXPECT_EQ(listed(out).at(0).saved, save_time_of(kSaved));
    EXPECT_EQ(names_in(out), std::vector<std::string>{name});

    EXPECT_EQ(safe_move(fs, from, to), MoveResult::failed);
    EXPECT_EQ(names_in(out), std::vector<std::string>{name});
    EXPECT_EQ(read_file(from), "shot");
    for (const std::string& path : {from, to}) SetFileAttributesW(long_path(path).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(Win32Files, MovesAndWholeWritesLoseNothingWhileAnotherProgramHoldsAFile) {
    Folder d;
    const std::string from = d.at("画像.jpg"), to = d.at("移動先.jpg");
    write_file(from, "shot");
    EXPECT_TRUE(d.fs.same_file(from, d.at("画像.JPG")));
    EXPECT_FALSE(d.fs.same_file(from, to));
    {
        // Held with no sharing: neither renamed nor copied, and both stay as they were.
        const Handle held = hold(from, 0);
        ASSERT_TRUE(held.valid());
        EXPECT_EQ(safe_move(d.fs, from, to), MoveResult::failed);
        EXPECT_FALSE(exists(to));
    }
    {
        // Held for reading: copied, but the source cannot go while it is open.
        const Handle held = hold(from, FILE_SHARE_READ);
        ASSERT_TRUE(held.valid());
        EXPECT_EQ(safe_move(d.fs, from, to), MoveResult::copied_source_kept);
        EXPECT_EQ(read_file(to), "shot");
        EXPECT_EQ(read_file(from), "shot");
    }
    ASSERT_TRUE(d.fs.remove(to));
    EXPECT_EQ(safe_move(d.fs, from, to), MoveResult::moved);
    EXPECT_FALSE(exists(from));
    EXPECT_EQ(read_file(to), "shot");

    const std::string settings = d.at("setting.mto");
    write_file(settings, "old\r\n");
    {
        const Handle held = hold(settings, FILE_SHARE_READ);
        ASSERT_TRUE(held.valid());
        EXPECT_FALSE(write_whole_file(d.fs, settings, "new\r\n"));
        EXPECT_EQ(read_file(settings), "old\r\n");
        EXPECT_EQ(names_in(d.root.path()), (std::vector<std::string>{"setting.mto", "移動先.jpg"}));
    }
    EXPECT_TRUE(write_whole_file(d.fs, settings, "new\r\n"));
    EXPECT_EQ(read_file(settings), "new\r\n");
}

// The viewer decodes the next picture ahead with a reader that shares everything and closes a
// moment later: a whole write over that file, or its delete, waits for it instead of failing.
TEST(Win32Files, AFileReadAheadIsReplacedOrDeletedOnceTheReaderLetsGo) {
    Folder d;
    const std::string shot = d.at("PelmarOnline_2006115_01002.jpg");
    for (const bool replace : {true, false}) {
        write_file(shot, "old");
        Handle held = hold(shot, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
        ASSERT_TRUE(held.valid());
        std::thread reader([&held] {
            Sleep(150);
            held.close();
        });
        EXPECT_TRUE(replace ? write_whole_file(d.fs, shot, "new") : d.fs.remove(shot));
        reader.join();
        EXPECT_EQ(exists(shot), replace);
        EXPECT_EQ(read_file(shot), replace ? "new" : "");
        EXPECT_EQ(names_in(d.root.path()).size(), replace ? 1u : 0u);
    }
}

TEST(Win32Files, PathsLongerThan260CharactersWork) {
    Folder d;
    std::string folder = d.root.path();
    for (int i = 0; i < 6; ++i) {
        folder = join_path(folder, std::string(50, static_cast<char>('a' + i)) + "フォルダ");
        ASSERT_TRUE(d.fs.make_folder(folder)) << folder.size();
    }
    const std::string file = join_path(folder, "PelmarOnline_長い.jpg");
    ASSERT_GT(file.size(), 300u);
    ASSERT_TRUE(write_whole_file(d.fs, file, "long"));

    // A program folder there: its settings are made once, found on the next start and not made
    // again; a delete finds the screenshot there rather than calling it deleted already.
    test::HeadlessPlatform plat(folder);
    for (const bool first_start : {true, false}) {
        SettingsStore store(plat.platform());
        const SettingsStore::Loaded loaded = store.load();
        EXPECT_TRUE(loaded.ok);
        EXPECT_EQ(loaded.first_run, first_start);
    }
    const std::string doomed = join_path(folder, "PelmarOnline_消す.jpg");
    write_file(doomed, "x");
    const Form owner(plat.windows, "Owner", "");
    EXPECT_TRUE(delete_screenshot(plat.prompts, plat.files, folder, "PelmarOnline_消す.jpg", owner));
    EXPECT_TRUE(plat.prompts.asked().empty());
    EXPECT_FALSE(exists(doomed));

    EXPECT_EQ(d.fs.size(file), 4u);
    const auto found = listed(folder);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].name, "PelmarOnline_長い.jpg");
    const std::string copy = join_path(folder, "PelmarOnline_写し.jpg");
    EXPECT_TRUE(checked_copy(d.fs, file, copy));
    EXPECT_EQ(safe_move(d.fs, copy, d.at("戻した.jpg")), MoveResult::moved);
    EXPECT_EQ(d.fs.size(d.at("戻した.jpg")), 4u);
    EXPECT_TRUE(d.fs.remove(file));
    EXPECT_FALSE(d.fs.size(file));
}

}  // namespace
}  // namespace vis
