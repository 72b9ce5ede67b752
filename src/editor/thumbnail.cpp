#include "editor/thumbnail.h"

#include <algorithm>

namespace vis {

void Thumbnail::reset(const Picture& source) {
    source_width_ = source.empty() ? 0 : source.width;
    source_height_ = source.empty() ? 0 : source.height;
    width_ = (source_width_ + kScale - 1) / kScale;
    height_ = (source_height_ + kScale - 1) / kScale;
    // A new buffer: whoever shows the old one keeps valid pixels.
    pixels_ = std::make_shared<std::vector<std::uint32_t>>(static_cast<std::size_t>(width_) * height_);
    refresh(source, {0, 0, source_width_, source_height_});
}

PixelRect Thumbnail::refresh(const Picture& source, PixelRect changed) {
    if (!pixels_ || source.empty() || source.width != source_width_ || source.height != source_height_) return {};
    const int left = std::max(changed.left, 0), top = std::max(changed.top, 0);
    const int right = std::min(changed.left + changed.width, source_width_);
    const int bottom = std::min(changed.top + changed.height, source_height_);
    if (left >= right || top >= bottom) return {};
    const int bx0 = left / kScale, by0 = top / kScale;
    const int bx1 = (right - 1) / kScale, by1 = (bottom - 1) / kScale;
    for (int by = by0; by <= by1; ++by)
        for (int bx = bx0; bx <= bx1; ++bx) shrink_block(source, bx, by);
    return {bx0, by0, bx1 - bx0 + 1, by1 - by0 + 1};
}

void Thumbnail::shrink_block(const Picture& source, int bx, int by) {
    const int x0 = bx * kScale, y0 = by * kScale;
    const int x1 = std::min(x0 + kScale, source_width_), y1 = std::min(y0 + kScale, source_height_);
    std::uint32_t r = 0, g = 0, b = 0;
    for (int y = y0; y < y1; ++y) {
        const std::uint32_t* row = source.pixels->data() + static_cast<std::size_t>(y) * source_width_;
        for (int x = x0; x < x1; ++x) {
            r += (row[x] >> 16) & 0xFF;
            g += (row[x] >> 8) & 0xFF;
            b += row[x] & 0xFF;
        }
    }
    const auto n = static_cast<std::uint32_t>((x1 - x0) * (y1 - y0));
    (*pixels_)[static_cast<std::size_t>(by) * width_ + bx] =
        0xFF000000u | (r + n / 2) / n << 16 | (g + n / 2) / n << 8 | (b + n / 2) / n;
}

Picture Thumbnail::picture() const {
    if (!pixels_ || pixels_->empty()) return {};
    return {width_, height_, pixels_};
}

}  // namespace vis
