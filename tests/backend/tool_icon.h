#pragma once
// A 16 x 16 tool icon: its top-left quarter opaque red, pixel (15, 15) black at half alpha, the
// rest fully transparent.
#include <cstdint>
#include <vector>

namespace vis::test {

inline std::vector<std::uint32_t> tool_icon() {
    std::vector<std::uint32_t> pixels(256, 0x00000000u);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) pixels[static_cast<std::size_t>(y * 16 + x)] = 0xFFFF0000u;
    pixels[255] = 0x80000000u;
    return pixels;
}

}  // namespace vis::test
