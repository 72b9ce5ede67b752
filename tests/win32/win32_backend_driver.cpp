// The Win32 side of the tests both systems run: native windows, input as the messages the system
// sends, and what screen readers read through the messages they send.
#include <windows.h>
#undef MessageBox

#include <commctrl.h>

#include <map>
#include <string>
#include <thread>
#include <utility>

#include "backend/backend_driver.h"
#include "core/app.h"
#include "support/temp_folder.h"
#include "ui/form.h"
#include "ui/keys.h"
#include "win32/control_view.h"
#include "win32/form_window.h"
#include "win32/gdi_text_metrics.h"
#include "win32/gdi_text_painter.h"
#include "win32/menu_bar.h"
#include "win32/mutex_instance_guard.h"
#include "win32/wide.h"
#include "win32/win32_clipboard.h"
#include "win32/win32_folder_watch.h"
#include "win32/win32_prompts.h"
#include "win32/win32_window_system.h"
#include "win32/wininet_http.h"

namespace vis::test {
namespace {

std::string text_of(HWND hwnd) {
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    return win32::narrow(text);
}

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

constexpr std::pair<MsgResult, int> kButtons[] = {
    {MsgResult::ok, IDOK}, {MsgResult::cancel, IDCANCEL}, {MsgResult::yes, IDYES}, {MsgResult::no, IDNO}};

int button_id(MsgResult answer) {
    for (const auto& [result, id] : kButtons)
        if (result == answer) return id;
    return IDCANCEL;
}

// The box's icon, told by the system's shared icon it shows (the static the system numbers 20, or
// stc1 under Wine).
MsgIcon icon_of(HWND box) {
    HWND shown = GetDlgItem(box, 20);
    if (shown == nullptr) shown = GetDlgItem(box, 0x440);
    const auto icon = shown != nullptr && IsWindowVisible(shown)
                          ? reinterpret_cast<HICON>(SendMessageW(shown, STM_GETICON, 0, 0))
                          : nullptr;
    const std::pair<MsgIcon, LPCWSTR> icons[] = {{MsgIcon::critical, IDI_ERROR},
                                                 {MsgIcon::question, IDI_QUESTION},
                                                 {MsgIcon::exclamation, IDI_WARNING},
                                                 {MsgIcon::information, IDI_INFORMATION}};
    for (const auto& [program, system] : icons)
        if (icon != nullptr && icon == LoadIconW(nullptr, system)) return program;
    return MsgIcon::none;
}

SeenBox read_box(HWND box) {
    SeenBox seen;
    wchar_t text[512] = {};
    GetWindowTextW(box, text, 512);
    seen.title = win32::narrow(text);
    // The text is the box's static control with the identifier 0xFFFF.
    GetDlgItemTextW(box, 0xFFFF, text, 512);
    for (const char c : win32::narrow(text))
        if (c != '\r') seen.text += c;
    seen.icon = icon_of(box);
    for (const auto& [result, id] : kButtons) {
        const HWND button = GetDlgItem(box, id);
        if (button == nullptr || !IsWindowVisible(button)) continue;
        ++seen.buttons;
        if (GetWindowLongW(button, GWL_STYLE) & BS_DEFPUSHBUTTON) seen.default_button = result;
    }
    return seen;
}

class Win32BackendDriver : public BackendDriver {
public:
    WindowSystem& windows() override { return windows_; }
    std::string program_folder() override { return windows_.program_folder(); }
    std::unique_ptr<FolderWatch> folder_watch() override { return std::make_unique<Win32FolderWatch>(&windows_); }
    std::unique_ptr<Http> http() override { return std::make_unique<win32::WinInetHttp>(); }
    std::unique_ptr<Prompts> prompts() override { return std::make_unique<win32::Win32Prompts>(windows_, kAppTitle); }
    std::unique_ptr<TextPainter> text_painter() override { return std::make_unique<win32::GdiTextPainter>(); }
    std::unique_ptr<TextMetrics> text_metrics() override { return std::make_unique<win32::GdiTextMetrics>(&windows_); }
    std::unique_ptr<Clipboard> clipboard() override { return std::make_unique<win32::Win32Clipboard>(); }
    // A bottom-up 32-bit DIB, as the programs that paste expect: a top-down one reads as none.
    Picture pasted_picture() override {
        Picture p;
        if (!OpenClipboard(nullptr)) return p;
        const HANDLE data = GetClipboardData(CF_DIB);
        const auto* header = data != nullptr ? static_cast<const BITMAPINFOHEADER*>(GlobalLock(data)) : nullptr;
        if (header != nullptr && header->biBitCount == 32 && header->biCompression == BI_RGB && header->biHeight > 0) {
            p.width = header->biWidth;
            p.height = header->biHeight;
            auto pixels = std::make_shared<std::vector<std::uint32_t>>();
            const auto* rows = reinterpret_cast<const std::uint32_t*>(header + 1);
            for (int y = 0; y < p.height; ++y)
                for (int x = 0; x < p.width; ++x)
                    pixels->push_back(0xFF000000u | rows[static_cast<std::size_t>(p.height - 1 - y) * p.width + x]);
            p.pixels = pixels;
        }
        if (header != nullptr) GlobalUnlock(data);
        CloseClipboard();
        return p;
    }
    std::unique_ptr<InstanceGuard> instance_guard(const std::string& program_folder) override {
        return std::make_unique<win32::MutexInstanceGuard>(program_folder);
    }
    // The user is another thread, as the box's own loop holds this one.
    SeenBox answer_box(MsgResult press, const std::function<void()>& ask) override {
        SeenBox seen;
        std::thread user([&seen, press] {
            for (int i = 0; i < 500; ++i, Sleep(10)) {
                const HWND box = FindWindowW(L"#32770", nullptr);
                if (box == nullptr) continue;
                seen = read_box(box);
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(button_id(press), BN_CLICKED), 0);
                return;
            }
        });
        ask();
        user.join();
        return seen;
    }

    void press_and_let_go(const Control& c, ViewPoint at, int button, int shift, ViewPoint let_go) override {
        const bool right = button == button::kRight;
        const HWND h = hwnd(c);
        if (!IsWindowEnabled(h)) return;  // the system sends a disabled window no mouse input
        SendMessageW(h, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, (right ? MK_RBUTTON : MK_LBUTTON) | held_keys(shift),
                     MAKELPARAM(at.x, at.y));
        SendMessageW(h, right ? WM_RBUTTONUP : WM_LBUTTONUP, held_keys(shift), MAKELPARAM(let_go.x, let_go.y));
    }
    void drag(const Control& c, ViewPoint from, ViewPoint to) override {
        const HWND h = hwnd(c);
        SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        POINT on_screen{to.x, to.y};
        ClientToScreen(h, &on_screen);
        const auto send = [&on_screen](UINT msg, WPARAM held) {
            const HWND target = GetCapture() != nullptr ? GetCapture() : WindowFromPoint(on_screen);
            POINT local = on_screen;
            ScreenToClient(target, &local);
            SendMessageW(target, msg, held, MAKELPARAM(local.x, local.y));
        };
        send(WM_MOUSEMOVE, MK_LBUTTON);
        send(WM_LBUTTONUP, 0);
    }
    void move(const Control& c, ViewPoint at) override {
        SendMessageW(hwnd(c), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
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

    // Characters as the keyboard's messages bring them, into the combo's own edit where it has one.
    void type(const Control& c, const std::string& text, int at) override {
        HWND edit = FindWindowExW(hwnd(c), nullptr, L"Edit", nullptr);
        if (edit == nullptr) edit = hwnd(c);
        SetFocus(edit);
        const auto caret = static_cast<WPARAM>(at < 0 ? GetWindowTextLengthW(edit) : at);
        SendMessageW(edit, EM_SETSEL, caret, static_cast<LPARAM>(caret));
        if (text == "\r") SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
        for (const wchar_t unit : win32::widen(text)) SendMessageW(edit, WM_CHAR, unit, 0);
        if (text == "\r") SendMessageW(edit, WM_KEYUP, VK_RETURN, 0);
    }
    void choose_item(const ComboBox& c, int index) override {
        const HWND combo = hwnd(c);
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
    }
    void step_right(const ScrollBar& b) override { scroll(b, SB_LINERIGHT, 0); }
    // While the system tracks a drag it tells where the box is; outside one, its position does.
    void drag_box(const ScrollBar& b, int value) override {
        SetScrollPos(hwnd(b), SB_CTL, value, FALSE);
        scroll(b, SB_THUMBTRACK, value);
        scroll(b, SB_THUMBPOSITION, value);
        scroll(b, SB_ENDSCROLL, 0);
    }

    // Posted, the key goes through the program's message loop, where accelerators are looked for.
    void shortcut_key(const Control& focused, int key_code, int shift) override {
        const HWND h = hwnd(focused);
        SetFocus(h);
        const HeldShift holding(shift);
        PostMessageW(h, WM_KEYDOWN, static_cast<WPARAM>(key_code), 0);
        windows_.do_events();
        PostMessageW(h, WM_KEYUP, static_cast<WPARAM>(key_code), 0);
        windows_.do_events();
    }
    // The command a click on the entry's item sends; an entry with no item now sends the command
    // its item had, as a click made just before the menu changed does.
    void choose_menu(const Form& f, const Menu& entry) override {
        const HWND h = windows_.window_of(&f)->hwnd();
        if (const UINT shown = command_of(GetMenu(h), win32::menu_text(entry)); shown != 0) commands_[&entry] = shown;
        if (commands_.count(&entry) == 0) return;
        SendMessageW(h, WM_COMMAND, MAKEWPARAM(commands_[&entry], 0), 0);
    }
    std::vector<std::string> shown_menus(const Form& f) override {
        std::vector<std::string> lines;
        shown_menus(GetMenu(windows_.window_of(&f)->hwnd()), "", lines);
        return lines;
    }

    void drag_frame_to(const Form& f, ViewPoint size) override {
        const HWND h = windows_.window_of(&f)->hwnd();
        RECT r{0, 0, size.x, size.y};
        AdjustWindowRectExForDpi(&r, static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE)), GetMenu(h) != nullptr, 0,
                                 GetDpiForWindow(h));
        SetWindowPos(h, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER);
    }
    void maximise(const Form& f, bool maximised) override {
        ShowWindow(windows_.window_of(&f)->hwnd(), maximised ? SW_MAXIMIZE : SW_RESTORE);
    }
    bool sizable_by_player(const Form& f) override {
        const auto style = GetWindowLongPtrW(windows_.window_of(&f)->hwnd(), GWL_STYLE);
        return (style & WS_THICKFRAME) && (style & WS_MAXIMIZEBOX);
    }

    void close_by_frame(const Form& f) override { SendMessageW(windows_.window_of(&f)->hwnd(), WM_CLOSE, 0, 0); }
    bool window_shown(const Form& f) override { return IsWindowVisible(windows_.window_of(&f)->hwnd()); }
    std::string window_title(const Form& f) override { return text_of(windows_.window_of(&f)->hwnd()); }
    ViewPoint window_client_size(const Form& f) override {
        RECT client;
        GetClientRect(windows_.window_of(&f)->hwnd(), &client);
        return {client.right, client.bottom};
    }
    std::string shown_text(const Control& c) override {
        std::string text;
        for (const char ch : text_of(hwnd(c)))
            if (ch != '\r') text += ch;
        return text;
    }
    Rect shown_place(const Control& c) override {
        RECT r;
        GetWindowRect(hwnd(c), &r);
        MapWindowPoints(HWND_DESKTOP, GetParent(hwnd(c)), reinterpret_cast<POINT*>(&r), 2);
        return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
    bool control_shown(const Control& c) override { return IsWindowVisible(hwnd(c)); }
    ShownControl shown_control(const Control& c) override {
        const HWND h = hwnd(c);
        ShownControl s;
        s.enabled = IsWindowEnabled(h);
        switch (c.kind()) {
            case ControlKind::check_box:
                s.checked = SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED;
                s.text = text_of(h);
                break;
            case ControlKind::text_box:
                s.read_only = (GetWindowLongW(h, GWL_STYLE) & ES_READONLY) != 0;
                s.text = text_of(h);
                break;
            case ControlKind::combo_box:
                for (int i = 0; i < SendMessageW(h, CB_GETCOUNT, 0, 0); ++i) {
                    wchar_t item[256] = {};
                    SendMessageW(h, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
                    s.items.push_back(win32::narrow(item));
                }
                s.text = text_of(h);
                break;
            case ControlKind::progress_bar:
                s.value = static_cast<int>(SendMessageW(h, PBM_GETPOS, 0, 0));
                s.min = static_cast<int>(SendMessageW(h, PBM_GETRANGE, TRUE, 0));
                s.max = static_cast<int>(SendMessageW(h, PBM_GETRANGE, FALSE, 0));
                break;
            case ControlKind::scroll_bar: {
                SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_POS, 0, 0, 0, 0, 0};
                GetScrollInfo(h, SB_CTL, &info);
                s.value = info.nPos;
                s.min = info.nMin;
                s.max = info.nMax;
                break;
            }
            case ControlKind::frame:  // the caption is its group box's
                s.text = text_of(FindWindowExW(h, nullptr, L"BUTTON", nullptr));
                break;
            default:
                s.text = text_of(h);
        }
        return s;
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
    std::string spoken(const Control& c) override { return text_of(hwnd(c)); }
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
    static void shown_menus(HMENU menu, const std::string& indent, std::vector<std::string>& lines) {
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[256] = {};
            MENUITEMINFOW item{};
            item.cbSize = sizeof item;
            item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
            item.dwTypeData = text;
            item.cch = 256;
            GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item);
            std::string line = indent + ((item.fType & MFT_SEPARATOR) ? "-" : win32::narrow(text));
            if (item.fState & MFS_CHECKED) line += " ✓";
            if ((item.fState & MFS_GRAYED) && !(item.fType & MFT_SEPARATOR)) line += " (grey)";
            lines.push_back(line);
            if (item.hSubMenu != nullptr) shown_menus(item.hSubMenu, indent + "  ", lines);
        }
    }
    static UINT command_of(HMENU menu, const std::wstring& text) {
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            if (HMENU sub = GetSubMenu(menu, i); sub != nullptr) {
                if (const UINT found = command_of(sub, text); found != 0) return found;
                continue;
            }
            wchar_t shown[256] = {};
            GetMenuStringW(menu, static_cast<UINT>(i), shown, 256, MF_BYPOSITION);
            if (text == shown) return GetMenuItemID(menu, i);
        }
        return 0;
    }
    void scroll(const ScrollBar& b, int code, int value) {
        SendMessageW(GetParent(hwnd(b)), WM_HSCROLL, MAKEWPARAM(code, value), reinterpret_cast<LPARAM>(hwnd(b)));
    }
    RECT line_rect(const ListBox& l, int row) const {
        RECT r{};
        r.left = LVIR_BOUNDS;
        SendMessageW(hwnd(l), LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
        return r;
    }

    TempFolder folder_;
    win32::Win32WindowSystem windows_{folder_.path()};
    std::map<const Menu*, UINT> commands_;
};

}  // namespace

std::unique_ptr<BackendDriver> make_backend_driver() {
    return std::make_unique<Win32BackendDriver>();
}

}  // namespace vis::test
