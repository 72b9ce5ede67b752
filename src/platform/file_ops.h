#pragma once
// The file operations of every window that writes: whole text files, copies, and moves that
// never lose the source.
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace vis {

// Writes the bytes to a temporary file beside the target, then renames it over the target, so a
// failed write leaves the old file as it was and never a half-written one.
bool write_whole_file(FileSystem& fs, const std::string& path, std::string_view bytes);

// The lines, each ended by CR LF, in the system's ANSI code page, written whole.
bool write_text_file(FileSystem& fs, const std::string& path, const std::vector<std::string>& lines);

// Copies byte for byte with the source's last-modified time, replacing the target. A file copied
// onto itself stays as it is.
bool copy_file(FileSystem& fs, const std::string& from, const std::string& to);

// A copy with the source's last-modified time, made beside the target and renamed over it once
// its length matches the source's, so a copy that fails or breaks off leaves an old target as it
// was and nothing half-written.
bool checked_copy(FileSystem& fs, const std::string& from, const std::string& to);

enum class MoveResult {
    moved,
    // Nothing was changed: the source and any old target are as they were.
    failed,
    // The copy is complete but the source could not be deleted: both exist.
    copied_source_kept,
};
// A rename where the filesystem allows it; otherwise a checked copy that is on the disk, under
// its name, before the source is deleted. The source is never deleted unless a complete copy
// exists.
MoveResult safe_move(FileSystem& fs, const std::string& from, const std::string& to);

}  // namespace vis
