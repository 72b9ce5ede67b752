#pragma once
// The two notice lines a saved edit carries near its bottom-right corner.
#include <string>

#include "editor/canvas.h"

namespace vis {

class TextPainter;

// Prints `first` at (W - 5300, H - 400) and `second` at (W - 9400, H - 220) twips, in white
// "ＭＳ Ｐゴシック" 8 pt, into the canvas image; the canvas keeps its own font and text colour.
void stamp_notices(Canvas& canvas, TextPainter& painter, const std::string& first, const std::string& second);

}  // namespace vis
