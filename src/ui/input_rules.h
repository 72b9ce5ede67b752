#pragma once
// What the user does to a check box or types into a combo goes through the model, which decides
// what the control shows; the same on every system.
#include "ui/control.h"

namespace vis {

// The user's click: the box is checked if it was not and cleared if it was, then on_click runs.
void click_check_box(CheckBox& box);

// Typed text stands in an editable combo with no item chosen: a view leaves it as the user types
// it, so the caret keeps its place.
bool shows_typed_text(const ComboBox& combo);

}  // namespace vis
