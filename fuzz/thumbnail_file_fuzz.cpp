// Thumbnail files from the user's cache folder, which any program may have written over: the
// header's check against the asked screenshot and the picture behind it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "thumbnails/thumbnail_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The seed's key: a screenshot "shot.jpg" of 1 byte saved at 1, for a box of 192 x 108.
    const vis::ThumbKey key{"shot.jpg", 1, 1};
    const auto picture =
        vis::read_thumbnail_file(std::string_view(reinterpret_cast<const char*>(data), size), key, 192, 108);
    if (!picture) return 0;
    if (picture->width <= 0 || picture->height <= 0 || picture->width > 192 || picture->height > 108) std::abort();
    if (!picture->pixels ||
        picture->pixels->size() != static_cast<std::size_t>(picture->width) * static_cast<std::size_t>(picture->height))
        std::abort();
    return 0;
}
