#include "services/file_ops.h"

#include <cstdio>
#include <random>

#include "services/ansi.h"
#include "services/paths.h"

namespace vis {

namespace {

// Tags no other run of the program is likely to draw: a name that is taken all the same is
// passed over, never reused. One draw per thread, as the thumbnail decoders write side by side.
std::string next_tag() {
    thread_local std::mt19937 draw{std::random_device{}()};
    char tag[9];
    std::snprintf(tag, sizeof tag, "%08x", static_cast<unsigned>(draw()));
    return tag;
}

// Copies and checks the copy's length against the source's, taken before: a source that shrank
// or grew meanwhile, or a copy that broke off, leaves no copy that counts.
bool copy_whole(FileSystem& fs, const std::string& from, const std::string& to, std::uintmax_t length) {
    return fs.copy(from, to) && fs.size(to) == length;
}

// The copy is made beside the target and renamed over it once its length matches the source's.
// With `durable`, its bytes are on the disk before it takes the target's name.
bool place_copy(FileSystem& fs, const std::string& from, const std::string& to, bool durable) {
    const auto source_size = fs.size(from);
    if (!source_size) return false;
    if (fs.same_file(from, to)) return true;
    const auto part = make_temp_file(fs, to, ".part");
    if (!part) return false;
    if (!copy_whole(fs, from, *part, *source_size) || (durable && !fs.flush(*part)) || !fs.rename(*part, to)) {
        fs.discard(*part);
        return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> make_temp_file(FileSystem& fs, const std::string& target, std::string_view suffix) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = target + "." + next_tag() + std::string(suffix);
        switch (fs.create_new(name)) {
            case NewFile::made:
                return name;
            case NewFile::taken:
                continue;
            case NewFile::failed:
                return std::nullopt;
        }
    }
    return std::nullopt;
}

bool write_whole_file(FileSystem& fs, const std::string& path, std::string_view bytes) {
    const auto temp = make_temp_file(fs, path, ".tmp");
    if (!temp) return false;
    if (!fs.write(*temp, bytes) || !fs.flush(*temp) || !fs.rename(*temp, path)) {
        fs.discard(*temp);
        return false;
    }
    return fs.flush(parent_folder(path));
}

bool write_text_file(FileSystem& fs, const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return write_whole_file(fs, path, to_ansi(text));
}

bool copy_file(FileSystem& fs, const std::string& from, const std::string& to) {
    const auto source_size = fs.size(from);
    if (!source_size) return false;
    if (fs.same_file(from, to)) return true;
    return copy_whole(fs, from, to, *source_size);
}

bool checked_copy(FileSystem& fs, const std::string& from, const std::string& to) {
    return place_copy(fs, from, to, false);
}

MoveResult safe_move(FileSystem& fs, const std::string& from, const std::string& to) {
    if (!fs.size(from)) return MoveResult::failed;
    // A rename onto the file itself changes nothing and succeeds, so it is tried first.
    if (fs.rename(from, to)) return MoveResult::moved;
    // Past here the source is deleted after the copy: never when the copy is the source.
    if (fs.same_file(from, to)) return MoveResult::moved;
    if (!place_copy(fs, from, to, true)) return MoveResult::failed;
    // The copy's name must be on the disk too before the only other copy goes.
    if (!fs.flush(parent_folder(to))) return MoveResult::copied_source_kept;
    return fs.remove(from) ? MoveResult::moved : MoveResult::copied_source_kept;
}

bool make_folders(FileSystem& fs, const std::string& path) {
    std::vector<std::string> missing;
    for (std::string at = path; fs.kind(at) == PathKind::missing; at = parent_folder(at)) {
        // A root that is missing (a drive that is not there) cannot be made.
        if (parent_folder(at) == at || at.empty()) return false;
        missing.push_back(at);
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it)
        if (!fs.make_folder(*it) && fs.kind(*it) != PathKind::folder) return false;
    return fs.kind(path) == PathKind::folder;
}

bool folder_takes_files(FileSystem& fs, const std::string& folder) {
    const auto probe = make_temp_file(fs, join_path(folder, "vistelle_write_check"), ".tmp");
    if (!probe) return false;
    // A byte too: a full disk makes names but takes no bytes.
    const bool written = fs.write(*probe, "-");
    fs.discard(*probe);
    return written;
}

}  // namespace vis
