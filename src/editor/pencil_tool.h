#pragma once
// Freehand drawing: a dot at the press, then a segment from the last point to each move, in the
// drawing colour and pen width.
#include "editor/canvas_tool.h"

namespace vis {

class PencilTool : public CanvasTool {
public:
    bool press(Canvas& canvas, EditorState& state, double x, double y) override;
    bool move(Canvas& canvas, EditorState& state, double x, double y) override;
    bool release(Canvas&, EditorState&, double, double) override { return false; }
};

}  // namespace vis
