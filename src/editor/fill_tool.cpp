#include "editor/fill_tool.h"

namespace vis {

bool fill_selection(Canvas& canvas, const EditorState& state) {
    if (!state.overlay.selection) return false;
    const Rect& s = *state.overlay.selection;
    canvas.box_sized(s.left + 70, s.top + 70, s.width - 150, s.height - 150, state.colour);
    return true;
}

}  // namespace vis
