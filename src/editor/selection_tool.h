#pragma once
// The selection rectangle: pressed at a point, it grows right and down with the drag; a point
// left of or above its corner slides that edge there. Fill and the effects work inside it.
#include "editor/canvas_tool.h"

namespace vis {

class SelectionTool : public CanvasTool {
public:
    bool press(Canvas& canvas, EditorState& state, double x, double y) override;
    bool move(Canvas& canvas, EditorState& state, double x, double y) override;
    bool release(Canvas&, EditorState&, double, double) override { return false; }
};

}  // namespace vis
