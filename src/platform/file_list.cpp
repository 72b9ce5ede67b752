#include "file_list.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <system_error>
#include <utility>

#ifndef _WIN32
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#endif

#include "paths.h"

namespace vis {

namespace {

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool match_from(const std::string& p, std::size_t pi, const std::string& s, std::size_t si) {
    // Iterative matching with one backtrack point for the latest "*".
    std::size_t star = std::string::npos, star_s = 0;
    while (si < s.size()) {
        if (pi < p.size() && (p[pi] == '?' || lower(p[pi]) == lower(s[si]))) {
            ++pi;
            ++si;
        } else if (pi < p.size() && p[pi] == '*') {
            star = pi++;
            star_s = si;
        } else if (star != std::string::npos) {
            pi = star + 1;
            si = ++star_s;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == '*') ++pi;
    return pi == p.size();
}

#ifdef _WIN32
std::time_t to_time_t(std::filesystem::file_time_type t) {
    const auto sys = std::chrono::file_clock::to_sys(t);
    return std::chrono::system_clock::to_time_t(std::chrono::time_point_cast<std::chrono::seconds>(sys));
}
#endif

}  // namespace

bool wildcard_match(const std::string& pattern, const std::string& name) {
    return match_from(pattern, 0, name, 0);
}

FileList::FileList(Form& owner, std::string name, std::string pattern)
    : Control(owner, std::move(name), ControlKind::file_list),
      pattern_(std::move(pattern)),
      files_(std::make_shared<const ListedFiles>()) {
    set_visible(false);
}

bool FileList::bind(const std::string& folder) {
    folder_ = folder;
    return refresh();
}

bool FileList::refresh() {
    const bool ok = read_folder();
    touch();
    return ok;
}

namespace {

#ifdef _WIN32
bool scan(const std::filesystem::path& dir, const std::string& pattern, ListedFiles& out) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::directory_iterator it(dir, ec);
    if (ec) return false;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) return false;
        std::string name = from_fs_path(it->path().filename());
        if (!wildcard_match(pattern, name)) continue;
        std::error_code fe;
        if (!it->is_regular_file(fe) || fe) continue;
        // A file that vanished since the folder was read is simply not listed.
        const auto size = it->file_size(fe);
        if (fe) continue;
        const auto when = it->last_write_time(fe);
        if (fe) continue;
        out.push_back({std::move(name), size, save_time_of(to_time_t(when))});
    }
    return true;
}
#else
// One status query per file gives its kind, length and time together: a large folder is read
// about as fast as the system lists it.
bool scan(const std::filesystem::path& dir, const std::string& pattern, ListedFiles& out) {
    DIR* folder = opendir(dir.c_str());
    if (folder == nullptr) return false;
    const int fd = dirfd(folder);
    bool ok = true;
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(folder);
        if (entry == nullptr) {
            ok = errno == 0;
            break;
        }
        std::string name = entry->d_name;
        if (!wildcard_match(pattern, name)) continue;
        struct stat st {};
        // A file that vanished since the folder was read is simply not listed.
        if (fstatat(fd, entry->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode)) continue;
        out.push_back({std::move(name), static_cast<std::uintmax_t>(st.st_size), save_time_of(st.st_mtime)});
    }
    closedir(folder);
    return ok;
}
#endif

}  // namespace

bool FileList::read_folder() {
    namespace fs = std::filesystem;
    const std::shared_ptr<const ListedFiles> previous = std::exchange(files_, std::make_shared<const ListedFiles>());
    total_ = 0;
    std::error_code ec;
    const fs::path dir = to_fs_path(folder_);
    if (folder_.empty() || !fs::is_directory(dir, ec)) return false;
    auto files = std::make_shared<ListedFiles>();
    if (!scan(dir, pattern_, *files)) return false;
    files->shrink_to_fit();
    for (const ListedFile& f : *files) total_ += f.size;
    // The lists that show the last reading keep sharing it while nothing changed.
    if (*previous == *files)
        files_ = previous;
    else
        files_ = std::move(files);
    return true;
}

}  // namespace vis
