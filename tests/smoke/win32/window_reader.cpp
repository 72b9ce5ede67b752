// Reads the windows of a running program the way a screen reader would, through the system's
// messages, for the end-to-end run of the zip: one line per top-level window with a title,
//   window <visible 0|1> <minimised 0|1> <title>
// followed by one line per visible list box in it,
//   list <line count> <left> <top> <right> <bottom>   (screen pixels)
// Titles are written as UTF-8.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string utf8(const std::wstring& text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

std::wstring text_of(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

BOOL CALLBACK list_box(HWND child, LPARAM) {
    wchar_t kind[32] = {};
    GetClassNameW(child, kind, 32);
    if (lstrcmpiW(kind, L"ListBox") != 0 || !IsWindowVisible(child)) return TRUE;
    RECT r;
    GetWindowRect(child, &r);
    std::printf("list %ld %ld %ld %ld %ld\n", static_cast<long>(SendMessageW(child, LB_GETCOUNT, 0, 0)), r.left, r.top,
                r.right, r.bottom);
    return TRUE;
}

BOOL CALLBACK top_level(HWND window, LPARAM) {
    const std::wstring title = text_of(window);
    if (title.empty()) return TRUE;
    std::printf("window %d %d %s\n", IsWindowVisible(window) ? 1 : 0, IsIconic(window) ? 1 : 0, utf8(title).c_str());
    EnumChildWindows(window, list_box, 0);
    return TRUE;
}

}  // namespace

int main() {
    EnumWindows(top_level, 0);
    return 0;
}
