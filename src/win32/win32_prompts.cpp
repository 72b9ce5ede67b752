#include "win32/win32_prompts.h"

#include <windows.h>

#include <commdlg.h>
// The program's own MessageBox, not the system's macro of that name.
#undef MessageBox

#include <vector>

#include "ui/menu.h"
#include "win32/form_window.h"
#include "win32/menu_bar.h"
#include "win32/message_box_style.h"
#include "win32/wide.h"
#include "win32/win32_window_system.h"

namespace vis::win32 {

namespace {

// Under Wine a window covering its whole monitor has the pointer confined to it; a pop-up menu's
// own hold on the pointer ends that while leaving Wine's invisible input window over the screen,
// and the window gets no more clicks. Confining the pointer anew and freeing it makes Wine confine
// it properly again; elsewhere it keeps the pointer off the monitor's outermost pixels for a moment.
void regain_pointer_after_menu(HWND window) {
    RECT r;
    MONITORINFO monitor{sizeof(MONITORINFO), {}, {}, 0};
    if (!GetWindowRect(window, &r) || !GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const RECT& m = monitor.rcMonitor;
    if (r.left > m.left || r.top > m.top || r.right < m.right || r.bottom < m.bottom) return;
    RECT inner = m;
    InflateRect(&inner, -1, -1);
    ClipCursor(&inner);
    ClipCursor(nullptr);
}

}  // namespace

Win32Prompts::Win32Prompts(Win32WindowSystem& windows, std::string app_title)
    : windows_(windows), app_title_(std::move(app_title)) {}

MsgResult Win32Prompts::message_box(const MessageBox& box) {
    if (windows_.quitting()) return message_box_result(0, box.buttons);
    windows_.render();
    const std::wstring text = widen(box.text);
    const std::wstring title = widen(box.title.empty() ? app_title_ : box.title);
    const HWND owner = windows_.dialog_parent(box.owner);
    // With no window to own it, the box still holds the program's windows and stays in front.
    const unsigned unowned = owner == nullptr ? MB_TASKMODAL | MB_TOPMOST : 0;
    const int id = MessageBoxW(owner, text.c_str(), title.c_str(), message_box_style(box) | unowned);
    if (windows_.quitting()) return message_box_result(0, box.buttons);
    return message_box_result(id, box.buttons);
}

std::optional<std::string> Win32Prompts::file_dialog(const FileDialog& request, bool save) {
    if (windows_.quitting()) return std::nullopt;
    windows_.render();
    std::vector<wchar_t> name(32768, L'\0');
    const std::wstring initial_name = widen(request.file_name);
    std::copy(initial_name.begin(), initial_name.begin() + std::min<std::size_t>(initial_name.size(), 32767),
              name.begin());
    const std::wstring filter = file_filter(request.filter);
    const std::wstring title = widen(request.title);
    const std::wstring folder = widen(request.initial_folder);
    std::wstring extension = widen(request.default_extension);
    if (!extension.empty() && extension.front() == L'.') extension.erase(0, 1);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = windows_.dialog_parent(request.owner);
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    // The program asks its own overwrite question.
    dialog.Flags =
        OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | (save ? 0 : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen || windows_.quitting()) return std::nullopt;
    return narrow(name.data());
}

std::optional<std::string> Win32Prompts::save_file(const FileDialog& dialog) {
    return file_dialog(dialog, true);
}

std::optional<std::string> Win32Prompts::open_file(const FileDialog& dialog) {
    return file_dialog(dialog, false);
}

std::optional<Colour> Win32Prompts::choose_colour(Colour initial, const Form* owner) {
    if (windows_.quitting()) return std::nullopt;
    windows_.render();
    static COLORREF custom[16] = {};
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = windows_.dialog_parent(owner);
    dialog.rgbResult = initial & 0xFFFFFFu;
    dialog.lpCustColors = custom;
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&dialog) || windows_.quitting()) return std::nullopt;
    return static_cast<Colour>(dialog.rgbResult & 0xFFFFFFu);
}

void Win32Prompts::popup_menu(Menu& menu, Form& form, int x, int y) {
    if (windows_.quitting()) return;
    windows_.render();
    FormWindow* window = windows_.window_of(&form);
    if (window == nullptr) return;
    MenuTree tree;
    tree.build(menu.entries(), false);
    const POINT at = window->to_screen(x, y);
    const int command = static_cast<int>(
        TrackPopupMenu(tree.handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window->hwnd(), nullptr));
    regain_pointer_after_menu(window->hwnd());
    if (command == 0 || windows_.quitting()) return;
    if (Menu* entry = tree.entry_of(command); entry && entry->on_click) entry->on_click();
}

}  // namespace vis::win32
