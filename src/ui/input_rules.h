#pragma once
// What the user does to a check box, a combo or a scroll bar goes through the model, which decides
// what the control shows; the same on every system.
#include "ui/control.h"

namespace vis {

// The user's click: the box is checked if it was not and cleared if it was, then on_click runs.
void click_check_box(CheckBox& box);

// Typed text stands in an editable combo with no item chosen: a view leaves it as the user types
// it, so the caret keeps its place.
bool shows_typed_text(const ComboBox& combo);

enum class ScrollMove { step, drag, release };
// The user moved a scroll bar to `value`: the held thumb drags it, letting the thumb go ends the
// drag (the value is then the one dragged to), any other move sets the value.
void scroll_bar_moved(ScrollBar& bar, ScrollMove move, int value);

}  // namespace vis
