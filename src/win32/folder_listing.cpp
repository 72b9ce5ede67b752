#include "catalogue/folder_listing.h"

#include <windows.h>

#include "catalogue/file_list.h"
#include "services/paths.h"
#include "win32/file_time.h"
#include "win32/wide.h"

namespace vis {

// The system matches the pattern without regard to letter case; the names it finds through their
// short 8.3 forms alone ("*.jpg" finding "a.jpeg") are dropped by matching the long name again.
bool list_folder(const std::string& folder, const std::string& pattern, ListedFiles& files) {
    if (folder.empty()) return false;
    const std::wstring where = win32::long_path(folder);
    const DWORD attributes = GetFileAttributesW(where.c_str());
    if (where.empty() || attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileExW((where + L"\\" + win32::widen(pattern)).c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        std::string name = win32::narrow(found.cFileName);
        if (!wildcard_match(pattern, name)) continue;
        const std::uintmax_t size = (static_cast<std::uintmax_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        files.push_back({std::move(name), size, save_time_of(win32::to_time_t(found.ftLastWriteTime))});
    } while (FindNextFileW(search, &found));
    const bool complete = GetLastError() == ERROR_NO_MORE_FILES;
    FindClose(search);
    return complete;
}

bool read_listed_file(const std::string& folder, const std::string& name, ListedFile& file) {
    const std::wstring path = win32::long_path(join_path(folder, name));
    WIN32_FILE_ATTRIBUTE_DATA found{};
    if (path.empty() || !GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &found) ||
        (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    const std::uintmax_t size = (static_cast<std::uintmax_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    file = {name, size, save_time_of(win32::to_time_t(found.ftLastWriteTime))};
    return true;
}

}  // namespace vis
