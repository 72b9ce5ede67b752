// Reads the windows of a running program the way a screen reader would, through the system's
// messages, for the end-to-end run of the zip: one line per top-level window with a title,
//   window <visible 0|1> <minimised 0|1> <title>
// followed by one line per visible list (list box or list-view) in it,
//   list <line count> <left> <top> <right> <bottom> <selected line or -1>   (screen pixels)
// and one per other visible control, where a player would click it,
//   control <checked 0|1> <left> <top> <right> <bottom> <text>
// Titles and texts are written as UTF-8.
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

BOOL CALLBACK control(HWND child, LPARAM) {
    if (!IsWindowVisible(child)) return TRUE;
    wchar_t kind[32] = {};
    GetClassNameW(child, kind, 32);
    const bool list_box = lstrcmpiW(kind, L"ListBox") == 0, list_view = lstrcmpiW(kind, WC_LISTVIEWW) == 0;
    RECT r;
    GetWindowRect(child, &r);
    if (list_box || list_view) {
        const LRESULT count = SendMessageW(child, list_box ? LB_GETCOUNT : LVM_GETITEMCOUNT, 0, 0);
        const LRESULT selected = list_box
                                     ? SendMessageW(child, LB_GETCURSEL, 0, 0)
                                     : SendMessageW(child, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
        std::printf("list %ld %ld %ld %ld %ld %ld\n", static_cast<long>(count), r.left, r.top, r.right, r.bottom,
                    static_cast<long>(selected));
        return TRUE;
    }
    const bool checked = lstrcmpiW(kind, L"Button") == 0 && SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED;
    std::printf("control %d %ld %ld %ld %ld %s\n", checked ? 1 : 0, r.left, r.top, r.right, r.bottom,
                utf8(text_of(child)).c_str());
    return TRUE;
}

BOOL CALLBACK top_level(HWND window, LPARAM) {
    const std::wstring title = text_of(window);
    if (title.empty()) return TRUE;
    std::printf("window %d %d %s\n", IsWindowVisible(window) ? 1 : 0, IsIconic(window) ? 1 : 0, utf8(title).c_str());
    EnumChildWindows(window, control, 0);
    return TRUE;
}

}  // namespace

int main() {
    EnumWindows(top_level, 0);
    return 0;
}
