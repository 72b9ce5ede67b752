#include "editor/tools/text_tool.h"

#include "editor/tool_geometry.h"

namespace vis {

bool TextTool::press(Canvas&, EditorState& state, double x, double y) {
    state.overlay.text_colour = state.colour;
    state.overlay.text_at = TwipsPoint{whole_twips(x), whole_twips(y)};
    return false;
}

bool TextTool::move(Canvas&, EditorState& state, double x, double y) {
    state.overlay.text_at = TwipsPoint{whole_twips(x), whole_twips(y)};
    return false;
}

bool insert_text(Canvas& canvas, EditorState& state, TextPainter& painter) {
    if (!state.overlay.text_at) return false;
    canvas.set_current_point(state.overlay.text_at->x, state.overlay.text_at->y);
    canvas.set_font(state.text.font);
    canvas.set_text_colour(state.colour);
    canvas.print(state.text.text, painter);
    state.overlay.text_at.reset();
    state.text.text.clear();
    return true;
}

}  // namespace vis
