#include "services/ansi.h"

#include <windows.h>

#include "win32/wide.h"

namespace vis {

namespace {

// Characters the code page lacks become "?", never a look-alike ("é" as "e") that would name
// another file.
DWORD conversion_flags() {
    return GetACP() == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
}

}  // namespace

// The active code page: Shift_JIS (932) on a Japanese system, as the game's own files are.
std::string to_ansi(const std::string& utf8) {
    const std::wstring wide = win32::widen(utf8);
    if (wide.empty()) return {};
    const DWORD flags = conversion_flags();
    const int n =
        WideCharToMultiByte(CP_ACP, flags, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, flags, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

bool fits_ansi(std::string_view utf8) {
    if (GetACP() == CP_UTF8) return true;
    const std::wstring wide = win32::widen(utf8);
    if (wide.empty()) return utf8.empty();
    BOOL lost = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), nullptr,
                                      0, nullptr, &lost);
    return n > 0 && !lost;
}

std::string from_ansi(const std::string& bytes) {
    if (bytes.empty()) return {};
    const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (n <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), n);
    return win32::narrow(wide);
}

}  // namespace vis
