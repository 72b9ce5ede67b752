#pragma once
// Where a shape's view lies and which way a line runs, the same on every system. A line's ends are
// the corners of its bounds, whose width and height may be negative (right to left, bottom to top).
#include "ui/control.h"
#include "ui/picture.h"

namespace vis {

// Room around a line's ends for a wide pen's round ends, in pixels; none around a rectangle.
int outline_margin(const Shape& shape);
// A line from the top-left to the bottom-right corner of its place, else from the bottom-left to
// the top-right.
bool line_falls(const Shape& shape);
// The view's place for a shape whose bounds are `bounds` pixels: turned the right way round and,
// for a line, one pixel more each way so that both ends are drawn, with the margin around it.
PixelRect outline_place(const Shape& shape, const PixelRect& bounds);

}  // namespace vis
