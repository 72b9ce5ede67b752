// The Win32 side of the tests both systems run: native windows, input as the messages the system
// sends, and what screen readers read through the messages they send.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <utility>

#include "backend/backend_driver.h"
#include "ui/form.h"
#include "ui/keys.h"
#include "win32/control_view.h"
#include "win32/form_window.h"
#include "win32/wide.h"
#include "win32/win32_folder_watch.h"
#include "win32/win32_window_system.h"
#include "win32/wininet_http.h"

namespace vis::test {
namespace {

WPARAM held_keys(int shift) {
    return ((shift & shift::kShift) ? MK_SHIFT : 0) | ((shift & shift::kCtrl) ? MK_CONTROL : 0);
}

// Holds Shift and Ctrl as `shift` says in the thread's key state while it lives.
class HeldShift {
public:
    explicit HeldShift(int shift) {
        GetKeyboardState(before_);
        BYTE now[256];
        GetKeyboardState(now);
        now[VK_SHIFT] = (shift & shift::kShift) ? 0x80 : 0;
        now[VK_CONTROL] = (shift & shift::kCtrl) ? 0x80 : 0;
        SetKeyboardState(now);
    }
    ~HeldShift() { SetKeyboardState(before_); }
    HeldShift(const HeldShift&) = delete;
    HeldShift& operator=(const HeldShift&) = delete;

private:
    BYTE before_[256] = {};
};

class Win32BackendDriver : public BackendDriver {
public:
    WindowSystem& windows() override { return windows_; }
    std::unique_ptr<FolderWatch> folder_watch() override { return std::make_unique<Win32FolderWatch>(&windows_); }
    std::unique_ptr<Http> http() override { return std::make_unique<win32::WinInetHttp>(); }

    void press(const Control& c, ViewPoint at, int button, int shift) override {
        const bool right = button == button::kRight;
        const HWND h = hwnd(c);
        SendMessageW(h, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, (right ? MK_RBUTTON : MK_LBUTTON) | held_keys(shift),
                     MAKELPARAM(at.x, at.y));
        SendMessageW(h, right ? WM_RBUTTONUP : WM_LBUTTONUP, held_keys(shift), MAKELPARAM(at.x, at.y));
    }
    void double_click(const Control& c, ViewPoint at) override {
        press(c, at, button::kLeft, 0);
        SendMessageW(hwnd(c), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        SendMessageW(hwnd(c), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    }
    // Shift and Ctrl are keys of their own, pressed first and let go last, as on a keyboard.
    void key(const Control& c, int key_code, int shift) override {
        SetFocus(hwnd(c));
        const std::pair<int, WPARAM> modifiers[] = {{shift::kShift, VK_SHIFT}, {shift::kCtrl, VK_CONTROL}};
        int held = 0;
        for (const auto& [bit, vk] : modifiers) {
            if ((shift & bit) == 0) continue;
            const HeldShift holding(held);
            SendMessageW(hwnd(c), WM_KEYDOWN, vk, 0);
            held |= bit;
        }
        const HeldShift holding(held);
        SendMessageW(hwnd(c), WM_KEYDOWN, static_cast<WPARAM>(key_code), 0);
        SendMessageW(hwnd(c), WM_KEYUP, static_cast<WPARAM>(key_code), 0);
        for (const auto& [bit, vk] : modifiers)
            if (shift & bit) SendMessageW(hwnd(c), WM_KEYUP, vk, 0);
    }
    void page_down(const Control& c) override { SendMessageW(hwnd(c), WM_VSCROLL, SB_PAGEDOWN, 0); }
    // The native list takes no SB_TOP: the user pages up until the top. (A list-view tells its top
    // line; other windows answer its question with 0.)
    void scroll_to_top(const Control& c) override {
        const HWND h = hwnd(c);
        for (int page = 0; page < 10000 && (GetScrollPos(h, SB_VERT) > 0 || SendMessageW(h, LVM_GETTOPINDEX, 0, 0) > 0);
             ++page)
            SendMessageW(h, WM_VSCROLL, SB_PAGEUP, 0);
    }

    ViewPoint client_size(const Control& c) override {
        RECT client;
        GetClientRect(hwnd(c), &client);
        return {client.right, client.bottom};
    }
    std::uint32_t pixel(const Control& c, ViewPoint at) override {
        UpdateWindow(hwnd(c));
        const HDC dc = GetDC(hwnd(c));
        const COLORREF bgr = GetPixel(dc, at.x, at.y);
        ReleaseDC(hwnd(c), dc);
        return static_cast<std::uint32_t>(GetRValue(bgr)) << 16 | GetGValue(bgr) << 8 | GetBValue(bgr);
    }
    std::string spoken(const Control& c) override {
        wchar_t text[512] = {};
        GetWindowTextW(hwnd(c), text, 512);
        return win32::narrow(text);
    }
    int scroll_position(const Control& c) override { return GetScrollPos(hwnd(c), SB_VERT); }

    int shown_count(const ListBox& l) override {
        return static_cast<int>(SendMessageW(hwnd(l), LVM_GETITEMCOUNT, 0, 0));
    }
    // As a screen reader reads it: into its own buffer.
    std::string shown_line(const ListBox& l, int row) override {
        std::wstring buffer(512, L'#');
        LVITEMW item{};
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto length =
            SendMessageW(hwnd(l), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return win32::narrow(std::wstring(item.pszText, static_cast<std::size_t>(length)));
    }
    int shown_selection(const ListBox& l) override {
        const auto first = SendMessageW(hwnd(l), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
        if (first < 0) return -1;
        const auto second = SendMessageW(hwnd(l), LVM_GETNEXTITEM, static_cast<WPARAM>(first), LVNI_SELECTED);
        return second < 0 ? static_cast<int>(first) : -2;
    }
    bool line_in_view(const ListBox& l, int row) override {
        const RECT line = line_rect(l, row);
        RECT client;
        GetClientRect(hwnd(l), &client);
        return line.top >= client.top && line.bottom <= client.bottom && line.bottom > line.top;
    }
    ViewPoint middle_of_line(const ListBox& l, int row) override {
        const RECT line = line_rect(l, row);
        return {(line.left + line.right) / 2, (line.top + line.bottom) / 2};
    }

private:
    HWND hwnd(const Control& c) const { return windows_.window_of(&c.form())->view_of(c)->hwnd(); }
    RECT line_rect(const ListBox& l, int row) const {
        RECT r{};
        r.left = LVIR_BOUNDS;
        SendMessageW(hwnd(l), LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
        return r;
    }

    win32::Win32WindowSystem windows_{"."};
};

}  // namespace

std::unique_ptr<BackendDriver> make_backend_driver() {
    return std::make_unique<Win32BackendDriver>();
}

}  // namespace vis::test
