#include "platform/file_system.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/paths.h"

namespace vis {

namespace fs = std::filesystem;

bool DiskFileSystem::write(const std::string& path, std::string_view bytes) {
    std::ofstream out(to_fs_path(path), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    out.close();
    return !out.fail();
}

bool DiskFileSystem::rename(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::rename(to_fs_path(from), to_fs_path(to), ec);
    return !ec;
}

bool DiskFileSystem::copy(const std::string& from, const std::string& to) {
    std::error_code ec;
    return fs::copy_file(to_fs_path(from), to_fs_path(to), fs::copy_options::overwrite_existing, ec) && !ec;
}

bool DiskFileSystem::remove(const std::string& path) {
    std::error_code ec;
    fs::remove(to_fs_path(path), ec);
    return !ec && !fs::exists(fs::symlink_status(to_fs_path(path), ec));
}

bool DiskFileSystem::make_folder(const std::string& path) {
    std::error_code ec;
    return fs::create_directory(to_fs_path(path), ec) && !ec;
}

std::optional<std::uintmax_t> DiskFileSystem::size(const std::string& path) {
    std::error_code ec;
    // One look at the file: the entry keeps what it read for both questions.
    const fs::directory_entry entry(to_fs_path(path), ec);
    if (ec || !entry.is_regular_file(ec)) return std::nullopt;
    const auto n = entry.file_size(ec);
    if (ec) return std::nullopt;
    return n;
}

bool DiskFileSystem::same_file(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::equivalent(to_fs_path(a), to_fs_path(b), ec) && !ec;
}

}  // namespace vis
