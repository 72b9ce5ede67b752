#pragma once
// One thumbnail as it is kept on disk: a small record whose header names the screenshot it was
// made of (path, length, save time) and the box it was made for, then the picture as a small
// JPEG. Records lie one after another in a pack, one pack per screenshot folder, box and save
// day. A record is believed only when all of that matches what is asked and its bytes are whole,
// so a damaged record, one of another screenshot (the index holds hashes, which may collide) or a
// foreign file is never shown as this screenshot.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "thumbnails/thumb_key.h"
#include "ui/picture.h"

namespace vis {

// The FNV-1a hash of 64 bits: the same in every build, unlike std::hash.
std::uint64_t fnv1a64(std::string_view bytes);

// What a pack's index knows a record by: the hash of its key and box.
std::uint64_t thumbnail_key_hash(const ThumbKey& key, int box_width, int box_height);

// The name of the pack that keeps that thumbnail: the hash of the screenshot's folder and the
// box in 16 hex digits, then its save day, "0f3a...e1-20061105.pack".
std::string thumbnail_pack_name(const ThumbKey& key, int box_width, int box_height);

// The record's bytes; empty when the picture cannot be encoded.
std::string thumbnail_file_bytes(const ThumbKey& key, int box_width, int box_height, const Picture& picture);

// The picture the bytes hold for exactly that key and box; nothing when they hold another, are
// cut short, damaged, or not a thumbnail file at all.
std::optional<Picture> read_thumbnail_file(std::string_view bytes, const ThumbKey& key, int box_width, int box_height);

struct ThumbnailRecordSpan {
    std::uint64_t key_hash;
    std::size_t offset, length;
    bool operator==(const ThumbnailRecordSpan&) const = default;
};

// The whole records among a pack's bytes, in order. A record cut short or damaged (a crash in
// the middle of a write, a full disk) is passed over, and the walk goes on at the next "VTHB"
// that begins a whole record, so it hides none of the records written after it.
std::vector<ThumbnailRecordSpan> whole_thumbnail_records(std::string_view pack);

// Whether the bytes begin as a pack does: with a record, or with the start of one cut short.
bool begins_like_a_pack(std::string_view bytes);

}  // namespace vis
