// Vistelle for Windows: the program folder is the executable's own, wherever it was unpacked.
#include <windows.h>

#include <string>

#include "app/win32_program.h"
#include "platform/win32/wide.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    const std::size_t slash = path.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"." : path.substr(0, slash);
    return vis::run_win32_program(vis::win32::narrow(folder), VISTELLE_UPDATE_SERVER);
}
