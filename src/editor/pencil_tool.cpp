#include "editor/pencil_tool.h"

namespace vis {

bool PencilTool::press(Canvas& canvas, EditorState& state, double x, double y) {
    canvas.line_to(x, y, state.colour);
    return true;
}

bool PencilTool::move(Canvas& canvas, EditorState& state, double x, double y) {
    canvas.line_to(x, y, state.colour);
    return true;
}

}  // namespace vis
