#include "win32/line_pixels.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vis::win32 {

namespace {

void add_pixel(std::vector<PixelRun>& runs, int x, int y) {
    if (!runs.empty() && runs.back().y == y) {
        PixelRun& run = runs.back();
        if (x == run.x + run.width) {
            ++run.width;
            return;
        }
        if (x == run.x - 1) {
            --run.x;
            ++run.width;
            return;
        }
    }
    runs.push_back({x, y, 1});
}

std::vector<PixelRun> thin_line(int x0, int y0, int x1, int y1) {
    std::vector<PixelRun> runs;
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        add_pixel(runs, x0, y0);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    return runs;
}

// Squared distance from (px, py) to the segment (ax, ay)-(bx, by).
double distance2(double px, double py, double ax, double ay, double bx, double by) {
    const double vx = bx - ax, vy = by - ay;
    const double length2 = vx * vx + vy * vy;
    double t = length2 > 0 ? ((px - ax) * vx + (py - ay) * vy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = ax + t * vx - px, ey = ay + t * vy - py;
    return ex * ex + ey * ey;
}

}  // namespace

std::vector<PixelRun> line_pixels(int x0, int y0, int x1, int y1, int pen) {
    if (pen <= 1) return thin_line(x0, y0, x1, y1);
    // An even pen has no middle pixel: its line runs between pixel centres, half a pixel up and
    // left, so it covers exactly `pen` rows (or columns) across.
    const double shift = pen % 2 == 0 ? -0.5 : 0.0;
    const double ax = x0 + shift, ay = y0 + shift, bx = x1 + shift, by = y1 + shift;
    const double radius = pen / 2.0;
    const double limit = radius * radius;
    const int left = static_cast<int>(std::floor(std::min(ax, bx) - radius));
    const int right = static_cast<int>(std::ceil(std::max(ax, bx) + radius));
    const int top = static_cast<int>(std::floor(std::min(ay, by) - radius));
    const int bottom = static_cast<int>(std::ceil(std::max(ay, by) + radius));
    std::vector<PixelRun> runs;
    for (int y = top; y <= bottom; ++y) {
        // The round-ended line meets a row in one stretch: find its two ends.
        int first = left;
        while (first <= right && distance2(first, y, ax, ay, bx, by) >= limit) ++first;
        if (first > right) continue;
        int last = right;
        while (distance2(last, y, ax, ay, bx, by) >= limit) --last;
        runs.push_back({first, y, last - first + 1});
    }
    return runs;
}

}  // namespace vis::win32
