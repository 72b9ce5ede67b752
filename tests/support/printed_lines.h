#pragma once
// Lines whose glyphs reach past their advance box (italic tails, accents over capitals), for
// checking a system's text painter: what it says it changed is exactly what changed, and a line
// printed on the canvas is undone byte for byte.
#include <vector>

#include "ui/font.h"
#include "ui/text_painter.h"

namespace vis::test {

struct PrintedLine {
    const char* name;
    Font font;
    const char* text;
    // Some of its pixels lie left of or above the line's box (its advance by its line height).
    bool reaches_out;
};

// The lines at 96 dpi, in fonts found on both systems' test machines.
std::vector<PrintedLine> reaching_lines();

// Draws the line on a patterned surface and checks the painter's account of it; then prints it
// on a canvas of the same pattern, records, undoes, and checks the canvas is the pattern again.
void expect_printed_and_undone(TextPainter& painter, const PrintedLine& line);

}  // namespace vis::test
