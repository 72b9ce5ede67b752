#pragma once
// A decoded picture: 32-bit pixels laid out B, G, R, unused (one uint32_t 0xXXRRGGBB per pixel),
// shared between the preview, the viewer and the clipboard without copying.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

namespace vis {

// The same picture scaled to the size a stretched display shows it at, prepared ahead of time.
struct ScaledCopy {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// A rectangle of a picture's pixels.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool empty() const { return width <= 0 || height <= 0; }
    bool operator==(const PixelRect&) const = default;
};

// The smallest rectangle holding both; an empty one adds nothing.
inline PixelRect united(const PixelRect& a, const PixelRect& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    const int left = std::min(a.left, b.left), top = std::min(a.top, b.top);
    const int right = std::max(a.left + a.width, b.left + b.width);
    const int bottom = std::max(a.top + a.height, b.top + b.height);
    return {left, top, right - left, bottom - top};
}

struct Picture {
    int width = 0;
    int height = 0;
    std::shared_ptr<const std::vector<std::uint32_t>> pixels;
    // Present when the picture was decoded ahead for a stretched preview of a known size.
    std::shared_ptr<const ScaledCopy> scaled = nullptr;

    bool empty() const { return !pixels || width <= 0 || height <= 0; }
    std::uint32_t pixel(int x, int y) const { return (*pixels)[static_cast<std::size_t>(y) * width + x]; }
    // The same buffer at the same size: a view showing `other` needs only its changed pixels.
    bool same_buffer(const Picture& other) const {
        return pixels == other.pixels && width == other.width && height == other.height;
    }
};

}  // namespace vis
