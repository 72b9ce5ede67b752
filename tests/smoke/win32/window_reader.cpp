// Reads the windows of a running program the way a screen reader would, through the system's
// messages, for the end-to-end run of the zip: one line per top-level window with a title,
//   window <visible 0|1> <minimised 0|1> <title>
// followed by one line per visible list (list box or list-view) in it,
//   list <line count> <left> <top> <right> <bottom>   (screen pixels)
// Titles are written as UTF-8.
#include <windows.h>

#include <commctrl.h>

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

BOOL CALLBACK list(HWND child, LPARAM) {
    wchar_t kind[32] = {};
    GetClassNameW(child, kind, 32);
    const bool list_box = lstrcmpiW(kind, L"ListBox") == 0, list_view = lstrcmpiW(kind, WC_LISTVIEWW) == 0;
    if (!(list_box || list_view) || !IsWindowVisible(child)) return TRUE;
    RECT r;
    GetWindowRect(child, &r);
    const LRESULT count = SendMessageW(child, list_box ? LB_GETCOUNT : LVM_GETITEMCOUNT, 0, 0);
    std::printf("list %ld %ld %ld %ld %ld\n", static_cast<long>(count), r.left, r.top, r.right, r.bottom);
    return TRUE;
}

BOOL CALLBACK top_level(HWND window, LPARAM) {
    const std::wstring title = text_of(window);
    if (title.empty()) return TRUE;
    std::printf("window %d %d %s\n", IsWindowVisible(window) ? 1 : 0, IsIconic(window) ? 1 : 0, utf8(title).c_str());
    EnumChildWindows(window, list, 0);
    return TRUE;
}

}  // namespace

int main() {
    EnumWindows(top_level, 0);
    return 0;
}
