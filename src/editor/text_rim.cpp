#include "editor/text_rim.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vis {

namespace {

// How far the pen reaches sideways `dy` rows from its centre.
int reach(int width, int dy) {
    const int limit = width * width + width - dy * dy;
    int r = 0;
    while ((r + 1) * (r + 1) <= limit) ++r;
    return r;
}

// How much of each pixel the glyphs cover, 0 to 255, in a box of bytes.
struct Coverage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes;

    std::uint8_t* row(int y) { return bytes.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width); }
    const std::uint8_t* row(int y) const {
        return bytes.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    }
};

// Each pixel the most of its neighbours up to `r` to either side.
Coverage widened_rows(const Coverage& c, int r) {
    Coverage out{c.width, c.height, std::vector<std::uint8_t>(c.bytes.size())};
    for (int y = 0; y < c.height; ++y) {
        const std::uint8_t* in = c.row(y);
        std::uint8_t* o = out.row(y);
        for (int x = 0; x < c.width; ++x) {
            std::uint8_t most = 0;
            for (int k = std::max(x - r, 0); k <= std::min(x + r, c.width - 1); ++k) most = std::max(most, in[k]);
            o[x] = most;
        }
    }
    return out;
}

std::uint32_t blended(std::uint32_t pixel, std::uint32_t rim, unsigned a) {
    std::uint32_t out = pixel & 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
        const unsigned under = (pixel >> shift) & 0xFFu, over = (rim >> shift) & 0xFFu;
        out |= ((under * (255 - a) + over * a + 127) / 255) << shift;
    }
    return out;
}

}  // namespace

PixelRect draw_text_rim(PixelSurface surface, int x, int y, const std::string& text, const Font& font, Colour colour,
                        int width, TextPainter& painter) {
    if (text.empty() || width < 1) return {};
    // Measured first: an empty surface takes no pixels.
    const DrawnLine size = painter.draw_line({nullptr, 0, 0, surface.twips_per_pixel}, 0, 0, text, font, colour);
    // Glyphs reach a line height past the line's box (italics, accents); the rim as far again.
    const int margin = size.height + width;
    const int mask_width = size.width + 2 * margin, mask_height = size.height + 2 * margin;
    std::vector<std::uint32_t> mask(static_cast<std::size_t>(mask_width) * static_cast<std::size_t>(mask_height),
                                    0xFF000000u);
    const DrawnLine drawn = painter.draw_line({mask.data(), mask_width, mask_height, surface.twips_per_pixel}, margin,
                                              margin, text, font, rgb(255, 255, 255));
    if (drawn.changed.empty()) return {};

    // The glyphs' box grown by the rim, in the mask.
    const int left = std::max(drawn.changed.left - width, 0), top = std::max(drawn.changed.top - width, 0);
    const int right = std::min(drawn.changed.left + drawn.changed.width + width, mask_width);
    const int bottom = std::min(drawn.changed.top + drawn.changed.height + width, mask_height);
    Coverage glyphs{right - left, bottom - top, {}};
    glyphs.bytes.resize(static_cast<std::size_t>(glyphs.width) * static_cast<std::size_t>(glyphs.height));
    for (int row = 0; row < glyphs.height; ++row) {
        const std::uint32_t* in = mask.data() + static_cast<std::size_t>(top + row) * mask_width + left;
        std::uint8_t* out = glyphs.row(row);
        // White on black: each component is the cover (smoothed edges may differ per component).
        for (int col = 0; col < glyphs.width; ++col)
            out[col] =
                static_cast<std::uint8_t>(std::max({(in[col] >> 16) & 0xFFu, (in[col] >> 8) & 0xFFu, in[col] & 0xFFu}));
    }
    // Rows widened by every reach the pen has, then each pixel the most of the rows it reaches.
    std::vector<Coverage> widened;
    for (int r = 0; r <= width; ++r) widened.push_back(widened_rows(glyphs, r));

    // Each row of the pen's reach, from the top: the rows widened as far as the pen reaches there.
    std::vector<const Coverage*> pen;
    for (int k = -width; k <= width; ++k) pen.push_back(&widened[static_cast<std::size_t>(reach(width, k))]);

    const std::uint32_t rim = 0xFF000000u | red_of(colour) << 16 | green_of(colour) << 8 | blue_of(colour);
    const int dx = x - margin + left, dy = y - margin + top;  // mask box to surface
    PixelRect changed;
    for (int row = 0; row < glyphs.height; ++row) {
        const int sy = dy + row;
        if (sy < 0 || sy >= surface.height) continue;
        std::uint32_t* pixels = surface.pixels + static_cast<std::size_t>(sy) * surface.width;
        int first = surface.width, last = -1;
        for (int col = 0; col < glyphs.width; ++col) {
            const int sx = dx + col;
            if (sx < 0 || sx >= surface.width) continue;
            std::uint8_t a = 0;
            for (int k = std::max(-width, -row); k <= std::min(width, glyphs.height - 1 - row); ++k)
                a = std::max(a, pen[static_cast<std::size_t>(k + width)]->row(row + k)[col]);
            if (a == 0) continue;
            pixels[sx] = blended(pixels[sx], rim, a);
            first = std::min(first, sx);
            last = std::max(last, sx);
        }
        if (last >= first) changed = united(changed, {first, sy, last - first + 1, 1});
    }
    return changed;
}

}  // namespace vis
