#include "editor/canvas_tool.h"

#include "editor/line_tool.h"
#include "editor/pencil_tool.h"
#include "editor/selection_tool.h"
#include "editor/text_tool.h"

namespace vis {

namespace {

CanvasTool& tool_of(ToolKind kind) {
    static SelectionTool selection;
    static PencilTool pencil;
    static LineTool line;
    static TextTool text;
    switch (kind) {
        case ToolKind::select:
            return selection;
        case ToolKind::line:
            return line;
        case ToolKind::text:
            return text;
        case ToolKind::pencil:
            break;
    }
    return pencil;
}

}  // namespace

ToolResult tool_press(Canvas& canvas, EditorState& state, double x, double y) {
    canvas.set_draw_width(state.width);
    // Moves the current point only.
    canvas.set_draw_mode(DrawMode::no_op);
    canvas.pset(x, y, state.colour);
    canvas.set_draw_mode(DrawMode::copy);
    ToolResult result;
    result.drew = tool_of(state.tool).press(canvas, state, x, y);
    result.ask_text = state.tool == ToolKind::text;
    if (state.tool != ToolKind::select) state.overlay.selection.reset();
    state.pressed = true;
    result.overlay = state.overlay;
    return result;
}

ToolResult tool_move(Canvas& canvas, EditorState& state, double x, double y) {
    ToolResult result;
    if (state.pressed) {
        canvas.set_draw_width(state.width);
        result.drew = tool_of(state.tool).move(canvas, state, x, y);
    }
    result.overlay = state.overlay;
    return result;
}

ToolResult tool_release(Canvas& canvas, EditorState& state, double x, double y) {
    ToolResult result;
    result.drew = tool_of(state.tool).release(canvas, state, x, y);
    state.pressed = false;
    state.overlay.line.reset();
    result.overlay = state.overlay;
    return result;
}

Overlay tool_cancel(EditorState& state) {
    state.overlay.line.reset();
    state.overlay.selection.reset();
    state.pressed = false;
    return state.overlay;
}

}  // namespace vis
