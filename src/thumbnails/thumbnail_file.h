#pragma once
// One thumbnail as it is kept on disk: a small header that names the screenshot it was made of
// (path, length, save time) and the box it was made for, then the picture as a small JPEG. A
// file is believed only when all of that matches what is asked and its bytes are whole, so a
// damaged file, one of another screenshot (the names are hashes and may collide) or a foreign
// file is never shown as this screenshot.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "thumbnails/thumb_key.h"
#include "ui/picture.h"

namespace vis {

// The FNV-1a hash of 64 bits: the same in every build, unlike std::hash.
std::uint64_t fnv1a64(std::string_view bytes);

// The file's name for that thumbnail: its key's hash in 16 hex digits, "0f3a...e1.thumb".
std::string thumbnail_file_name(const ThumbKey& key, int box_width, int box_height);

// The file's bytes; empty when the picture cannot be encoded.
std::string thumbnail_file_bytes(const ThumbKey& key, int box_width, int box_height, const Picture& picture);

// The picture the bytes hold for exactly that key and box; nothing when they hold another, are
// cut short, damaged, or not a thumbnail file at all.
std::optional<Picture> read_thumbnail_file(std::string_view bytes, const ThumbKey& key, int box_width, int box_height);

}  // namespace vis
