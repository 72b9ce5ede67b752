// Whole-file writes, copies and safe moves, with the disk failing in the ways it does.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "services/ansi.h"
#include "services/file_ops.h"
#include "services/paths.h"
#include "support/headless.h"
#include "support/temp_folder.h"

namespace vis {
namespace {

using test::read_file;
using test::write_file;

bool exists(const std::string& path) {
    return std::filesystem::exists(to_fs_path(path));
}

// The names in a folder, sorted: what a write or copy left behind.
std::vector<std::string> entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(to_fs_path(folder)))
        names.push_back(from_fs_path(e.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
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
        EXPECT_EQ(entries(d.dir.path()), std::vector<std::string>{"setting.mto"});
    }
}

// Every write and copy over a disk failing in each way it does. The target holds the new bytes
// or its old ones, never part of them; the user's own files beside it ("X.tmp", "X.part") stay
// as they were; nothing the program made is left behind; a whole write is on the disk before it
// takes the old file's name, and that name is on the disk after.
TEST(FilePromises, WritesAndCopiesKeepTheirWordOnAFaultyDisk) {
    enum class Op { write, copy, checked_copy, move };
    enum class Fault { none, full_disk, rename_refused, flush_refused, names_taken, shrinking, short_copy };
    struct Case {
        Op op;
        Fault fault;
        bool done;
    };
    const Case cases[] = {
        {Op::write, Fault::none, true},
        {Op::write, Fault::names_taken, true},
        {Op::write, Fault::full_disk, false},
        {Op::write, Fault::flush_refused, false},
        {Op::write, Fault::rename_refused, false},
        {Op::copy, Fault::none, true},
        {Op::copy, Fault::shrinking, false},
        {Op::copy, Fault::short_copy, false},
        {Op::checked_copy, Fault::none, true},
        {Op::checked_copy, Fault::names_taken, true},
        {Op::checked_copy, Fault::shrinking, false},
        {Op::checked_copy, Fault::short_copy, false},
        {Op::checked_copy, Fault::full_disk, false},
        {Op::move, Fault::none, true},
        {Op::move, Fault::names_taken, true},
        {Op::move, Fault::shrinking, false},
        {Op::move, Fault::flush_refused, false},
    };
    const std::string shot = "the screenshot's bytes", old = "an older copy";
    for (const Case& c : cases) {
        const char* const ops[] = {"write", "copy", "checked copy", "move"};
        const char* const faults[] = {"",          "full disk", "rename refused", "flush refused", "names taken",
                                      "shrinking", "short copy"};
        SCOPED_TRACE(std::string(ops[static_cast<int>(c.op)]) + ", " + faults[static_cast<int>(c.fault)]);
        Disk d;
        const std::string out = d.at("out"), from = d.at("shot.jpg"), to = join_path(out, "shot.jpg");
        ASSERT_TRUE(d.fs.make_folder(out));
        write_file(from, shot);
        write_file(to, old);
        write_file(to + ".tmp", "the user's own .tmp");
        write_file(to + ".part", "a download of the user's");
        d.fs.cross_device = true;
        d.fs.disk_space = c.fault == Fault::full_disk ? std::optional<std::uintmax_t>(4) : std::nullopt;
        d.fs.fail_rename = c.fault == Fault::rename_refused;
        d.fs.fail_flush = c.fault == Fault::flush_refused;
        d.fs.taken_names = c.fault == Fault::names_taken ? 3 : 0;
        d.fs.shrinking = c.fault == Fault::shrinking;
        d.fs.short_copy = c.fault == Fault::short_copy;

        bool done = false;
        switch (c.op) {
            case Op::write:
                done = write_whole_file(d.fs, to, shot);
                break;
            case Op::copy:
                done = copy_file(d.fs, from, to);
                break;
            case Op::checked_copy:
                done = checked_copy(d.fs, from, to);
                break;
            case Op::move:
                done = safe_move(d.fs, from, to) == MoveResult::moved;
                break;
        }
        EXPECT_EQ(done, c.done);
        // A plain copy makes new files (an album's pictures) and promises nothing for an old one.
        if (c.done || c.op != Op::copy) {
            EXPECT_EQ(read_file(to), c.done ? shot : old);
        }
        EXPECT_EQ(read_file(to + ".tmp"), "the user's own .tmp");
        EXPECT_EQ(read_file(to + ".part"), "a download of the user's");
        EXPECT_EQ(entries(out), (std::vector<std::string>{"shot.jpg", "shot.jpg.part", "shot.jpg.tmp"}));
        EXPECT_EQ(exists(from), !(c.op == Op::move && c.done));
        if (c.fault == Fault::names_taken) {
            const auto tried = std::count_if(d.fs.calls.begin(), d.fs.calls.end(),
                                             [](const std::string& call) { return call.starts_with("create "); });
            EXPECT_EQ(tried, 4);
        }
        if (c.op == Op::write && c.done) {
            EXPECT_GE(d.fs.calls.size(), 5u);
            if (d.fs.calls.size() < 5) continue;
            const std::vector<std::string> last(d.fs.calls.end() - 5, d.fs.calls.end());
            const std::string temp = last[0].substr(std::string("create ").size());
            EXPECT_TRUE(temp.starts_with(to + ".") && temp.ends_with(".tmp") && temp != to + ".tmp") << temp;
            EXPECT_EQ(last, (std::vector<std::string>{"create " + temp, "write " + temp, "flush " + temp,
                                                      "rename " + temp + " -> " + to, "flush " + out}));
        }
    }

    // Made only where nothing is: a file already there is neither taken over nor changed.
    Disk d;
    write_file(d.at("mine.part"), "mine");
    EXPECT_EQ(d.fs.create_new(d.at("mine.part")), NewFile::taken);
    EXPECT_EQ(read_file(d.at("mine.part")), "mine");
    EXPECT_EQ(d.fs.create_new(d.at("new.part")), NewFile::made);
    EXPECT_EQ(read_file(d.at("new.part")), "");
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
        EXPECT_EQ(entries(d.at("out")), std::vector<std::string>{"shot.jpg"});
    }
    Disk d;
    EXPECT_EQ(safe_move(d.fs, d.at("missing.jpg"), d.at("x.jpg")), MoveResult::failed);
    EXPECT_FALSE(exists(d.at("x.jpg")));

    // Onto itself where renames are refused: the only copy is never taken for a second one.
    write_file(d.at("x.jpg"), "only copy");
    d.fs.fail_rename = true;
    EXPECT_EQ(safe_move(d.fs, d.at("x.jpg"), d.at("x.jpg")), MoveResult::moved);
    EXPECT_EQ(read_file(d.at("x.jpg")), "only copy");
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
    ASSERT_EQ(d.fs.calls.size(), 7u);
    const std::string part = d.fs.calls[1].substr(std::string("create ").size());
    EXPECT_EQ(d.fs.calls,
              (std::vector<std::string>{"rename " + from + " -> " + to, "create " + part,
                                        "copy " + from + " -> " + part, "flush " + part, "rename " + part + " -> " + to,
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
