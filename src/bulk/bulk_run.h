#pragma once
// Copying or moving every screenshot of a folder into one output folder: the two modes, the
// checks made before anything is touched, the run itself and what the user is told.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "services/file_system.h"

namespace vis {

enum class BulkMode { copy, move };

// The mode's key ("copy", "move"), the title of the question before a run, and the name the
// window shows.
const char* mode_key(BulkMode mode);
const char* mode_name(BulkMode mode);

// The question asked before a run.
std::string confirmation_text(BulkMode mode);
// "「全てコピー」を完了しました。" and its move twin.
std::string completion_text(BulkMode mode);

// Why the output folder cannot take the screenshots of `shots` (missing, not a folder, not
// writable, the screenshot folder itself); nothing when it can.
std::optional<std::string> output_folder_problem(FileSystem& fs, const std::string& output, const std::string& shots);

// One screenshot into the output folder. True only when the output holds a complete copy and,
// in move mode, the source is gone; a failed move always leaves the source where it was.
bool transfer(FileSystem& fs, BulkMode mode, const std::string& from, const std::string& to);

struct BulkResult {
    // Names of the files that were not copied or moved, in run order: those still in the
    // screenshot folder, and those that had gone from it (moved or deleted meanwhile).
    std::vector<std::string> failed;
    std::vector<std::string> missing;
    // The run was stopped before its end (the program is ending).
    bool stopped = false;
};
// Every named file of `folder` into `output`, in listing order (names ascending, letter case
// ignored). Before each file `before(percent)` gets the progress, (i + 1) / N x 100; it returns
// false to stop the run there.
BulkResult run_bulk(FileSystem& fs, BulkMode mode, const std::string& folder, std::vector<std::string> names,
                    const std::string& output, const std::function<bool(int percent)>& before);

// What the user is told instead of the completion text when some files were not copied or moved:
// how many, which (the first few by name), and whether their sources are still there or had gone.
std::string failure_text(BulkMode mode, const BulkResult& result);

}  // namespace vis
