#pragma once
// A decoded picture: 32-bit pixels laid out B, G, R, unused (one uint32_t 0xXXRRGGBB per pixel),
// shared between the preview, the viewer and the clipboard without copying.
#include <cstdint>
#include <memory>
#include <vector>

namespace vis {

struct Picture {
    int width = 0;
    int height = 0;
    std::shared_ptr<const std::vector<std::uint32_t>> pixels;

    bool empty() const { return !pixels || width <= 0 || height <= 0; }
    std::uint32_t pixel(int x, int y) const { return (*pixels)[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace vis
