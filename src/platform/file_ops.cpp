#include "platform/file_ops.h"

#include "platform/ansi.h"
#include "platform/paths.h"

namespace vis {

bool write_whole_file(FileSystem& fs, const std::string& path, std::string_view bytes) {
    const std::string temp = path + ".tmp";
    if (!fs.write(temp, bytes) || !fs.rename(temp, path)) {
        fs.remove(temp);
        return false;
    }
    return true;
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
    if (fs.same_file(from, to)) return true;
    return fs.copy(from, to);
}

namespace {

// The copy is made beside the target and renamed over it once its length matches the source's.
// With `durable`, its bytes are on the disk before it takes the target's name.
bool place_copy(FileSystem& fs, const std::string& from, const std::string& to, bool durable) {
    const auto source_size = fs.size(from);
    if (!source_size) return false;
    if (fs.same_file(from, to)) return true;
    const std::string part = to + ".part";
    if (!fs.copy(from, part) || fs.size(part) != source_size || (durable && !fs.flush(part)) || !fs.rename(part, to)) {
        fs.remove(part);
        return false;
    }
    return true;
}

}  // namespace

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

}  // namespace vis
