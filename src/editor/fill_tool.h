#pragma once
// The fill command: a box in the drawing colour inside the selection, inset 70 twips from its
// left and top and 80 from its right and bottom, drawn with the pen. The selection stays.
#include "editor/canvas.h"
#include "editor/editor_state.h"

namespace vis {

// False, drawing nothing, when there is no selection.
bool fill_selection(Canvas& canvas, const EditorState& state);

}  // namespace vis
