#include "catalogue/folder_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "catalogue/file_list.h"
#include "services/paths.h"

namespace vis {

// One status query per file gives its kind, length and time together: a large folder is read
// about as fast as the system lists it.
bool list_folder(const std::string& folder, const std::string& pattern, ListedFiles& out) {
    std::error_code ec;
    const std::filesystem::path dir = to_fs_path(folder);
    if (folder.empty() || !std::filesystem::is_directory(dir, ec)) return false;
    DIR* listing = opendir(dir.c_str());
    if (listing == nullptr) return false;
    const int fd = dirfd(listing);
    bool ok = true;
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(listing);
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
    closedir(listing);
    return ok;
}

bool read_listed_file(const std::string& folder, const std::string& name, ListedFile& file) {
    struct stat st {};
    if (stat(to_fs_path(join_path(folder, name)).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    file = {name, static_cast<std::uintmax_t>(st.st_size), save_time_of(st.st_mtime)};
    return true;
}

}  // namespace vis
