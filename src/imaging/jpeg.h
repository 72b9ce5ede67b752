#pragma once
// JPEG decoding with libjpeg-turbo, straight into a Picture.
#include <optional>
#include <string>
#include <vector>

#include "ui/picture.h"

namespace vis {

// Pictures larger than this on either side are refused before anything is allocated for them:
// no screenshot comes near it, and a forged header must not make the program claim gigabytes.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr long long kMaxPicturePixels = 64LL * 1024 * 1024;

std::optional<Picture> decode_jpeg(const unsigned char* data, std::size_t size);
// Reads and decodes a file; nothing when it is missing, unreadable or not a usable JPEG.
std::optional<Picture> decode_jpeg_file(const std::string& path);
// Encodes a picture; an empty vector on failure. Quality 1 to 100.
std::vector<unsigned char> encode_jpeg(const Picture& picture, int quality);

}  // namespace vis
