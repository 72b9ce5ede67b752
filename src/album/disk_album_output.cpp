#include "album/disk_album_output.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/ansi.h"
#include "platform/paths.h"

namespace vis {

namespace fs = std::filesystem;

bool DiskAlbumOutput::make_folder(const std::string& path) {
    std::error_code ec;
    return fs::create_directory(to_fs_path(path), ec) && !ec;
}

bool DiskAlbumOutput::write_text(const std::string& path, const std::string& utf8_text) {
    const std::string bytes = to_ansi(utf8_text);
    const fs::path target = to_fs_path(path);
    fs::path temp = target;
    temp += ".tmp";
    std::error_code ec;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temp, ec);
            return false;
        }
    }
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

bool DiskAlbumOutput::copy_file(const std::string& from, const std::string& to) {
    std::error_code ec;
    const bool copied = fs::copy_file(to_fs_path(from), to_fs_path(to), fs::copy_options::overwrite_existing, ec);
    return copied && !ec;
}

bool DiskAlbumOutput::remove(const std::string& path) {
    std::error_code ec;
    fs::remove(to_fs_path(path), ec);
    return !ec;
}

}  // namespace vis
