#include "editor/tools/text_tool.h"

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
    if (state.text.outline && !state.text.text.empty()) {
        // The text shifted to every pixel of a round pen's reach: its union is the outline.
        const int w = outline_width(state.text.font.size_pt);
        const double step = canvas.scale_mode() == ScaleMode::twips ? canvas.twips_per_pixel() : 1.0;
        canvas.set_text_colour(contrasting(state.colour));
        for (int dy = -w; dy <= w; ++dy)
            for (int dx = -w; dx <= w; ++dx) {
                if ((dx == 0 && dy == 0) || dx * dx + dy * dy > w * w + w) continue;
                canvas.set_current_point(x + dx * step, y + dy * step);
                canvas.print(state.text.text, painter);
            }
    }
    canvas.set_current_point(x, y);
    canvas.set_text_colour(state.colour);
    canvas.print(state.text.text, painter);
    state.overlay.text_at.reset();
    state.text.text.clear();
    return true;
}

}  // namespace vis
