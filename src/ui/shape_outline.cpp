#include "ui/shape_outline.h"

#include <cstdlib>

namespace vis {

int outline_margin(const Shape& shape) {
    return shape.kind() == ControlKind::line ? shape.border_width() / 2 : 0;
}

bool line_falls(const Shape& shape) {
    const Rect& b = shape.bounds();
    return (b.width >= 0) == (b.height >= 0);
}

PixelRect outline_place(const Shape& shape, const PixelRect& bounds) {
    PixelRect r{bounds.width < 0 ? bounds.left + bounds.width : bounds.left,
                bounds.height < 0 ? bounds.top + bounds.height : bounds.top, std::abs(bounds.width),
                std::abs(bounds.height)};
    if (shape.kind() != ControlKind::line) return r;
    const int m = outline_margin(shape);
    return {r.left - m, r.top - m, r.width + 1 + 2 * m, r.height + 1 + 2 * m};
}

}  // namespace vis
