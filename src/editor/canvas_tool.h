#pragma once
// The pointer's tools on the canvas: a press, moves and a release at drawing points (canvas
// twips), each changing the canvas and the editor state and answering what the window must draw.
#include "editor/canvas.h"
#include "editor/editor_state.h"

namespace vis {

struct ToolResult {
    Overlay overlay;
    // The canvas changed: the window shows it.
    bool drew = false;
    // The text tool asks for the text dialog.
    bool ask_text = false;
};

// One tool's own part of a press, move and release; the steps every tool shares are the
// functions below.
class CanvasTool {
public:
    virtual ~CanvasTool() = default;
    virtual bool press(Canvas& canvas, EditorState& state, double x, double y) = 0;
    virtual bool move(Canvas& canvas, EditorState& state, double x, double y) = 0;
    virtual bool release(Canvas& canvas, EditorState& state, double x, double y) = 0;
};

// A press of the left or middle button with the current tool: the pen takes the width, the
// canvas's current point moves to the point, the tool acts, and any tool but the selection
// drops the selection.
ToolResult tool_press(Canvas& canvas, EditorState& state, double x, double y);
// Only while a button is held.
ToolResult tool_move(Canvas& canvas, EditorState& state, double x, double y);
// Ends the drag and any line in progress.
ToolResult tool_release(Canvas& canvas, EditorState& state, double x, double y);
// The cancel command: drops the selection and any line in progress, never touching pixels.
Overlay tool_cancel(EditorState& state);

}  // namespace vis
