#include "win32/image_view.h"

#include <windowsx.h>

#include "ui/form.h"
#include "win32/dib_info.h"
#include "win32/form_window.h"
#include "win32/units.h"
#include "win32/win32_window_system.h"
#include "win32/window_classes.h"

namespace vis::win32 {

ImageView::ImageView(FormWindow& window, ImageBox& image) : ControlView(window, image) {
    create(kPictureClass, WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
    set_clicks_from_mouse(true);
    set_capture_while_pressed(image.kind() == ControlKind::picture_box);
}

ImageView::~ImageView() {
    if (pointer_ == nullptr) return;
    if (GetCursor() == pointer_) SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    DestroyCursor(pointer_);
}

void ImageView::render() {
    auto& box = static_cast<ImageBox&>(*control_);
    if (box.kind() == ControlKind::picture_box) apply_pointer(static_cast<const PictureBox&>(box).mouse_icon());
    const ShownPicture::Update update = shown_.take(box);
    if (!update.whole) {
        if (update.changed.empty()) return;
        RECT client;
        GetClientRect(hwnd(), &client);
        const Picture& picture = shown_.picture();
        const PixelRect a = repaint_area(update.changed, picture.width, picture.height, box.stretch(), client.right,
                                         client.bottom, 1.0);
        const RECT area{a.left, a.top, a.left + a.width, a.top + a.height};
        InvalidateRect(hwnd(), &area, FALSE);
        return;
    }
    if (update.icon_changed) icon_.load(system_.program_folder(), box.resource());
    InvalidateRect(hwnd(), nullptr, TRUE);
}

// The hot spot is the icon's bottom-right pixel: the tools draw about one icon up and left of it,
// at the icon's top-left corner, where the icons put their tips. With no icon, the arrow.
void ImageView::apply_pointer(const Icon& icon) {
    if (icon == shown_pointer_) return;
    shown_pointer_ = icon;
    if (pointer_ != nullptr) {
        if (GetCursor() == pointer_) SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        DestroyCursor(pointer_);
    }
    DataIcon picture;
    picture.load(system_.program_folder(), icon.resource);
    pointer_ = picture.make_pointer(picture.width() - 1, picture.height() - 1);
}

RECT ImageView::geometry_px() const {
    RECT r = ControlView::geometry_px();
    const auto& box = static_cast<const ImageBox&>(*control_);
    // At natural size the window takes the picture's (or the icon's) size in device pixels.
    const Picture& shown = shown_.picture();
    if (!box.stretch() && !shown.empty()) {
        r.right = r.left + shown.width;
        r.bottom = r.top + shown.height;
    } else if (!box.stretch() && shown.empty() && !icon_.empty()) {
        r.right = r.left + icon_.width();
        r.bottom = r.top + icon_.height();
    }
    return r;
}

void ImageView::paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    const auto* box = static_cast<const ImageBox*>(control_);
    const bool stretch = box != nullptr && box->stretch();
    const Picture& shown = shown_.picture();
    if (shown.empty()) {
        // The box's colour, else the form's, shows around and through the icon.
        Colour back = control_ != nullptr ? control_->back_colour() : kDefaultColour;
        if (back == kDefaultColour && window_.form() != nullptr) back = window_.form()->back_colour();
        HBRUSH brush = back != kDefaultColour ? CreateSolidBrush(colour_ref(back)) : nullptr;
        FillRect(dc, &client, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
        if (brush != nullptr) DeleteObject(brush);
        icon_.draw(dc, stretch ? client : RECT{0, 0, icon_.width(), icon_.height()});
        return;
    }
    // A copy scaled ahead for exactly this size is shown as it is.
    const ScaledCopy* scaled = shown.scaled.get();
    const bool use_scaled =
        stretch && scaled != nullptr && scaled->width == client.right && scaled->height == client.bottom;
    const int width = use_scaled ? scaled->width : shown.width;
    const int height = use_scaled ? scaled->height : shown.height;
    const void* bits = use_scaled ? static_cast<const void*>(scaled->pixels.data()) : shown.pixels->data();
    BITMAPINFO info = top_down_32bit(width, height);
    const int dest_w = stretch ? client.right : width;
    const int dest_h = stretch ? client.bottom : height;
    SetStretchBltMode(dc, stretch && !use_scaled ? HALFTONE : COLORONCOLOR);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchDIBits(dc, 0, 0, dest_w, dest_h, 0, 0, width, height, bits, &info, DIB_RGB_COLORS, SRCCOPY);
}

bool ImageView::message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd(), &ps);
            paint(dc);
            EndPaint(hwnd(), &ps);
            result = 0;
            return true;
        }
        case WM_ERASEBKGND:
            result = 1;
            return true;
        case WM_NCHITTEST:
            // The pointer goes on to the label there, beneath this window yet drawn over it.
            if (!window_.pointer_label_over(hwnd(), POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)})) break;
            result = HTTRANSPARENT;
            return true;
        case WM_SETCURSOR:
            if (pointer_ == nullptr || LOWORD(lp) != HTCLIENT) break;
            SetCursor(pointer_);
            result = TRUE;
            return true;
        default:
            break;
    }
    return ControlView::message(msg, wp, lp, result);
}

}  // namespace vis::win32
