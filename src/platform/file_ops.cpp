#include "platform/file_ops.h"

#include "platform/ansi.h"

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

bool checked_copy(FileSystem& fs, const std::string& from, const std::string& to) {
    const auto source_size = fs.size(from);
    if (!source_size) return false;
    if (fs.same_file(from, to)) return true;
    const std::string part = to + ".part";
    if (!copy_file(fs, from, part) || fs.size(part) != source_size || !fs.rename(part, to)) {
        fs.remove(part);
        return false;
    }
    return true;
}

MoveResult safe_move(FileSystem& fs, const std::string& from, const std::string& to) {
    if (!fs.size(from)) return MoveResult::failed;
    // A rename onto the file itself changes nothing and succeeds, so it is tried first.
    if (fs.rename(from, to)) return MoveResult::moved;
    // Past here the source is deleted after the copy: never when the copy is the source.
    if (fs.same_file(from, to)) return MoveResult::moved;
    if (!checked_copy(fs, from, to)) return MoveResult::failed;
    return fs.remove(from) ? MoveResult::moved : MoveResult::copied_source_kept;
}

}  // namespace vis
