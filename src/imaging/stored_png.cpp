#include "imaging/stored_png.h"

#include <cstdlib>
#include <cstring>

namespace vis {

namespace {

std::uint32_t big_endian(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

// The zlib stream of the IDAT chunks, in order; false when the chunks are cut short.
bool image_data(std::span<const std::uint8_t> file, std::vector<std::uint8_t>& header, std::vector<std::uint8_t>& out) {
    static constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (file.size() < 8 || std::memcmp(file.data(), kSignature, 8) != 0) return false;
    std::size_t at = 8;
    while (at + 12 <= file.size()) {
        const std::uint32_t length = big_endian(&file[at]);
        if (length > file.size() - at - 12) return false;
        const std::uint8_t* kind = &file[at + 4];
        const std::uint8_t* body = &file[at + 8];
        if (std::memcmp(kind, "IHDR", 4) == 0) header.assign(body, body + length);
        if (std::memcmp(kind, "IDAT", 4) == 0) out.insert(out.end(), body, body + length);
        if (std::memcmp(kind, "IEND", 4) == 0) return true;
        at += 12 + length;
    }
    return false;
}

// The bytes of a zlib stream made of stored blocks only.
bool inflate_stored(const std::vector<std::uint8_t>& z, std::vector<std::uint8_t>& out) {
    if (z.size() < 2 || (z[0] & 0x0F) != 8 || (z[0] * 256 + z[1]) % 31 != 0 || (z[1] & 0x20) != 0) return false;
    std::size_t at = 2;
    for (bool last = false; !last;) {
        // A stored block starts on a byte: its three header bits, then padding to the byte's end.
        if (at + 5 > z.size() || ((z[at] >> 1) & 3) != 0) return false;
        last = (z[at] & 1) != 0;
        const unsigned length = z[at + 1] | (z[at + 2] << 8);
        const unsigned check = z[at + 3] | (z[at + 4] << 8);
        if ((length ^ check) != 0xFFFF || length > z.size() - at - 5) return false;
        out.insert(out.end(), z.begin() + static_cast<std::ptrdiff_t>(at + 5),
                   z.begin() + static_cast<std::ptrdiff_t>(at + 5 + length));
        at += 5 + length;
    }
    return true;
}

int paeth(int a, int b, int c) {
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Undoes each row's filter in place; false for an unknown filter.
bool unfilter(std::vector<std::uint8_t>& raw, std::size_t stride, int rows, int bpp) {
    for (int y = 0; y < rows; ++y) {
        std::uint8_t* row = &raw[static_cast<std::size_t>(y) * (stride + 1)];
        const std::uint8_t* above = y > 0 ? row - (stride + 1) : nullptr;
        const std::uint8_t filter = row[0];
        std::uint8_t* px = row + 1;
        const std::uint8_t* up = above != nullptr ? above + 1 : nullptr;
        for (std::size_t i = 0; i < stride; ++i) {
            const int a = i >= static_cast<std::size_t>(bpp) ? px[i - bpp] : 0;
            const int b = up != nullptr ? up[i] : 0;
            const int c = up != nullptr && i >= static_cast<std::size_t>(bpp) ? up[i - bpp] : 0;
            switch (filter) {
                case 0:
                    break;
                case 1:
                    px[i] = static_cast<std::uint8_t>(px[i] + a);
                    break;
                case 2:
                    px[i] = static_cast<std::uint8_t>(px[i] + b);
                    break;
                case 3:
                    px[i] = static_cast<std::uint8_t>(px[i] + (a + b) / 2);
                    break;
                case 4:
                    px[i] = static_cast<std::uint8_t>(px[i] + paeth(a, b, c));
                    break;
                default:
                    return false;
            }
        }
    }
    return true;
}

}  // namespace

bool read_stored_png(std::span<const std::uint8_t> file, int max_side, StoredPng& out) {
    std::vector<std::uint8_t> header, z;
    if (!image_data(file, header, z) || header.size() != 13) return false;
    const std::uint32_t width = big_endian(&header[0]), height = big_endian(&header[4]);
    const int depth = header[8], colour = header[9], interlace = header[12];
    if (width == 0 || height == 0 || width > static_cast<std::uint32_t>(max_side) ||
        height > static_cast<std::uint32_t>(max_side) || depth != 8 || (colour != 2 && colour != 6) || interlace != 0)
        return false;
    const int bpp = colour == 6 ? 4 : 3;
    const std::size_t stride = width * static_cast<std::size_t>(bpp);
    std::vector<std::uint8_t> raw;
    if (!inflate_stored(z, raw) || raw.size() != (stride + 1) * height) return false;
    if (!unfilter(raw, stride, static_cast<int>(height), bpp)) return false;
    out.width = static_cast<int>(width);
    out.height = static_cast<int>(height);
    out.pixels.resize(static_cast<std::size_t>(width) * height);
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint8_t* p = &raw[y * (stride + 1) + 1 + x * static_cast<std::size_t>(bpp)];
            const std::uint32_t alpha = bpp == 4 ? p[3] : 0xFF;
            out.pixels[y * width + x] = (alpha << 24) | (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
        }
    return true;
}

}  // namespace vis
