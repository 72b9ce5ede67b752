#pragma once
// The file operations of every window that writes: whole text files, copies, and moves that
// never lose the source.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "services/file_system.h"

namespace vis {

// A new, empty file beside `target`, named after it with a tag of its own and `suffix` ("a.jpg"
// gives "a.jpg.5f3c9a1e.part"): made only where nothing was, so no file of the user's is ever
// written over or removed in its place. Nothing when no such file could be made.
std::optional<std::string> make_temp_file(FileSystem& fs, const std::string& target, std::string_view suffix);

// Writes the bytes to a temporary file beside the target, puts them on the disk, renames it over
// the target and puts the folder's new entry on the disk too, so that neither a failed write nor
// a power cut leaves a half-written file or an empty one in the old one's place.
bool write_whole_file(FileSystem& fs, const std::string& path, std::string_view bytes);

// The lines, each ended by CR LF, in the system's ANSI code page, written whole.
bool write_text_file(FileSystem& fs, const std::string& path, const std::vector<std::string>& lines);

// Copies byte for byte with the source's last-modified time, replacing the target, and fails when
// the copy holds fewer or more bytes than the source did (a file that changed meanwhile). A copy
// that fails may leave part of the target: for targets nothing else stands on (a new album's
// pictures). A file copied onto itself stays as it is.
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

// Makes the folder and those above it that are missing; true when it is there afterwards.
bool make_folders(FileSystem& fs, const std::string& path);

// Whether new files can be written in the folder: one is written and removed again.
bool folder_takes_files(FileSystem& fs, const std::string& folder);

}  // namespace vis
