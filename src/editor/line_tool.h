#pragma once
// The straight line: a rubber band from the press point follows the drag, and the release draws
// the one line in the colour and width current then.
#include "editor/canvas_tool.h"

namespace vis {

class LineTool : public CanvasTool {
public:
    bool press(Canvas& canvas, EditorState& state, double x, double y) override;
    bool move(Canvas& canvas, EditorState& state, double x, double y) override;
    bool release(Canvas& canvas, EditorState& state, double x, double y) override;
};

}  // namespace vis
