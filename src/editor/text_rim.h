#pragma once
// A rim around a line of text, so that it reads on any picture: the line is drawn once as a
// mask, the mask widened by a round pen, and the widened mask laid onto the surface in the rim's
// colour. Printing the line on top then leaves the rim around it.
#include <string>

#include "ui/text_painter.h"

namespace vis {

// The rim `width` pixels wide around `text` as `painter` draws it with its top-left corner at
// (x, y): every pixel within reach of the glyphs of a round pen of radius `width` (the pixels
// dx * dx + dy * dy <= width * width + width away), blended by how much of it the glyphs cover
// where their edges are smoothed. Returns the pixels changed.
PixelRect draw_text_rim(PixelSurface surface, int x, int y, const std::string& text, const Font& font, Colour colour,
                        int width, TextPainter& painter);

}  // namespace vis
