#include "stored_png_bytes.h"

#include <algorithm>

namespace vis::test {

namespace {

std::uint32_t crc32(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char c : bytes) {
        crc ^= c;
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::string big_endian(std::uint32_t v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}

std::string chunk(const std::string& type, const std::string& data) {
    return big_endian(static_cast<std::uint32_t>(data.size())) + type + data + big_endian(crc32(type + data));
}

}  // namespace

std::string stored_png_bytes(int width, int height, int colour_type, const std::string& rows, std::size_t block) {
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : rows) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    std::string zlib = "\x78\x01";
    std::size_t at = 0;
    do {
        const std::size_t n = std::min(block, rows.size() - at);
        zlib += static_cast<char>(at + n == rows.size() ? 1 : 0);
        zlib += {static_cast<char>(n & 0xFF), static_cast<char>(n >> 8), static_cast<char>(~n & 0xFF),
                 static_cast<char>((~n >> 8) & 0xFF)};
        zlib += rows.substr(at, n);
        at += n;
    } while (at < rows.size());
    zlib += big_endian((b << 16) | a);
    const std::string header = big_endian(static_cast<std::uint32_t>(width)) +
                               big_endian(static_cast<std::uint32_t>(height)) +
                               std::string{'\x08', static_cast<char>(colour_type), '\0', '\0', '\0'};
    return std::string("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", zlib) + chunk("IEND", "");
}

std::string rgba_png_bytes(int width, int height, const std::vector<std::uint32_t>& argb) {
    std::string rows;
    for (int y = 0; y < height; ++y) {
        rows += '\0';  // no filter
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = argb[static_cast<std::size_t>(y * width + x)];
            rows += {static_cast<char>(p >> 16), static_cast<char>(p >> 8), static_cast<char>(p),
                     static_cast<char>(p >> 24)};
        }
    }
    return stored_png_bytes(width, height, 6, rows);
}

}  // namespace vis::test
