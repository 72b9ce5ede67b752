#pragma once
// Text placement: a press puts the text preview at the point and asks for the text dialog, a
// drag moves the preview, and insert_text prints the dialog's text where the preview lies.
#include "editor/canvas_tool.h"

namespace vis {

class TextPainter;

class TextTool : public CanvasTool {
public:
    bool press(Canvas& canvas, EditorState& state, double x, double y) override;
    bool move(Canvas& canvas, EditorState& state, double x, double y) override;
    bool release(Canvas&, EditorState&, double, double) override { return false; }
};

// Prints the text in its font and the drawing colour with its top-left corner at the preview
// (the canvas keeps that font and colour), then hides the preview and empties the text. Without
// a preview shown nothing is printed. Returns whether the canvas was printed on.
// With the outline on, a rim outline_width() wide in the colour that contrasts with the drawing
// colour is laid first, then the text on top in the drawing colour.
// The outline's width in pixels for a font size: 1 up to 14 points, 2 up to 28, 3 above, so
// that it stays a rim at every size and never swallows the strokes of small text.
int outline_width(double size_pt);

bool insert_text(Canvas& canvas, EditorState& state, TextPainter& painter);

}  // namespace vis
