#pragma once
// The drawing tools' geometry in canvas twips: where a tool acts for a pointer position, and how
// the selection rectangle follows a drag.
#include <string_view>

#include "ui/colour.h"
#include "ui/control.h"

namespace vis {

// How far up and left of the pointer the tools act: half the pointer picture, measured in
// hundredths of a millimetre and rounded to a whole number before halving, plus 25 twips.
// A 16-pixel picture at 15 twips per pixel gives 236.5.
double drawing_offset(int icon_pixels, double twips_per_pixel);

// Whole twips as a control takes them: halves go to the even neighbour.
int whole_twips(double v);

// The selection during a drag to the drawing point (x, y): it grows right and down from its
// corner; a point left of or above the corner slides that edge there, keeping the size; the
// rectangle never starts left of or above the canvas.
Rect drag_selection(Rect selection, int x, int y);

// The number a text starts with, as a numeric field reads it: blanks skipped, an optional sign,
// digits with an optional fraction and exponent; 0 when the text starts with anything else.
double leading_number(std::string_view text);

// Black or white, whichever stands out more against `c` (by its weighted brightness): for text
// on the colour label and for the outline around printed text.
Colour contrasting(Colour c);

// A colour held as decimal text (a control's tag), e.g. "255" for red.
Colour colour_from_text(std::string_view text);

}  // namespace vis
