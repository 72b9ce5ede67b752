#include "win32/shape_view.h"

#include <algorithm>
#include <vector>

#include "ui/shape_outline.h"
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

RECT ShapeView::geometry_px() const {
    const RECT b = ControlView::geometry_px();
    const PixelRect r =
        outline_place(static_cast<const Shape&>(*control_), {b.left, b.top, b.right - b.left, b.bottom - b.top});
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

HRGN ShapeView::outline_region(int w, int h) const {
    const auto& shape = static_cast<const Shape&>(*control_);
    const int p = shape.border_width();
    if (shape.kind() != ControlKind::line) {
        HRGN outer = CreateRectRgn(0, 0, w, h);
        HRGN inner = CreateRectRgn(p, p, std::max(p, w - p), std::max(p, h - p));
        CombineRgn(outer, outer, inner, RGN_DIFF);
        DeleteObject(inner);
        return outer;
    }
    const int m = outline_margin(shape);
    const int right = w - 1 - m, bottom = h - 1 - m;
    return line_falls(shape) ? region_of(line_pixels(m, m, right, bottom, p))
                             : region_of(line_pixels(m, bottom, right, m, p));
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
