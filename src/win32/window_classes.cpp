#include "win32/window_classes.h"

#include "win32/form_window.h"

namespace vis::win32 {

LRESULT CALLBACK child_host_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_HSCROLL:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            return SendMessageW(GetAncestor(hwnd, GA_ROOT), msg, wp, lp);
        default:
            return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

void register_window_classes() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW form{};
    form.cbSize = sizeof(form);
    form.style = CS_DBLCLKS;
    form.lpfnWndProc = FormWindow::window_proc;
    form.hInstance = instance;
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    form.lpszClassName = kFormClass;
    RegisterClassExW(&form);

    WNDCLASSEXW host{};
    host.cbSize = sizeof(host);
    host.style = CS_DBLCLKS;
    host.lpfnWndProc = child_host_proc;
    host.hInstance = instance;
    host.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    host.lpszClassName = kPictureClass;
    RegisterClassExW(&host);
    host.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    host.lpszClassName = kPanelClass;
    RegisterClassExW(&host);
}

}  // namespace vis::win32
