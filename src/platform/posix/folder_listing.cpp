#include "platform/folder_listing.h"

#include <chrono>
#include <filesystem>
#include <system_error>

#include "platform/file_list.h"
#include "platform/paths.h"

namespace vis {

namespace {

std::time_t to_time_t(std::filesystem::file_time_type t) {
    const auto sys = std::chrono::file_clock::to_sys(t);
    return std::chrono::system_clock::to_time_t(std::chrono::time_point_cast<std::chrono::seconds>(sys));
}

}  // namespace

bool list_folder(const std::string& folder, const std::string& pattern, std::vector<ListedFile>& files) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path dir = to_fs_path(folder);
    if (folder.empty() || !fs::is_directory(dir, ec)) return false;
    fs::directory_iterator it(dir, ec);
    if (ec) return false;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) return false;
        const std::string name = from_fs_path(it->path().filename());
        if (!wildcard_match(pattern, name)) continue;
        std::error_code fe;
        if (!it->is_regular_file(fe) || fe) continue;
        // A file that vanished since the folder was read is simply not listed.
        const auto size = it->file_size(fe);
        if (fe) continue;
        const auto when = it->last_write_time(fe);
        if (fe) continue;
        files.push_back({name, size, to_time_t(when)});
    }
    return true;
}

}  // namespace vis
