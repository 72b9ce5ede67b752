#include "win32/form_window.h"

#include <algorithm>

#include "services/start_marks.h"
#include "ui/form_keys.h"
#include "ui/view_roster.h"
#include "ui/window_presence.h"
#include "win32/control_view.h"
#include "win32/free_place.h"
#include "win32/units.h"
#include "win32/wide.h"
#include "win32/win32_window_system.h"
#include "win32/window_classes.h"

namespace vis::win32 {

namespace {

DWORD style_for(const Form& f) {
    const DWORD framed = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    switch (f.border_style()) {
        case BorderStyle::none:
            return WS_POPUP | WS_CLIPCHILDREN;
        case BorderStyle::fixed_single:
            return framed | (f.min_button() ? WS_MINIMIZEBOX : 0);
        case BorderStyle::fixed_dialog:
            return framed;
        case BorderStyle::sizable:
            break;
    }
    return framed | WS_THICKFRAME | WS_MAXIMIZEBOX | (f.min_button() ? WS_MINIMIZEBOX : 0);
}

}  // namespace

FormWindow::FormWindow(Win32WindowSystem& system, Form& form) : system_(system), form_(&form) {
    natural_per_pixel_ = system.screen().twips_per_pixel_x;
}

// The window is made when the form is first rendered, not with the form: at start-up the main
// window's form loads the settings and starts reading the screenshot folder first, and under
// Wine the first window of a process takes tens of milliseconds to make.
void FormWindow::create() {
    applied_style_ = style_for(*form_);
    hwnd_ = CreateWindowExW(0, kFormClass, widen(form_->caption()).c_str(), applied_style_, CW_USEDEFAULT,
                            CW_USEDEFAULT, 100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (const UINT dpi = hwnd_ != nullptr ? GetDpiForWindow(hwnd_) : 0; dpi > 0) dpi_ = dpi;
}

FormWindow::~FormWindow() {
    views_.clear();
    if (hwnd_ != nullptr) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    if (back_brush_ != nullptr) DeleteObject(back_brush_);
}

void FormWindow::detach() {
    form_ = nullptr;
    for (auto& v : views_) v->detach();
}

void FormWindow::hide() {
    if (hwnd_ != nullptr) ShowWindow(hwnd_, SW_HIDE);
}

void FormWindow::sync() {
    if (form_ == nullptr) return;
    if (hwnd_ == nullptr) create();
    if (hwnd_ == nullptr) return;
    if (form_->visible() && !IsWindowVisible(hwnd_)) {
        // Read before the window shows, as the program read the screen when it laid the form out.
        const double per_pixel = system_.screen().twips_per_pixel_x;
        if (per_pixel != natural_per_pixel_) {
            natural_per_pixel_ = per_pixel;
            for (auto& v : views_) v->rescale();
        }
    }
    sync_controls();
    if (form_->menu_bar().size() > 0 || GetMenu(hwnd_) != nullptr) {
        if (menus_.sync(hwnd_, form_->menu_bar())) applied_size_ = {};
    }
    sync_window();
    sync_focus(*form_);
}

void FormWindow::sync_controls() {
    follow_controls(
        views_, form_->controls(), [this](Control& c) { return make_control_view(*this, c); },
        [](const std::unique_ptr<ControlView>& v) { v->detach(); });
}

void FormWindow::show_caption() {
    if (form_ != nullptr) SetWindowTextW(hwnd_, widen(form_->caption()).c_str());
}

void FormWindow::sync_window() {
    const Form& f = *form_;
    if (!rendered_.moved_on(f.revision())) return;
    show_caption();
    apply_style(f);
    apply_back_colour(f);
    apply_size(f);
    apply_visibility(f);
}

void FormWindow::apply_style(const Form& f) {
    const DWORD style = style_for(f);
    const bool restyled = style != applied_style_;
    if (restyled) {
        applied_style_ = style;
        const LONG_PTR visible = GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE;
        SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(style) | visible);
        applied_size_ = {};
    }
    // The frame is worked out again only for a new style, and the stacking order touched only
    // for a change of topmost: a caption change (the start-up step's) costs no layout.
    const bool restacked = f.topmost() != applied_topmost_;
    applied_topmost_ = f.topmost();
    if (!restyled && !restacked) return;
    SetWindowPos(
        hwnd_, f.topmost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
        SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | (restyled ? SWP_FRAMECHANGED : 0) | (restacked ? 0 : SWP_NOZORDER));
}

void FormWindow::apply_back_colour(const Form& f) {
    if (back_applied_ && f.back_colour() == applied_back_) return;
    back_applied_ = true;
    applied_back_ = f.back_colour();
    if (back_brush_ != nullptr) DeleteObject(back_brush_);
    back_brush_ = f.back_colour() != kDefaultColour ? CreateSolidBrush(colour_ref(f.back_colour())) : nullptr;
    // The controls too: a see-through label is not clipped away, so the form paints over its text.
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

SIZE FormWindow::frame_size(int width, int height) const {
    RECT r{0, 0, width, height};
    // The frame is measured at the DPI the system draws it with.
    AdjustWindowRectExForDpi(&r, applied_style_, GetMenu(hwnd_) != nullptr, 0, GetDpiForWindow(hwnd_));
    return {r.right - r.left, r.bottom - r.top};
}

void FormWindow::apply_size(const Form& f) {
    // A window the player maximised keeps the system's size.
    if (f.window_state() != WindowState::normal || IsZoomed(hwnd_)) return;
    const double per_pixel = twips_per_pixel();
    const SIZE size = frame_size(twips_to_px(f.client_width(), per_pixel), twips_to_px(f.client_height(), per_pixel));
    if (size.cx == applied_size_.cx && size.cy == applied_size_.cy) return;
    applied_size_ = size;
    SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::report_size(int width, int height) {
    // Only the player's sizes: the window takes its form's own size (applied_size_) when shown.
    Form* f = form_;
    if (rescaling_ || !IsWindowVisible(hwnd_) || f->border_style() != BorderStyle::sizable ||
        f->window_state() != WindowState::normal)
        return;
    const SIZE size = frame_size(width, height);
    if (size.cx == applied_size_.cx && size.cy == applied_size_.cy) return;
    applied_size_ = size;
    const double per_pixel = twips_per_pixel();
    system_.dispatch(
        [f, w = px_to_twips(width, per_pixel), h = px_to_twips(height, per_pixel)] { f->client_resized(w, h); });
}

void FormWindow::limit_size(MINMAXINFO& limits) const {
    if (form_->border_style() != BorderStyle::sizable) return;
    const double per_pixel = twips_per_pixel();
    const SIZE least = frame_size(twips_to_px(form_->min_client_width(), per_pixel),
                                  twips_to_px(form_->min_client_height(), per_pixel));
    limits.ptMinTrackSize.x = std::max<LONG>(limits.ptMinTrackSize.x, least.cx);
    limits.ptMinTrackSize.y = std::max<LONG>(limits.ptMinTrackSize.y, least.cy);
}

void FormWindow::apply_visibility(const Form& f) {
    if (!f.visible()) {
        if (IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_HIDE);
        return;
    }
    const bool showing = !IsWindowVisible(hwnd_);
    const bool first_show = presence_.first_showing(showing);
    if (first_show) {
        // On the monitor the player works on, as a window manager places a new window.
        RECT r;
        GetWindowRect(hwnd_, &r);
        MONITORINFO monitor{sizeof(MONITORINFO), {}, {}, 0};
        GetMonitorInfoW(system_.current_monitor(), &monitor);
        const POINT place = free_place({r.right - r.left, r.bottom - r.top}, monitor.rcWork,
                                       f.centred() ? std::vector<RECT>{} : system_.shown_window_rects());
        SetWindowPos(hwnd_, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (const std::optional<WindowState> state = presence_.state_due(f, showing)) {
        if (covers_screen(f)) {
            MONITORINFO monitor{sizeof(MONITORINFO), {}, {}, 0};
            GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
            const RECT& m = monitor.rcMonitor;
            SetWindowPos(hwnd_, nullptr, m.left, m.top, m.right - m.left, m.bottom - m.top, SWP_NOZORDER);
            ShowWindow(hwnd_, SW_SHOW);
        } else {
            const int command = *state == WindowState::minimised   ? SW_SHOWMINIMIZED
                                : *state == WindowState::maximised ? SW_SHOWMAXIMIZED
                                                                   : SW_SHOWNORMAL;
            ShowWindow(hwnd_, command);
        }
        // Painted now rather than when the loop next waits: a long step may follow at once (the
        // splash, then the listing of the screenshots), and the window would stay blank meanwhile.
        if (showing) {
            RedrawWindow(hwnd_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            system_.window_shown();
        }
        if (first_show) start_mark(f.name() + " shown");
    }
    if (presence_.raise_due(f)) {
        BringWindowToTop(hwnd_);
        SetForegroundWindow(hwnd_);
    }
}

void FormWindow::sync_focus(const Form& f) {
    if (!focused_.moved_on(f.focus_serial())) return;
    if (f.focus() == nullptr) return;
    if (const ControlView* v = view_of(*f.focus()); v && v->hwnd()) {
        last_focus_ = v->hwnd();
        SetFocus(v->hwnd());
    }
}

void FormWindow::remember_focus() {
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(hwnd_, focus)) last_focus_ = focus;
}

void FormWindow::restore_focus() {
    const auto can_take = [this](HWND w) {
        return w != nullptr && IsChild(hwnd_, w) && IsWindowVisible(w) && IsWindowEnabled(w);
    };
    HWND target = can_take(last_focus_) ? last_focus_ : nullptr;
    if (target == nullptr) {
        // Else the first tab stop; with none, the window itself takes the keys.
        const HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
        if (can_take(first) && (GetWindowLongPtrW(first, GWL_STYLE) & WS_TABSTOP) != 0) target = first;
    }
    if (target != nullptr) SetFocus(target);
}

void FormWindow::rescale(UINT dpi, const RECT& suggested) {
    if (dpi > 0) dpi_ = dpi;
    // Containers come before the controls they hold, as when they were made.
    for (std::size_t i = 0; i < views_.size(); ++i) views_[i]->rescale();
    // The system's rectangle puts the window on its new monitor; the form's size in twips then
    // gives the client area at the new DPI.
    // That rectangle is no size of the player's, so the form is not told of it.
    rescaling_ = true;
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    rescaling_ = false;
    applied_size_ = {};
    apply_size(*form_);
}

ControlView* FormWindow::view_of(const Control& c) const {
    for (const auto& v : views_)
        if (v->control() == &c) return v.get();
    return nullptr;
}

ControlView* FormWindow::view_of(HWND child) const {
    if (child == nullptr) return nullptr;
    for (const auto& v : views_)
        if (v->hwnd() == child) return v.get();
    return nullptr;
}

HWND FormWindow::parent_for(const Control& c) const {
    if (const Control* container = c.container())
        if (const ControlView* holder = view_of(*container); holder && holder->hwnd()) return holder->hwnd();
    return hwnd_;
}

bool FormWindow::pointer_label_over(HWND beneath, POINT screen) const {
    for (const auto& v : views_) {
        const Control* c = v->control();
        if (c == nullptr || c->kind() != ControlKind::label || v->hwnd() == nullptr) continue;
        if (!(c->on_click || c->on_dbl_click || c->on_mouse_down || c->on_mouse_up || c->on_mouse_move)) continue;
        RECT r;
        if (GetParent(v->hwnd()) == GetParent(beneath) && IsWindowVisible(v->hwnd()) && GetWindowRect(v->hwnd(), &r) &&
            PtInRect(&r, screen))
            return true;
    }
    return false;
}

POINT FormWindow::to_screen(int x_twips, int y_twips) const {
    const double per_pixel = twips_per_pixel();
    POINT p{twips_to_px(x_twips, per_pixel), twips_to_px(y_twips, per_pixel)};
    ClientToScreen(hwnd_, &p);
    return p;
}

bool FormWindow::route_form_key(int code, int shift) {
    return offer_key_to_form(form_, code, shift,
                             [this](const std::function<void()>& handler) { system_.dispatch(handler); });
}

LRESULT CALLBACK FormWindow::window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr || self->form_ == nullptr) {
        // The program decides whether a window closes, even while it ends.
        if (msg == WM_CLOSE) return 0;
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    return self->handle(msg, wp, lp);
}

LRESULT FormWindow::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CLOSE: {
            // The program decides: it hides the form, ends the program, or refuses.
            Form* f = form_;
            system_.dispatch([f] { f->request_close(); });
            return 0;
        }
        case WM_COMMAND: {
            if (lp == 0) {
                if (Menu* entry = menus_.entry_of(LOWORD(wp)))
                    system_.dispatch([entry] {
                        if (entry->on_click) entry->on_click();
                    });
                return 0;
            }
            if (ControlView* v = view_of(reinterpret_cast<HWND>(lp))) v->command(HIWORD(wp));
            return 0;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            if (ControlView* v = view_of(item.hwndItem); v && v->draw_item(item)) return TRUE;
            break;
        }
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lp);
            LRESULT result = 0;
            if (ControlView* v = view_of(header.hwndFrom); v && v->notify(header, result)) return result;
            break;
        }
        case WM_HSCROLL:
            if (ControlView* v = view_of(reinterpret_cast<HWND>(lp))) v->scroll(LOWORD(wp));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            if (ControlView* v = view_of(reinterpret_cast<HWND>(lp)))
                if (HBRUSH brush = v->colours(reinterpret_cast<HDC>(wp))) return reinterpret_cast<LRESULT>(brush);
            break;
        case WM_ERASEBKGND:
            if (back_brush_ != nullptr) {
                RECT r;
                GetClientRect(hwnd_, &r);
                FillRect(reinterpret_cast<HDC>(wp), &r, back_brush_);
                return 1;
            }
            {
                RECT r;
                GetClientRect(hwnd_, &r);
                FillRect(reinterpret_cast<HDC>(wp), &r, GetSysColorBrush(COLOR_BTNFACE));
                return 1;
            }
        case WM_KEYDOWN:
            if (route_form_key(static_cast<int>(wp), held_shift())) return 0;
            break;
        case WM_ACTIVATE:
            if (LOWORD(wp) == WA_INACTIVE) remember_focus();
            break;
        case WM_SETFOCUS:
            restore_focus();
            return 0;
        case WM_SIZE:
            if (wp != SIZE_MINIMIZED) report_size(LOWORD(lp), HIWORD(lp));
            break;
        case WM_GETMINMAXINFO:
            limit_size(*reinterpret_cast<MINMAXINFO*>(lp));
            return 0;
        case WM_DPICHANGED:
            rescale(LOWORD(wp), *reinterpret_cast<const RECT*>(lp));
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace vis::win32
