// Whole-file writes, copies and safe moves, with the disk failing in the ways it does.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ansi.h"
#include "platform/file_ops.h"
#include "platform/paths.h"
#include "support/headless.h"
#include "support/temp_folder.h"

namespace vis {
namespace {

using test::read_file;
using test::write_file;

bool exists(const std::string& path) {
    return std::filesystem::exists(to_fs_path(path));
}

struct Disk {
    test::TempFolder dir;
    test::FaultyFileSystem fs;
    std::string at(const std::string& name) const { return join_path(dir.path(), name); }
};

TEST(WholeFileWrite, WritesCrLfLinesOrLeavesTheOldFileWhole) {
    struct Case {
        const char* what;
        std::optional<std::uintmax_t> disk_space;
        bool fail_rename;
        bool written;
    };
    for (const Case& c :
         {Case{"room enough", std::nullopt, false, true}, Case{"full disk", 5, false, false},
          Case{"no disk space at all", 0, false, false}, Case{"rename refused", std::nullopt, true, false}}) {
        SCOPED_TRACE(c.what);
        Disk d;
        const std::string path = d.at("setting.mto");
        write_file(path, "old\r\n");
        d.fs.disk_space = c.disk_space;
        d.fs.fail_rename = c.fail_rename;
        EXPECT_EQ(write_text_file(d.fs, path, {"C:\\ゲーム", " 1", ""}), c.written);
        // In the system's ANSI code page: the Windows tests check its Shift_JIS bytes.
        EXPECT_EQ(read_file(path), c.written ? to_ansi("C:\\ゲーム\r\n 1\r\n\r\n") : "old\r\n");
        EXPECT_FALSE(exists(path + ".tmp"));
    }
}

TEST(FileCopy, CopiesBytesReportsFailureAndLeavesAFileCopiedOntoItself) {
    Disk d;
    const std::string from = d.at("a.jpg");
    write_file(from, std::string("\xFF\xD8 bytes\0 after nul", 19));
    EXPECT_TRUE(copy_file(d.fs, from, d.at("b.jpg")));
    EXPECT_EQ(read_file(d.at("b.jpg")), read_file(from));
    write_file(d.at("b.jpg"), "older");
    EXPECT_TRUE(copy_file(d.fs, from, d.at("b.jpg")));
    EXPECT_EQ(read_file(d.at("b.jpg")), read_file(from));
    EXPECT_TRUE(copy_file(d.fs, from, from));
    EXPECT_EQ(read_file(from).size(), 19u);
    d.fs.fail_copy = true;
    EXPECT_FALSE(copy_file(d.fs, from, d.at("c.jpg")));
    EXPECT_FALSE(copy_file(d.fs, d.at("missing.jpg"), d.at("d.jpg")));
}

TEST(SafeMove, NeverLosesTheSourceNorAnOldTarget) {
    struct Case {
        const char* what;
        bool cross_device, short_copy, fail_copy, fail_remove;
        MoveResult result;
        bool source_left, target_new;
    };
    for (const Case& c : {
             Case{"same drive", false, false, false, false, MoveResult::moved, false, true},
             Case{"other drive", true, false, false, false, MoveResult::moved, false, true},
             Case{"other drive, copy breaks off", true, true, false, false, MoveResult::failed, true, false},
             Case{"other drive, copy refused", true, false, true, false, MoveResult::failed, true, false},
             Case{"other drive, source locked", true, false, false, true, MoveResult::copied_source_kept, true, true},
             Case{"other drive, disk does not take the flush", true, false, false, false, MoveResult::failed, true,
                  false},
         }) {
        SCOPED_TRACE(c.what);
        Disk d;
        std::filesystem::create_directory(to_fs_path(d.at("out")));
        const std::string from = d.at("shot.jpg");
        const std::string to = join_path(d.at("out"), "shot.jpg");
        write_file(from, "the screenshot's bytes");
        write_file(to, "an older copy");
        d.fs.cross_device = c.cross_device;
        d.fs.short_copy = c.short_copy;
        d.fs.fail_copy = c.fail_copy;
        d.fs.fail_remove = c.fail_remove;
        d.fs.fail_flush = std::string_view(c.what).ends_with("flush");
        EXPECT_EQ(safe_move(d.fs, from, to), c.result);
        EXPECT_EQ(exists(from), c.source_left);
        if (c.source_left) {
            EXPECT_EQ(read_file(from), "the screenshot's bytes");
        }
        EXPECT_EQ(read_file(to), c.target_new ? "the screenshot's bytes" : "an older copy");
        EXPECT_FALSE(exists(to + ".part"));
    }
    Disk d;
    EXPECT_EQ(safe_move(d.fs, d.at("missing.jpg"), d.at("x.jpg")), MoveResult::failed);
    EXPECT_FALSE(exists(d.at("x.jpg")));
}

// The source goes only once its copy and the copy's name are on the disk; a move within one
// drive touches no bytes and waits for nothing.
TEST(SafeMove, DeletesTheSourceOnlyAfterTheCopyIsOnTheDisk) {
    Disk d;
    std::filesystem::create_directory(to_fs_path(d.at("out")));
    const std::string from = d.at("shot.jpg");
    const std::string to = join_path(d.at("out"), "shot.jpg");
    write_file(from, "the screenshot's bytes");
    d.fs.cross_device = true;
    ASSERT_EQ(safe_move(d.fs, from, to), MoveResult::moved);
    EXPECT_EQ(d.fs.calls,
              (std::vector<std::string>{"rename " + from + " -> " + to, "copy " + from + " -> " + to + ".part",
                                        "flush " + to + ".part", "rename " + to + ".part -> " + to,
                                        "flush " + d.at("out"), "remove " + from}));

    d.fs.calls.clear();
    d.fs.cross_device = false;
    ASSERT_EQ(safe_move(d.fs, to, from), MoveResult::moved);
    EXPECT_EQ(d.fs.calls, std::vector<std::string>{"rename " + to + " -> " + from});
}

// However a copy is made, it lists where the screenshot does: at its save time.
TEST(FileCopy, EveryKindOfCopyKeepsTheSaveTime) {
    struct Case {
        const char* what;
        bool (*copy)(FileSystem&, const std::string&, const std::string&);
    };
    const Case cases[] = {
        {"copy", copy_file},
        {"checked copy", checked_copy},
        {"move to another drive", [](FileSystem& fs, const std::string& a,
                                     const std::string& b) { return safe_move(fs, a, b) == MoveResult::moved; }},
    };
    constexpr std::time_t kSaved = 1160000000;
    for (const Case& c : cases) {
        for (const bool over_older : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (over_older ? ", over an older copy" : ""));
            Disk d;
            d.fs.cross_device = true;
            std::filesystem::create_directory(to_fs_path(d.at("out")));
            const std::string from = d.at("shot.jpg");
            const std::string to = join_path(d.at("out"), "shot.jpg");
            write_file(from, "the screenshot's bytes");
            test::set_modified(from, kSaved);
            const auto saved = std::filesystem::last_write_time(to_fs_path(from));
            if (over_older) write_file(to, "an older copy");
            ASSERT_TRUE(c.copy(d.fs, from, to));
            EXPECT_EQ(read_file(to), "the screenshot's bytes");
            EXPECT_EQ(std::filesystem::last_write_time(to_fs_path(to)), saved);
        }
    }
}

}  // namespace
}  // namespace vis
