#include "editor/selection_tool.h"

#include "editor/tool_geometry.h"

namespace vis {

bool SelectionTool::press(Canvas&, EditorState& state, double x, double y) {
    state.overlay.selection_colour = state.colour;
    state.overlay.selection = Rect{whole_twips(x), whole_twips(y), 1, 1};
    return false;
}

bool SelectionTool::move(Canvas&, EditorState& state, double x, double y) {
    // Dropped meanwhile by the cancel command: nothing to drag.
    if (state.overlay.selection)
        state.overlay.selection = drag_selection(*state.overlay.selection, whole_twips(x), whole_twips(y));
    return false;
}

}  // namespace vis
