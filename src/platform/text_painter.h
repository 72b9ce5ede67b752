#pragma once
// Drawing a line of text into a pixel buffer: the one canvas operation the window system does for
// us, since only it knows the fonts.
#include <cstdint>
#include <string>

#include "colour.h"
#include "font.h"

namespace vis {

// Pixels laid out as a Picture's (one uint32_t 0xXXRRGGBB each, rows of `width`), borrowed.
struct PixelSurface {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    // Sets the size of a point in pixels (a point is 20 twips).
    double twips_per_pixel = 15.0;
};

struct PixelSize {
    int width = 0;
    int height = 0;
};

class TextPainter {
public:
    virtual ~TextPainter() = default;
    // Draws `text` as one line with its top-left corner at pixel (x, y), clipped to the surface.
    // Returns the size of the line in pixels (its advance and its line height), drawn or not.
    virtual PixelSize draw_line(PixelSurface surface, int x, int y, const std::string& text, const Font& font,
                                Colour colour) = 0;
};

}  // namespace vis
