#include "ui/input_rules.h"

namespace vis {

void click_check_box(CheckBox& box) {
    box.set_value(!box.value());
    if (box.on_click) box.on_click();
}

bool shows_typed_text(const ComboBox& combo) {
    return combo.editable() && combo.list_index() < 0;
}

void scroll_bar_moved(ScrollBar& bar, ScrollMove move, int value) {
    switch (move) {
        case ScrollMove::step:
            bar.set_value(value);
            break;
        case ScrollMove::drag:
            bar.drag_to(value);
            break;
        case ScrollMove::release:
            bar.end_drag();
            break;
    }
}

}  // namespace vis
