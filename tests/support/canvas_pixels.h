#pragma once
// Reading a canvas back, as the tests look at what was drawn.
#include <cstdint>

#include "editor/canvas.h"

namespace vis::test {

// The colour (the program's value) of the pixel that holds a point given in the canvas's units;
// -1 off the canvas.
inline std::int32_t colour_at(const Canvas& canvas, double x, double y) {
    const Picture picture = canvas.live();
    const double px = canvas.to_px(x), py = canvas.to_px(y);
    if (picture.empty() || px < 0 || py < 0 || px >= picture.width || py >= picture.height) return -1;
    const std::uint32_t p = picture.pixel(static_cast<int>(px), static_cast<int>(py));
    return static_cast<std::int32_t>(rgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
}

}  // namespace vis::test
