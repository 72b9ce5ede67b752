// The program's own PNGs, read without a full decoder: pixels through every row filter, and every
// file the reader must leave to the system's decoder.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "imaging/stored_png.h"
#include "support/stored_png_bytes.h"

namespace vis {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes stored_png(int width, int height, int colour, const Bytes& rows, std::size_t block = 65535) {
    const std::string png = test::stored_png_bytes(width, height, colour, std::string(rows.begin(), rows.end()), block);
    return Bytes(png.begin(), png.end());
}

// Two RGBA rows of two pixels, the second row filtered with `filter`, its bytes chosen so the
// result is the same pixels whatever the filter.
Bytes two_rows(std::uint8_t filter, const Bytes& second) {
    Bytes rows{0, 10, 20, 30, 255, 50, 60, 70, 128, filter};
    rows.insert(rows.end(), second.begin(), second.end());
    return rows;
}

TEST(StoredPng, EveryRowFilterGivesTheSamePixels) {
    // Wanted second row: (20, 40, 60, 255) and (90, 100, 110, 0), under the first row's
    // (10, 20, 30, 255) (50, 60, 70, 128).
    const struct {
        std::uint8_t filter;
        Bytes second;
    } rows[] = {
        {0, {20, 40, 60, 255, 90, 100, 110, 0}}, {1, {20, 40, 60, 255, 70, 60, 50, 1}},  // minus the pixel to the left
        {2, {10, 20, 30, 0, 40, 40, 40, 128}},                                           // minus the pixel above
        {3, {15, 30, 45, 128, 55, 50, 45, 65}},  // minus the mean of left and above
        {4, {10, 20, 30, 0, 40, 40, 40, 128}},   // minus the Paeth predictor
    };
    for (const auto& row : rows) {
        StoredPng png;
        ASSERT_TRUE(read_stored_png(stored_png(2, 2, 6, two_rows(row.filter, row.second)), 64, png))
            << "filter " << int{row.filter};
        EXPECT_EQ(png.width, 2);
        EXPECT_EQ(png.height, 2);
        EXPECT_EQ(png.pixels, (std::vector<std::uint32_t>{0xFF0A141E, 0x80323C46, 0xFF14283C, 0x005A646E}))
            << "filter " << int{row.filter};
    }
}

TEST(StoredPng, OpaqueColourAcrossSeveralBlocks) {
    // A 23 x 23 RGB icon as the sort icons are: grey frame, light inside; in blocks of 100 bytes.
    Bytes rows;
    for (int y = 0; y < 23; ++y) {
        rows.push_back(0);
        for (int x = 0; x < 23; ++x) {
            const std::uint8_t v = x == 0 || y == 0 || x == 22 || y == 22 ? 128 : 236;
            rows.insert(rows.end(), {v, v, v});
        }
    }
    StoredPng png;
    ASSERT_TRUE(read_stored_png(stored_png(23, 23, 2, rows, 100), 1024, png));
    EXPECT_EQ(png.pixels.size(), 23u * 23u);
    EXPECT_EQ(png.pixels[0], 0xFF808080u);
    EXPECT_EQ(png.pixels[23 * 11 + 11], 0xFFECECECu);
    EXPECT_EQ(png.pixels.back(), 0xFF808080u);
}

// Whatever the reader cannot read exactly is refused, never half read, so the full decoder gets it.
TEST(StoredPng, RefusesWhatItCannotReadWhole) {
    const Bytes good = stored_png(1, 1, 2, {0, 1, 2, 3});
    const auto changed = [&good](std::size_t at, std::uint8_t value) {
        Bytes b = good;
        b[at] = value;
        return b;
    };
    // IHDR's body starts at 16: width, height, depth (24), colour (25), ..., interlace (28).
    // IDAT's body starts at 41: the zlib header, then the block's header byte at 43.
    const struct {
        const char* what;
        Bytes file;
        int max_side;
    } rows[] = {
        {"no PNG", Bytes{'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0}, 64},
        {"cut short", Bytes(good.begin(), good.end() - 14), 64},
        {"16 bits a sample", changed(24, 16), 64},
        {"palette colours", changed(25, 3), 64},
        {"interlaced", changed(28, 1), 64},
        {"compressed block", changed(43, 0x03), 64},
        {"damaged block length", changed(46, 0x00), 64},
        {"preset dictionary", changed(42, 0xBB), 64},
        {"unknown row filter", stored_png(1, 1, 2, {5, 1, 2, 3}), 64},
        {"rows too short", stored_png(2, 1, 2, {0, 1, 2, 3}), 64},
        {"larger than asked", good, 0},
    };
    StoredPng accepted;
    ASSERT_TRUE(read_stored_png(good, 64, accepted));
    for (const auto& row : rows) {
        StoredPng png;
        EXPECT_FALSE(read_stored_png(row.file, row.max_side, png)) << row.what;
    }
}

}  // namespace
}  // namespace vis
