#include "editor/text_tool.h"

#include <algorithm>
#include <cmath>

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

int outline_width(double size_pt) {
    return std::clamp(static_cast<int>(std::ceil(size_pt / 14)), 1, 3);
}

bool insert_text(Canvas& canvas, EditorState& state, TextPainter& painter) {
    if (!state.overlay.text_at) return false;
    const double x = state.overlay.text_at->x, y = state.overlay.text_at->y;
    canvas.set_font(state.text.font);
    canvas.set_current_point(x, y);
    if (state.text.outline)
        canvas.print_rim(state.text.text, painter, contrasting(state.colour), outline_width(state.text.font.size_pt));
    canvas.set_text_colour(state.colour);
    canvas.print(state.text.text, painter);
    state.overlay.text_at.reset();
    state.text.text.clear();
    return true;
}

}  // namespace vis
