#include "win32/win32_window_system.h"

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>

#include "ui/form.h"
#include "win32/form_window.h"
#include "win32/window_classes.h"

namespace vis::win32 {

Win32WindowSystem::Win32WindowSystem(std::string program_folder) : program_folder_(std::move(program_folder)) {
    // The windows' thread is a single-threaded COM apartment: the imaging component decodes the
    // program's icons through COM, and the system's dialogs expect it.
    com_initialised_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                  ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    register_window_classes();
}

Win32WindowSystem::~Win32WindowSystem() {
    for (auto& w : windows_) w->detach();
    windows_.clear();
    retired_.clear();
    if (com_initialised_) CoUninitialize();
}

void Win32WindowSystem::add_form(Form& f) {
    windows_.push_back(std::make_unique<FormWindow>(*this, f));
}

void Win32WindowSystem::remove_form(Form& f) {
    const auto it = std::find_if(windows_.begin(), windows_.end(), [&](const auto& w) { return w->form() == &f; });
    if (it == windows_.end()) return;
    (*it)->detach();
    (*it)->hide();
    // The window may be handling the very message that closed its form: destroyed later.
    retired_.push_back(std::move(*it));
    windows_.erase(it);
}

ScreenInfo Win32WindowSystem::screen() const {
    ScreenInfo info;
    // The program is aware of each monitor's scale, so pixels here are the device's own, at the
    // DPI of the monitor the player works on: the one under the program's current window.
    const FormWindow* current = current_window();
    const UINT system_dpi = GetDpiForSystem();
    const double per_pixel =
        current != nullptr ? current->twips_per_pixel() : 1440.0 / (system_dpi > 0 ? system_dpi : 96);
    info.twips_per_pixel_x = per_pixel;
    info.twips_per_pixel_y = per_pixel;
    MONITORINFO monitor{sizeof(MONITORINFO), {}, {}, 0};
    GetMonitorInfoW(current_monitor(), &monitor);
    info.width_twips = static_cast<int>((monitor.rcMonitor.right - monitor.rcMonitor.left) * per_pixel + 0.5);
    info.height_twips = static_cast<int>((monitor.rcMonitor.bottom - monitor.rcMonitor.top) * per_pixel + 0.5);
    info.device_pixel_ratio = 1.0;
    return info;
}

const FormWindow* Win32WindowSystem::current_window() const {
    if (const FormWindow* active = window_of(GetActiveWindow()); active != nullptr && IsWindowVisible(active->hwnd()))
        return active;
    for (const auto& w : windows_)
        if (IsWindowVisible(w->hwnd()) && !IsIconic(w->hwnd())) return w.get();
    return nullptr;
}

HMONITOR Win32WindowSystem::current_monitor() const {
    const FormWindow* current = current_window();
    return MonitorFromWindow(current != nullptr ? current->hwnd() : nullptr, MONITOR_DEFAULTTOPRIMARY);
}

std::vector<RECT> Win32WindowSystem::shown_window_rects() const {
    std::vector<RECT> taken;
    for (const auto& w : windows_) {
        RECT r;
        if (IsWindowVisible(w->hwnd()) && !IsIconic(w->hwnd()) && GetWindowRect(w->hwnd(), &r)) taken.push_back(r);
    }
    return taken;
}

void Win32WindowSystem::caption_changed(Form& f) {
    if (quitting_) return;
    if (FormWindow* w = window_of(&f)) w->show_caption();
}

void Win32WindowSystem::do_events() {
    if (quitting_) return;
    render();
    pump(false);
}

void Win32WindowSystem::quit() {
    if (quitting_) return;
    quitting_ = true;
    for (auto& w : windows_) {
        w->detach();
        w->hide();
    }
    // Leaves every running message loop, nested ones (dialogs, waits) included.
    PostQuitMessage(0);
}

void Win32WindowSystem::dispatch(const std::function<void()>& handler) {
    if (quitting_) return;
    handler();
    render();
}

void Win32WindowSystem::render() {
    if (quitting_ || rendering_) return;
    rendering_ = true;
    for (std::size_t i = 0; i < windows_.size(); ++i) windows_[i]->sync();
    rendering_ = false;
}

int Win32WindowSystem::run() {
    if (quitting_) return 0;
    render();
    pump(true);
    return 0;
}

void Win32WindowSystem::pump(bool wait) {
    MSG msg;
    while (!quitting_) {
        if (wait) {
            if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
        } else if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            break;
        } else if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (pre_translate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        if (wait) retired_.clear();
    }
}

bool Win32WindowSystem::pre_translate(MSG& msg) {
    if (msg.hwnd == nullptr) return false;
    const HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    FormWindow* w = window_of(root);
    if (w == nullptr) return false;
    if (HACCEL keys = w->accelerators(); keys != nullptr && TranslateAcceleratorW(root, keys, &msg)) return true;
    // Tab moves between the controls; every other key goes to the control that has the focus.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && msg.hwnd != root) return IsDialogMessageW(root, &msg);
    return false;
}

FormWindow* Win32WindowSystem::window_of(const Form* f) const {
    for (const auto& w : windows_)
        if (w->form() == f) return w.get();
    return nullptr;
}

FormWindow* Win32WindowSystem::window_of(HWND top_level) const {
    for (const auto& w : windows_)
        if (w->hwnd() == top_level) return w.get();
    return nullptr;
}

HWND Win32WindowSystem::dialog_parent(const Form* owner) const {
    // A window manager hides a dialog together with its minimised owner, and the program would
    // wait for an answer nobody can see: only a window on the screen owns one.
    const auto on_screen = [](HWND w) { return IsWindowVisible(w) && !IsIconic(w); };
    if (FormWindow* w = window_of(owner); w && on_screen(w->hwnd())) return w->hwnd();
    for (const auto& w : windows_)
        if (w->form() && w->form()->topmost() && on_screen(w->hwnd())) return w->hwnd();
    if (const HWND active = GetActiveWindow(); window_of(active) && on_screen(active)) return active;
    for (const auto& w : windows_)
        if (w->form() && on_screen(w->hwnd())) return w->hwnd();
    return nullptr;
}

}  // namespace vis::win32
