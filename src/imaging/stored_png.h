#pragma once
// The program's own icons (data/*.png, written by scripts/make_resources.py) keep their pixels
// uncompressed inside the PNG, so they are read here without the system's imaging component,
// whose start-up costs more than the whole rest of the main window's pictures.
#include <cstdint>
#include <span>
#include <vector>

namespace vis {

struct StoredPng {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, alpha not applied, top row first
};

// Reads an 8-bit RGB or RGBA PNG, not interlaced, whose image data is stored without
// compression. Anything else (a compressed or damaged PNG, another format, a side beyond
// `max_side`) gives nothing, and is left to a full decoder.
bool read_stored_png(std::span<const std::uint8_t> file, int max_side, StoredPng& out);

}  // namespace vis
