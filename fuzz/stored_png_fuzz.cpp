// The program's own icons read without a full decoder: any bytes either give a whole picture of
// the size its header gives, or nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "imaging/stored_png.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vis::StoredPng png;
    if (!vis::read_stored_png({data, size}, 1024, png)) return 0;
    if (png.width <= 0 || png.height <= 0 || png.width > 1024 || png.height > 1024 ||
        png.pixels.size() != static_cast<std::size_t>(png.width) * static_cast<std::size_t>(png.height))
        std::abort();
    return 0;
}
