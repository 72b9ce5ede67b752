#include "posix/wine_path.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "services/paths.h"

namespace vis {

namespace fs = std::filesystem;

namespace {

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool same_ignoring_case(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

bool is_separator(char c) {
    return c == '\\' || c == '/';
}

bool is_windows_path(const std::string& path) {
    return path.size() >= 2 && lower(path[0]) >= 'a' && lower(path[0]) <= 'z' && path[1] == ':' &&
           (path.size() == 2 || is_separator(path[2]));
}

// Plain conversion: to_fs_path itself resolves, and this is what it resolves with.
fs::path raw(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// The components after "X:", with "." dropped and ".." taking one back, as Windows reads them.
std::vector<std::string> components(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t i = 2;
    while (i < path.size()) {
        while (i < path.size() && is_separator(path[i])) ++i;
        std::size_t end = i;
        while (end < path.size() && !is_separator(path[end])) ++end;
        const std::string part = path.substr(i, end - i);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        i = end;
    }
    return parts;
}

// The folder a drive letter stands for: where its dosdevices link points.
fs::path drive_root(const fs::path& prefix, char letter) {
    const fs::path device = prefix / "dosdevices" / std::string{lower(letter), ':'};
    std::error_code ec;
    const fs::path target = fs::read_symlink(device, ec);
    if (ec) return device;
    return target.is_absolute() ? target : (device.parent_path() / target).lexically_normal();
}

// The entry of `folder` named `name`: the exact name first, else the first of the names that
// differ only in case (in name order, so the choice does not depend on the directory's order).
std::optional<fs::path> find_entry(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    const fs::path exact = folder / raw(name);
    if (fs::exists(fs::symlink_status(exact, ec))) return exact;
    std::optional<std::string> best;
    fs::directory_iterator it(folder, ec);
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        const std::string entry = from_fs_path(it->path().filename());
        if (same_ignoring_case(entry, name) && (!best || entry < *best)) best = entry;
    }
    if (!best) return std::nullopt;
    return folder / raw(*best);
}

std::optional<std::string> process_env(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

}  // namespace

std::string wine_prefix(const EnvLookup& env) {
    const auto prefix = env("WINEPREFIX");
    if (prefix && !prefix->empty()) return *prefix;
    const auto home = env("HOME");
    if (home && !home->empty()) return from_fs_path(raw(*home) / ".wine");
    return {};
}

std::string resolve_in_prefix(const std::string& path, const std::string& prefix) {
    if (prefix.empty() || !is_windows_path(path)) return path;
    const std::vector<std::string> parts = components(path);
    fs::path at = drive_root(raw(prefix), path[0]);
    std::size_t i = 0;
    for (; i < parts.size(); ++i) {
        const auto next = find_entry(at, parts[i]);
        if (!next) break;
        at = *next;
    }
    for (; i < parts.size(); ++i) at /= raw(parts[i]);
    return from_fs_path(at);
}

std::string host_path(const std::string& path) {
    if (!is_windows_path(path)) return path;
    return resolve_in_prefix(path, wine_prefix(process_env));
}

}  // namespace vis
