#pragma once
// The pixels a straight line covers, as runs along its rows: a line window's region is exactly
// these pixels, so whatever lies beneath shows through everywhere else.
#include <vector>

namespace vis::win32 {

struct PixelRun {
    int x = 0;
    int y = 0;
    int width = 0;
    bool operator==(const PixelRun&) const = default;
};

// The line from (x0, y0) to (x1, y1), both ends included, `pen` pixels wide with round ends.
// A one-pixel line steps one pixel at a time; a wider one covers the pixels whose centres lie
// closer than half the pen to the line, one run per row.
std::vector<PixelRun> line_pixels(int x0, int y0, int x1, int y1, int pen);

}  // namespace vis::win32
