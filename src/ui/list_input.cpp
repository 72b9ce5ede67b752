#include "ui/list_input.h"

namespace vis {

namespace {

bool is_line(const Control* list, int row) {
    return list != nullptr && row >= 0 && row < static_cast<const ListBox*>(list)->count();
}

}  // namespace

ListInput::ListInput(Control* const& list, PointerRules::Forward forward) : list_(list), forward_(std::move(forward)) {}

void ListInput::pressed(int row) {
    if (is_line(list_, row)) forward_([row](Control& c) { static_cast<ListBox&>(c).click_line(row); });
}

bool ListInput::highlight_moved(int row) {
    if (quiet_ || !is_line(list_, row)) return false;
    forward_([row](Control& c) { static_cast<ListBox&>(c).set_list_index(row); });
    return true;
}

int row_after_changes(int row, const std::vector<ListBox::LineChange>& changes) {
    using Kind = ListBox::LineChange::Kind;
    for (const ListBox::LineChange& c : changes) {
        if (row < 0 || c.kind == Kind::reset) return -1;
        if (c.kind == Kind::inserted && c.row <= row) ++row;
        if (c.kind == Kind::removed && c.row < row)
            --row;
        else if (c.kind == Kind::removed && c.row == row)
            row = -1;
    }
    return row;
}

}  // namespace vis
