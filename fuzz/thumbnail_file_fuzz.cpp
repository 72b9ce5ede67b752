// Thumbnail records and packs from the user's cache folder, which any program may have written
// over: the header's check against the asked screenshot and the picture behind it, and the walk
// over a pack's records, which must find only whole records, each standing alone, in order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "thumbnails/thumbnail_file.h"

namespace {

void check_record(std::string_view bytes) {
    // The seed's key: a screenshot "shot.jpg" of 1 byte saved at 1, for a box of 192 x 108.
    const vis::ThumbKey key{"shot.jpg", 1, 1};
    const auto picture = vis::read_thumbnail_file(bytes, key, 192, 108);
    if (!picture) return;
    if (picture->width <= 0 || picture->height <= 0 || picture->width > 192 || picture->height > 108) std::abort();
    if (!picture->pixels ||
        picture->pixels->size() != static_cast<std::size_t>(picture->width) * static_cast<std::size_t>(picture->height))
        std::abort();
}

void check_pack(std::string_view pack) {
    std::size_t end = 0;
    for (const vis::ThumbnailRecordSpan& r : vis::whole_thumbnail_records(pack)) {
        if (r.offset < end || r.length == 0 || r.offset + r.length > pack.size()) std::abort();
        end = r.offset + r.length;
        const std::string_view record = pack.substr(r.offset, r.length);
        const auto alone = vis::whole_thumbnail_records(record);
        if (alone.size() != 1 || alone[0] != vis::ThumbnailRecordSpan{r.key_hash, 0, r.length}) std::abort();
        check_record(record);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    check_record(bytes);
    check_pack(bytes);
    return 0;
}
