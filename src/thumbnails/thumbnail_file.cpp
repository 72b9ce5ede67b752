#include "thumbnails/thumbnail_file.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "imaging/jpeg.h"
#include "services/paths.h"

namespace vis {

namespace {

// "VTHB", then the format's version, the JPEG's length and hash, the key, the JPEG.
constexpr std::string_view kMagic = "VTHB";
constexpr std::uint32_t kVersion = 1;
constexpr int kQuality = 85;
// No thumbnail comes near it; a forged length must not make the reader claim more.
constexpr std::uint32_t kMaxPayload = 4u << 20;

void put(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
}

// Reads little-endian numbers off the front of the bytes; false once they run out.
class Reader {
public:
    explicit Reader(std::string_view bytes) : rest_(bytes) {}
    bool get(std::uint64_t& value, int bytes) {
        if (rest_.size() < static_cast<std::size_t>(bytes)) return false;
        value = 0;
        for (int i = 0; i < bytes; ++i)
            value |= static_cast<std::uint64_t>(static_cast<unsigned char>(rest_[i])) << (8 * i);
        rest_.remove_prefix(static_cast<std::size_t>(bytes));
        return true;
    }
    bool get(std::string_view& text, std::size_t length) {
        if (rest_.size() < length) return false;
        text = rest_.substr(0, length);
        rest_.remove_prefix(length);
        return true;
    }
    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
};

// Before the key: the magic, the version, the JPEG's length and hash.
constexpr std::size_t kHeaderBytes = 4 + 4 + 4 + 8;
// The key's numbers before its path: the box, the length, the save time, the path's length.
constexpr std::size_t kKeyNumberBytes = 4 + 4 + 8 + 8 + 4;

// What names the thumbnail: the box, then the screenshot's length, save time and path.
std::string key_bytes(const ThumbKey& key, int box_width, int box_height) {
    std::string out;
    put(out, static_cast<std::uint32_t>(box_width), 4);
    put(out, static_cast<std::uint32_t>(box_height), 4);
    put(out, key.size, 8);
    put(out, static_cast<std::uint64_t>(key.saved), 8);
    put(out, key.path.size(), 4);
    out += key.path;
    return out;
}

struct WholeRecord {
    std::size_t length = 0;  // 0: no whole record
    std::string_view key, payload;
};

// The whole record that begins the bytes, if one does.
WholeRecord whole_record_at(std::string_view bytes) {
    Reader in(bytes);
    std::string_view magic, key_numbers, path, payload;
    std::uint64_t version = 0, length = 0, hash = 0, path_length = 0;
    if (!in.get(magic, kMagic.size()) || magic != kMagic || !in.get(version, 4) || version != kVersion ||
        !in.get(length, 4) || length > kMaxPayload || !in.get(hash, 8) || !in.get(key_numbers, kKeyNumberBytes - 4) ||
        !in.get(path_length, 4) || !in.get(path, path_length) || !in.get(payload, length) || fnv1a64(payload) != hash)
        return {};
    return {bytes.size() - in.rest().size(), bytes.substr(kHeaderBytes, kKeyNumberBytes + path.size()), payload};
}

}  // namespace

std::uint64_t fnv1a64(std::string_view bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::uint64_t thumbnail_key_hash(const ThumbKey& key, int box_width, int box_height) {
    return fnv1a64(key_bytes(key, box_width, box_height));
}

std::string thumbnail_pack_name(const ThumbKey& key, int box_width, int box_height) {
    std::string folder_and_box = parent_folder(key.path);
    put(folder_and_box, static_cast<std::uint32_t>(box_width), 4);
    put(folder_and_box, static_cast<std::uint32_t>(box_height), 4);
    char name[48];
    std::snprintf(name, sizeof name, "%016llx-%08lld.pack", static_cast<unsigned long long>(fnv1a64(folder_and_box)),
                  static_cast<long long>(key.saved / 1000000 % 100000000));
    return name;
}

std::string thumbnail_file_bytes(const ThumbKey& key, int box_width, int box_height, const Picture& picture) {
    if (picture.empty()) return {};
    const std::vector<unsigned char> jpeg = encode_jpeg(picture, kQuality);
    if (jpeg.empty() || jpeg.size() > kMaxPayload) return {};
    const std::string_view payload(reinterpret_cast<const char*>(jpeg.data()), jpeg.size());
    std::string out(kMagic);
    put(out, kVersion, 4);
    put(out, payload.size(), 4);
    put(out, fnv1a64(payload), 8);
    out += key_bytes(key, box_width, box_height);
    out += payload;
    return out;
}

std::optional<Picture> read_thumbnail_file(std::string_view bytes, const ThumbKey& key, int box_width, int box_height) {
    const WholeRecord record = whole_record_at(bytes);
    if (record.length == 0 || record.length != bytes.size() || record.key != key_bytes(key, box_width, box_height))
        return std::nullopt;
    const std::string_view payload = record.payload;
    auto picture = decode_jpeg(reinterpret_cast<const unsigned char*>(payload.data()), payload.size());
    if (!picture || picture->width > box_width || picture->height > box_height) return std::nullopt;
    return picture;
}

std::vector<ThumbnailRecordSpan> whole_thumbnail_records(std::string_view pack) {
    std::vector<ThumbnailRecordSpan> records;
    std::size_t at = pack.find(kMagic);
    while (at != std::string_view::npos) {
        const WholeRecord record = whole_record_at(pack.substr(at));
        if (record.length == 0) {
            at = pack.find(kMagic, at + 1);
            continue;
        }
        records.push_back({fnv1a64(record.key), at, record.length});
        at = pack.find(kMagic, at + record.length);
    }
    return records;
}

bool begins_like_a_pack(std::string_view bytes) {
    const std::size_t n = std::min(bytes.size(), kMagic.size());
    return bytes.substr(0, n) == kMagic.substr(0, n);
}

}  // namespace vis
