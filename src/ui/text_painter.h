#pragma once
// Drawing a line of text into a pixel buffer: the one canvas operation the window system does for
// us, since only it knows the fonts.
#include <cstdint>
#include <string>
#include <vector>

#include "ui/colour.h"
#include "ui/font.h"
#include "ui/picture.h"

namespace vis {

// Pixels laid out as a Picture's (one uint32_t 0xXXRRGGBB each, rows of `width`), borrowed.
struct PixelSurface {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    // Sets the size of a point in pixels (a point is 20 twips).
    double twips_per_pixel = 15.0;
};

// What drawing one line did: its size in pixels (its advance and its line height), drawn or not,
// and the bounds of the pixels it changed. Italic and accented glyphs reach past the advance
// box, so only the latter tells where the surface is no longer what it was.
struct DrawnLine {
    int width = 0;
    int height = 0;
    PixelRect changed;
};

class TextPainter {
public:
    virtual ~TextPainter() = default;
    // Draws `text` as one line with its top-left corner at pixel (x, y), whole glyphs, clipped
    // only by the surface's edges.
    virtual DrawnLine draw_line(PixelSurface surface, int x, int y, const std::string& text, const Font& font,
                                Colour colour) = 0;
};

// For painters that draw into a copy of the part of the surface a line may reach, then put it
// back. The part: the line's box (x, y, width, height) grown by a line height on every side,
// which holds the lean of italics and the accents over capitals, cut to the surface.
PixelRect text_reach(const PixelSurface& surface, int x, int y, int width, int height);
// The surface's pixels in `box`, row after row.
std::vector<std::uint32_t> copy_out(const PixelSurface& surface, const PixelRect& box);
// Writes the drawn copy of `box` back where its colours differ, keeping each pixel's unused byte
// (the painters set it), and returns the bounds of the pixels that changed.
PixelRect put_back(const PixelSurface& surface, const PixelRect& box, const std::uint32_t* drawn);

}  // namespace vis
