#pragma once
// Paths are plain UTF-8 strings composed with the system's own separator.
#include <filesystem>
#include <string>

namespace vis {

// The system's separator: "\\" on Windows, "/" elsewhere.
extern const char kSep;

// a + separator + b; a root folder ("/", "D:\") is not given a second separator.
std::string join_path(const std::string& a, const std::string& b);
// The path without its last separator and everything after it ("D:\shots\a.jpg" -> "D:\shots"),
// but a root folder keeps its separator ("/a.jpg" -> "/", "D:\a.jpg" -> "D:\").
std::string parent_folder(const std::string& path);

// The path the operating system knows for a path the program holds: unchanged on Windows; on
// Linux a Windows path is resolved through this process's Wine prefix.
std::string host_path(const std::string& path);

// The file the system knows for a path of the program (a Windows path under Wine, see host_path).
std::filesystem::path to_fs_path(const std::string& utf8);
std::string from_fs_path(const std::filesystem::path& p);

bool folder_exists(const std::string& path);
bool file_exists(const std::string& path);

}  // namespace vis
