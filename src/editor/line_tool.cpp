#include "editor/line_tool.h"

#include "editor/tool_geometry.h"

namespace vis {

bool LineTool::press(Canvas&, EditorState& state, double x, double y) {
    const TwipsPoint end{whole_twips(x), whole_twips(y)};
    state.overlay.line_colour = state.colour;
    state.overlay.line_width = state.width;
    const TwipsPoint start = state.overlay.line ? state.overlay.line->first : end;
    state.overlay.line = {start, end};
    return false;
}

bool LineTool::move(Canvas&, EditorState& state, double x, double y) {
    if (state.overlay.line) state.overlay.line->second = {whole_twips(x), whole_twips(y)};
    return false;
}

bool LineTool::release(Canvas& canvas, EditorState& state, double x, double y) {
    // A line dropped by the cancel command, or never started, draws nothing.
    if (!state.overlay.line) return false;
    const TwipsPoint start = state.overlay.line->first;
    canvas.set_draw_width(state.width);
    canvas.line(start.x, start.y, x, y, state.colour);
    return true;
}

}  // namespace vis
