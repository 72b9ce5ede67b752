#include "services/paths.h"

#include <system_error>

namespace vis {

std::string join_path(const std::string& a, const std::string& b) {
    std::string r = a;
    // A root folder ("/", "D:\") already ends with its separator.
    if (!a.ends_with(kSep)) r += kSep;
    r += b;
    return r;
}

std::string parent_folder(const std::string& path) {
    const auto pos = path.find_last_of(kSep);
    if (pos == std::string::npos) return {};
    // A name in a root folder keeps the separator: the parent of "/a" is "/", of "D:\a" "D:\".
    const bool in_root = pos == 0 || (pos == 2 && path[1] == ':');
    return path.substr(0, in_root ? pos + 1 : pos);
}

std::filesystem::path to_fs_path(const std::string& utf8) {
    const std::string host = host_path(utf8);
    return std::filesystem::path(std::u8string(host.begin(), host.end()));
}

std::string from_fs_path(const std::filesystem::path& p) {
    const std::u8string s = p.u8string();
    return std::string(s.begin(), s.end());
}

bool folder_exists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_directory(to_fs_path(path), ec);
}

bool file_exists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(to_fs_path(path), ec);
}

}  // namespace vis
