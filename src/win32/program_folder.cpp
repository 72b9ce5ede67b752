#include "win32/program_folder.h"

#include <windows.h>

#include "services/paths.h"
#include "win32/wide.h"

namespace vis::win32 {

std::string program_folder() {
    // The path may be longer than MAX_PATH: grow the buffer until it fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        if (path.size() >= 32768) return {};
        path.resize(path.size() * 2);
    }
    std::string folder = parent_folder(narrow(path));
    // A long path comes back with its "\\?\" prefix; stored and shown paths are written without it.
    if (folder.rfind("\\\\?\\", 0) == 0) folder.erase(0, 4);
    return folder;
}

}  // namespace vis::win32
