#include "win32/control_view.h"

#include <commctrl.h>

#include <cstdlib>

#include "ui/form.h"
#include "win32/file_drag.h"
#include "win32/form_window.h"
#include "win32/gdi_font.h"
#include "win32/units.h"
#include "win32/wide.h"
#include "win32/win32_window_system.h"
#include "win32/window_classes.h"

namespace vis::win32 {

ControlView::ControlView(FormWindow& window, Control& control)
    : window_(window), system_(window.system()), control_(&control) {}

ControlView::~ControlView() {
    if (hwnd_ != nullptr) {
        RemoveWindowSubclass(hwnd_, subclass_proc, 1);
        DestroyWindow(hwnd_);
    }
    if (font_ != nullptr) DeleteObject(font_);
    if (back_brush_ != nullptr) DeleteObject(back_brush_);
}

void ControlView::create(const wchar_t* window_class, DWORD style, DWORD ex_style, const std::wstring& text) {
    static int next_id = 100;
    hwnd_ = CreateWindowExW(ex_style, window_class, text.c_str(), style | WS_CHILD, 0, 0, 0, 0,
                            window_.parent_for(*control_), reinterpret_cast<HMENU>(static_cast<INT_PTR>(next_id++)),
                            GetModuleHandleW(nullptr), nullptr);
    if (hwnd_ == nullptr) return;
    SetWindowSubclass(hwnd_, subclass_proc, 1, reinterpret_cast<DWORD_PTR>(this));
    // Screen readers name a control by its window text; hand-drawn ones have their name there.
    if (text.empty()) SetWindowTextW(hwnd_, widen(control_->name()).c_str());
}

namespace {

// A picture shown at its own size: one image pixel on one device pixel, whatever the window's DPI.
bool at_natural_size(const Control* c) {
    return c != nullptr && (c->kind() == ControlKind::image || c->kind() == ControlKind::picture_box) &&
           !static_cast<const ImageBox*>(c)->stretch();
}

}  // namespace

double ControlView::twips_per_pixel() const {
    // Over a picture at its own size the program counts in the picture's pixels, measured in twips
    // at the screen's scale: there a device pixel is always one of them.
    if (control_ != nullptr && at_natural_size(control_->container())) return window_.natural_twips_per_pixel();
    return window_.twips_per_pixel();
}

double ControlView::pointer_twips_per_pixel() const {
    return at_natural_size(control_) ? window_.natural_twips_per_pixel() : twips_per_pixel();
}

void ControlView::sync() {
    if (control_ == nullptr || control_->revision() == rendered_revision_) return;
    rendered_revision_ = control_->revision();
    render();
    if (hwnd_ == nullptr || control_ == nullptr) return;
    const RECT r = geometry_px();
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    EnableWindow(hwnd_, control_->enabled());
    apply_font();
    ShowWindow(hwnd_, control_->visible() ? SW_SHOWNA : SW_HIDE);
}

void ControlView::rescale() {
    rendered_revision_ = 0;
    font_applied_ = false;
    sync();
}

void ControlView::apply_font() {
    if (font_applied_ && applied_font_ == control_->font()) return;
    font_applied_ = true;
    applied_font_ = control_->font();
    const Font& f = applied_font_;
    const int dpi = static_cast<int>(1440.0 / twips_per_pixel() + 0.5);
    HFONT font = create_font(f, MulDiv(static_cast<int>(f.size_pt * 100 + 0.5), dpi, 7200), CLEARTYPE_QUALITY);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (font_ != nullptr) DeleteObject(font_);
    font_ = font;
}

RECT ControlView::geometry_px() const {
    const double per_pixel = twips_per_pixel();
    const Rect& b = control_->bounds();
    const int left = twips_to_px(b.left, per_pixel), top = twips_to_px(b.top, per_pixel);
    return {left, top, left + twips_to_px(b.width, per_pixel), top + twips_to_px(b.height, per_pixel)};
}

HBRUSH ControlView::colours(HDC dc) {
    if (control_ == nullptr) return nullptr;
    if (control_->fore_colour() != kDefaultColour) SetTextColor(dc, colour_ref(control_->fore_colour()));
    if (see_through()) {
        SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    const Colour back = control_->back_colour();
    if (back == kDefaultColour) {
        SetBkMode(dc, TRANSPARENT);
        return control_->fore_colour() != kDefaultColour ? GetSysColorBrush(COLOR_BTNFACE) : nullptr;
    }
    if (back_brush_ == nullptr || brush_colour_ != back) {
        if (back_brush_ != nullptr) DeleteObject(back_brush_);
        back_brush_ = CreateSolidBrush(colour_ref(back));
        brush_colour_ = back;
    }
    SetBkColor(dc, colour_ref(back));
    return back_brush_;
}

void ControlView::forward(const std::function<void(Control&)>& handler) {
    if (control_ == nullptr) return;
    system_.dispatch([this, &handler] {
        if (control_ != nullptr) handler(*control_);
    });
}

bool ControlView::message(UINT msg, WPARAM wp, LPARAM lp, LRESULT&) {
    switch (msg) {
        case WM_KEYDOWN:
            return key(wp);
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_MOUSEMOVE:
            return mouse(msg, wp, lp);
        default:
            return false;
    }
}

bool ControlView::key(WPARAM wp) {
    const int code = static_cast<int>(wp);
    const int shift = held_shift();
    if (window_.route_form_key(code, shift)) return true;
    if (control_ != nullptr && control_->on_key_down)
        forward([code, shift](Control& c) {
            if (c.on_key_down) c.on_key_down(code, shift);
        });
    // The control's ordinary key behaviour follows, unless the handler took the control away.
    return control_ == nullptr;
}

bool ControlView::mouse(UINT msg, WPARAM wp, LPARAM lp) {
    const double per_pixel = pointer_twips_per_pixel();
    const int px = static_cast<short>(LOWORD(lp)), py = static_cast<short>(HIWORD(lp));
    const int x = px_to_twips(px, per_pixel), y = px_to_twips(py, per_pixel);
    const int shift = ((wp & MK_SHIFT) ? 1 : 0) | ((wp & MK_CONTROL) ? 2 : 0) | (GetKeyState(VK_MENU) < 0 ? 4 : 0);
    int button = 0;
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP || msg == WM_LBUTTONDBLCLK) button = 1;
    if (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP) button = 2;
    if (msg == WM_MBUTTONDOWN || msg == WM_MBUTTONUP) button = 4;
    const bool right = button == 2;
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (button == 1) {
                left_pressed_ = true;
                press_at_ = {px, py};
            }
            if (capture_while_pressed_ || drag_capture(button)) SetCapture(hwnd_);
            if (control_->on_mouse_down)
                forward([=](Control& c) {
                    if (c.on_mouse_down) c.on_mouse_down(button, shift, x, y);
                });
            return right && right_press_consumed_;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            RECT client;
            GetClientRect(hwnd_, &client);
            const POINT p{px, py};
            const bool click = clicks_from_mouse_ && button == 1 && left_pressed_ && PtInRect(&client, p);
            if (button == 1) left_pressed_ = false;
            if ((capture_while_pressed_ || control_->on_drag_file) && GetCapture() == hwnd_ &&
                (wp & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0)
                ReleaseCapture();
            if (control_->on_mouse_up)
                forward([=](Control& c) {
                    if (c.on_mouse_up) c.on_mouse_up(button, shift, x, y);
                });
            if (click && control_ && control_->on_click)
                forward([](Control& c) {
                    if (c.on_click) c.on_click();
                });
            return right && right_press_consumed_;
        }
        case WM_LBUTTONDBLCLK:
            left_pressed_ = false;
            if (control_->on_dbl_click)
                forward([](Control& c) {
                    if (c.on_dbl_click) c.on_dbl_click();
                });
            return false;
        default: {
            const int held = ((wp & MK_LBUTTON) ? 1 : 0) | ((wp & MK_RBUTTON) ? 2 : 0) | ((wp & MK_MBUTTON) ? 4 : 0);
            if (control_->on_mouse_move)
                forward([=](Control& c) {
                    if (c.on_mouse_move) c.on_mouse_move(held, shift, x, y);
                });
            return control_ != nullptr && drag_move(wp, {px, py});
        }
    }
}

bool ControlView::drag_capture(int button) const {
    // A native list may have handled the whole press, and let go of the pointer, before this
    // sees it: only a button still down is held for a drag.
    return button == 1 && control_->on_drag_file && GetKeyState(VK_LBUTTON) < 0;
}

bool ControlView::drag_move(WPARAM wp, POINT at) {
    if (!left_pressed_ || (wp & MK_LBUTTON) == 0 || !control_->on_drag_file) return false;
    // Short of the system's drag distance the press stays a click (or half of a double-click).
    if (std::abs(at.x - press_at_.x) <= GetSystemMetrics(SM_CXDRAG) / 2 &&
        std::abs(at.y - press_at_.y) <= GetSystemMetrics(SM_CYDRAG) / 2)
        return true;
    // The drag takes the release: no click follows it.
    left_pressed_ = false;
    std::string path;
    forward([&path](Control& c) {
        if (c.on_drag_file) path = c.on_drag_file();
    });
    // A file that went is reported by the program; nothing empty is ever dragged.
    if (path.empty()) return true;
    // The list box's own tracking of the held button ends here.
    if (GetCapture() == hwnd_) ReleaseCapture();
    drag_file_out(path);
    return true;
}

LRESULT CALLBACK ControlView::subclass_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
    auto* view = reinterpret_cast<ControlView*>(self);
    LRESULT result = 0;
    if (view->control_ != nullptr && view->message(msg, wp, lp, result)) return result;
    return DefSubclassProc(hwnd, msg, wp, lp);
}

PlainView::PlainView(FormWindow& window, Control& control) : ControlView(window, control) {}

}  // namespace vis::win32
