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
    : window_(window),
      system_(window.system()),
      control_(&control),
      pointer_(
          control_, [this](const std::function<void(Control&)>& handler) { forward(handler); },
          // The system's measure: a box around the press, the drag metrics wide and high.
          [](int dx, int dy) {
              return std::abs(dx) > GetSystemMetrics(SM_CXDRAG) / 2 || std::abs(dy) > GetSystemMetrics(SM_CYDRAG) / 2;
          }) {}

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
    if (control_ == nullptr || !rendered_.moved_on(control_->revision())) return;
    render();
    if (hwnd_ == nullptr || control_ == nullptr) return;
    const RECT r = geometry_px();
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    EnableWindow(hwnd_, control_->enabled());
    apply_font();
    ShowWindow(hwnd_, control_->visible() ? SW_SHOWNA : SW_HIDE);
}

void ControlView::rescale() {
    rendered_.forget();
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
    return pointer_.key_down(code, shift);
}

bool ControlView::mouse(UINT msg, WPARAM wp, LPARAM lp) {
    const double per_pixel = pointer_twips_per_pixel();
    const int px = static_cast<short>(LOWORD(lp)), py = static_cast<short>(HIWORD(lp));
    const int shift = ((wp & MK_SHIFT) ? 1 : 0) | ((wp & MK_CONTROL) ? 2 : 0) | (GetKeyState(VK_MENU) < 0 ? 4 : 0);
    PointerEvent pointer{0, shift, px_to_twips(px, per_pixel), px_to_twips(py, per_pixel)};
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP || msg == WM_LBUTTONDBLCLK) pointer.button = 1;
    if (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP) pointer.button = 2;
    if (msg == WM_MBUTTONDOWN || msg == WM_MBUTTONUP) pointer.button = 4;
    const ViewPoint at{px, py};
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (capture_while_pressed_ || drag_capture(pointer.button)) SetCapture(hwnd_);
            return pointer_.press(pointer, at).consumed;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            RECT client;
            GetClientRect(hwnd_, &client);
            if ((capture_while_pressed_ || control_->on_drag_file) && GetCapture() == hwnd_ &&
                (wp & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0)
                ReleaseCapture();
            return pointer_.release(pointer, PtInRect(&client, POINT{px, py}) != FALSE).consumed;
        }
        case WM_LBUTTONDBLCLK:
            pointer_.double_click(pointer.button);
            return false;
        default: {
            pointer.button = ((wp & MK_LBUTTON) ? 1 : 0) | ((wp & MK_RBUTTON) ? 2 : 0) | ((wp & MK_MBUTTON) ? 4 : 0);
            const PointerAnswer answer = pointer_.move(pointer, at);
            if (!answer.drag_file.empty()) {
                // The list box's own tracking of the held button ends here.
                if (GetCapture() == hwnd_) ReleaseCapture();
                drag_file_out(answer.drag_file);
            }
            return answer.consumed;
        }
    }
}

bool ControlView::drag_capture(int button) const {
    // A native list may have handled the whole press, and let go of the pointer, before this
    // sees it: only a button still down is held for a drag.
    return button == 1 && control_->on_drag_file && GetKeyState(VK_LBUTTON) < 0;
}

LRESULT CALLBACK ControlView::subclass_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
    auto* view = reinterpret_cast<ControlView*>(self);
    LRESULT result = 0;
    if (view->control_ != nullptr && view->message(msg, wp, lp, result)) return result;
    return DefSubclassProc(hwnd, msg, wp, lp);
}

PlainView::PlainView(FormWindow& window, Control& control) : ControlView(window, control) {}

}  // namespace vis::win32
