#include "win32/cache_folder.h"

#include <shlobj.h>
#include <windows.h>

#include "services/paths.h"
#include "win32/wide.h"

namespace vis::win32 {

std::string user_cache_folder() {
    // The environment first, as the user (or a test) may have moved it; then the shell's own.
    std::wstring folder(MAX_PATH, L'\0');
    DWORD n = GetEnvironmentVariableW(L"LOCALAPPDATA", folder.data(), static_cast<DWORD>(folder.size()));
    if (n >= folder.size()) {
        folder.resize(n);
        n = GetEnvironmentVariableW(L"LOCALAPPDATA", folder.data(), static_cast<DWORD>(folder.size()));
    }
    if (n > 0 && n < folder.size()) {
        folder.resize(n);
    } else {
        folder.assign(MAX_PATH, L'\0');
        if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder.data())))
            return {};
        folder.resize(wcslen(folder.c_str()));
    }
    if (folder.empty()) return {};
    return join_path(narrow(folder), "Vistelle");
}

}  // namespace vis::win32
