// JPEG files from anywhere a user copies them: the header check and the decode into a picture.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "imaging/jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto picture = vis::decode_jpeg(data, size);
    if (!picture) return 0;
    const long long pixels = static_cast<long long>(picture->width) * picture->height;
    if (picture->width <= 0 || picture->height <= 0 || picture->width > vis::kMaxPictureSide ||
        picture->height > vis::kMaxPictureSide || pixels > vis::kMaxPicturePixels)
        std::abort();
    if (!picture->pixels || static_cast<long long>(picture->pixels->size()) != pixels) std::abort();
    // Every pixel is read once, so the sanitizers see any part the decode left unwritten.
    std::uint32_t mix = 0;
    for (const std::uint32_t px : *picture->pixels) mix ^= px;
    volatile std::uint32_t sink = mix;
    (void)sink;
    return 0;
}
