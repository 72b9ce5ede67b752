#include "imaging/picture_scale.h"

#include <algorithm>
#include <cstdint>

namespace vis {

namespace {

// The source span [first, last) that target index i of n covers over a source of length m.
void span(int i, int n, int m, int& first, int& last) {
    first = static_cast<int>(static_cast<std::int64_t>(i) * m / n);
    last = std::max(first + 1, static_cast<int>(static_cast<std::int64_t>(i + 1) * m / n));
}

}  // namespace

ScaledCopy scale_by_area(const Picture& picture, int width, int height) {
    ScaledCopy out;
    if (picture.empty() || width <= 0 || height <= 0) return out;
    out.width = width;
    out.height = height;
    out.pixels.resize(static_cast<std::size_t>(width) * height);
    const std::vector<std::uint32_t>& src = *picture.pixels;
    // Every target row takes the same columns: their spans are worked out once, not per row.
    std::vector<int> x_first(static_cast<std::size_t>(width)), x_last(static_cast<std::size_t>(width));
    for (int tx = 0; tx < width; ++tx) span(tx, width, picture.width, x_first[tx], x_last[tx]);
    std::vector<std::uint64_t> sums(static_cast<std::size_t>(width) * 3);
    for (int ty = 0; ty < height; ++ty) {
        int y0 = 0, y1 = 0;
        span(ty, height, picture.height, y0, y1);
        std::fill(sums.begin(), sums.end(), 0);
        for (int sy = y0; sy < y1; ++sy) {
            const std::uint32_t* row = src.data() + static_cast<std::size_t>(sy) * picture.width;
            for (int tx = 0; tx < width; ++tx) {
                // One source row's span: at most 16,384 pixels of 255, well within 32 bits.
                std::uint32_t r = 0, g = 0, b = 0;
                for (int sx = x_first[tx]; sx < x_last[tx]; ++sx) {
                    r += row[sx] >> 16 & 0xFF;
                    g += row[sx] >> 8 & 0xFF;
                    b += row[sx] & 0xFF;
                }
                sums[tx * 3] += r;
                sums[tx * 3 + 1] += g;
                sums[tx * 3 + 2] += b;
            }
        }
        for (int tx = 0; tx < width; ++tx) {
            const std::uint64_t n =
                static_cast<std::uint64_t>(x_last[tx] - x_first[tx]) * static_cast<std::uint64_t>(y1 - y0);
            const auto avg = [&](int k) { return static_cast<std::uint32_t>((sums[tx * 3 + k] + n / 2) / n); };
            out.pixels[static_cast<std::size_t>(ty) * width + tx] = 0xFF000000u | avg(0) << 16 | avg(1) << 8 | avg(2);
        }
    }
    return out;
}

}  // namespace vis
