#pragma once
// A PNG written byte for byte, its image data in stored (uncompressed) deflate blocks, as
// scripts/make_resources.py writes the program's icons: tests know every pixel a reader must give.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vis::test {

// `rows`: each row's filter byte, then its samples. `colour_type` 2 is RGB, 6 RGBA, at 8 bits.
std::string stored_png_bytes(int width, int height, int colour_type, const std::string& rows,
                             std::size_t block = 65535);

// An RGBA PNG of `argb` (width x height pixels 0xAARRGGBB, top row first), rows unfiltered.
std::string rgba_png_bytes(int width, int height, const std::vector<std::uint32_t>& argb);

}  // namespace vis::test
