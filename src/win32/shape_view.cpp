#include "win32/shape_view.h"

#include <algorithm>
#include <vector>

#include "win32/line_pixels.h"
#include "win32/units.h"
#include "win32/window_classes.h"

namespace vis::win32 {

namespace {

HRGN region_of(const std::vector<PixelRun>& runs) {
    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(runs.size());
    header->nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
    RECT bounds{0, 0, 0, 0};
    auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const PixelRun& run = runs[i];
        rects[i] = {run.x, run.y, run.x + run.width, run.y + 1};
        UnionRect(&bounds, &bounds, &rects[i]);
    }
    header->rcBound = bounds;
    return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data()));
}

}  // namespace

ShapeView::ShapeView(FormWindow& window, Shape& shape) : ControlView(window, shape) {
    create(kPictureClass, 0);
}

int ShapeView::pen() const {
    return std::max(1, static_cast<const Shape&>(*control_).border_width());
}

RECT ShapeView::geometry_px() const {
    RECT r = ControlView::geometry_px();
    if (r.right < r.left) std::swap(r.left, r.right);
    if (r.bottom < r.top) std::swap(r.top, r.bottom);
    if (control_->kind() != ControlKind::line) return r;
    // One more pixel each way, so both ends are drawn, and room for a wide line's round ends.
    const int m = pen() / 2;
    return {r.left - m, r.top - m, r.right + 1 + m, r.bottom + 1 + m};
}

HRGN ShapeView::outline_region(int w, int h) const {
    const int p = pen();
    if (control_->kind() != ControlKind::line) {
        HRGN outer = CreateRectRgn(0, 0, w, h);
        HRGN inner = CreateRectRgn(p, p, std::max(p, w - p), std::max(p, h - p));
        CombineRgn(outer, outer, inner, RGN_DIFF);
        DeleteObject(inner);
        return outer;
    }
    const Rect& b = control_->bounds();
    // Both ends on the same diagonal of the box, or on the other one.
    const bool falling = (b.width >= 0) == (b.height >= 0);
    const int m = p / 2;
    const int right = w - 1 - m, bottom = h - 1 - m;
    return falling ? region_of(line_pixels(m, m, right, bottom, p)) : region_of(line_pixels(m, bottom, right, m, p));
}

void ShapeView::render() {
    colour_ = colour_ref(static_cast<const Shape&>(*control_).border_colour());
    const RECT r = geometry_px();
    SetWindowRgn(hwnd(), outline_region(r.right - r.left, r.bottom - r.top), TRUE);
    // Over the picture or frame it outlines, whichever of them was made first.
    SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

bool ShapeView::message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_NCHITTEST:
            result = HTTRANSPARENT;
            return true;
        case WM_ERASEBKGND:
            result = 1;
            return true;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd(), &ps);
            // The region leaves only the outline's pixels to paint.
            HBRUSH brush = CreateSolidBrush(colour_);
            FillRect(dc, &ps.rcPaint, brush);
            DeleteObject(brush);
            EndPaint(hwnd(), &ps);
            result = 0;
            return true;
        }
        default:
            return ControlView::message(msg, wp, lp, result);
    }
}

}  // namespace vis::win32
