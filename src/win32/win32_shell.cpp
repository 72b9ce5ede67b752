#include "win32/win32_shell.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "win32/wide.h"

namespace vis::win32 {

bool Win32Shell::open(const std::string& target, const std::string& working_folder) {
    if (target.empty()) return false;
    const std::wstring file = widen(target), folder = widen(working_folder);
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(
        nullptr, L"open", file.c_str(), nullptr, folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL));
    // Values above 32 mean the program was started.
    return result > 32;
}

}  // namespace vis::win32
