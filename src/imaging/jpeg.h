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

// CMYK and YCCK pictures come out in colour like any other, their inks read as the programs that
// write them store them (inverted, 255 for no ink).
std::optional<Picture> decode_jpeg(const unsigned char* data, std::size_t size);
// Reads and decodes a file; nothing when it is missing, unreadable or not a usable JPEG.
std::optional<Picture> decode_jpeg_file(const std::string& path);
// Decodes at the smallest of the decoder's own scales (1/2, 1/4, 1/8) at which the picture still
// covers `min_width` x `min_height`, or whole when none does: the decoder skips the detail instead
// of making it and throwing it away.
std::optional<Picture> decode_jpeg_file_scaled(const std::string& path, int min_width, int min_height);
// Encodes a picture; an empty vector on failure. Quality 1 to 100.
std::vector<unsigned char> encode_jpeg(const Picture& picture, int quality);

}  // namespace vis
