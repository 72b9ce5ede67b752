#include "ui/text_painter.h"

#include <algorithm>

namespace vis {

namespace {

std::uint32_t* row_of(const PixelSurface& surface, const PixelRect& box, int row) {
    return surface.pixels + static_cast<std::size_t>(box.top + row) * static_cast<std::size_t>(surface.width) +
           box.left;
}

}  // namespace

PixelRect text_reach(const PixelSurface& surface, int x, int y, int width, int height) {
    const int margin = std::max(height, 1);
    const int left = std::max(x - margin, 0), top = std::max(y - margin, 0);
    const int right = std::min(x + width + margin, surface.width);
    const int bottom = std::min(y + height + margin, surface.height);
    if (surface.pixels == nullptr || left >= right || top >= bottom) return {};
    return {left, top, right - left, bottom - top};
}

std::vector<std::uint32_t> copy_out(const PixelSurface& surface, const PixelRect& box) {
    std::vector<std::uint32_t> out(static_cast<std::size_t>(box.width) * static_cast<std::size_t>(box.height));
    for (int row = 0; row < box.height; ++row)
        std::copy_n(row_of(surface, box, row), box.width, out.data() + static_cast<std::size_t>(row) * box.width);
    return out;
}

PixelRect put_back(const PixelSurface& surface, const PixelRect& box, const std::uint32_t* drawn) {
    PixelRect changed;
    for (int row = 0; row < box.height; ++row) {
        std::uint32_t* out = row_of(surface, box, row);
        const std::uint32_t* in = drawn + static_cast<std::size_t>(row) * box.width;
        int first = -1, last = -1;
        for (int i = 0; i < box.width; ++i) {
            if (((out[i] ^ in[i]) & 0x00FFFFFFu) == 0) continue;
            out[i] = (out[i] & 0xFF000000u) | (in[i] & 0x00FFFFFFu);
            if (first < 0) first = i;
            last = i;
        }
        if (first >= 0) changed = united(changed, {box.left + first, box.top + row, last - first + 1, 1});
    }
    return changed;
}

}  // namespace vis
