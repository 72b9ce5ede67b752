#include "album/disk_album_output.h"

#include "services/ansi.h"
#include "services/file_ops.h"

namespace vis {

AlbumOutput::NewFolder DiskAlbumOutput::make_folder(const std::string& path) {
    if (fs_.make_folder(path)) return NewFolder::made;
    const PathKind there = fs_.kind(path);
    return there == PathKind::folder || there == PathKind::file ? NewFolder::taken : NewFolder::failed;
}

bool DiskAlbumOutput::has_file(const std::string& path) {
    return fs_.size(path).has_value();
}

bool DiskAlbumOutput::write_text(const std::string& path, const std::string& utf8_text) {
    return write_whole_file(fs_, path, to_ansi(utf8_text));
}

bool DiskAlbumOutput::copy_file(const std::string& from, const std::string& to) {
    return vis::copy_file(fs_, from, to);
}

bool DiskAlbumOutput::remove(const std::string& path) {
    return fs_.remove(path);
}

}  // namespace vis
