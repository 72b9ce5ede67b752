#include "thumbnails/grid_selection.h"

#include <algorithm>

namespace vis {

void GridSelection::reset(int count) {
    selected_.assign(static_cast<std::size_t>(std::max(count, 0)), 0);
    selected_count_ = 0;
    current_ = anchor_ = -1;
}

void GridSelection::set(int item, bool on) {
    char& flag = selected_[static_cast<std::size_t>(item)];
    if (static_cast<bool>(flag) == on) return;
    flag = on ? 1 : 0;
    selected_count_ += on ? 1 : -1;
}

void GridSelection::clear() {
    std::fill(selected_.begin(), selected_.end(), 0);
    selected_count_ = 0;
}

void GridSelection::click(int item, bool ctrl, bool shift) {
    if (item < 0 || item >= count()) return;
    if (shift && anchor_ >= 0) {
        if (!ctrl) clear();
        for (int i = std::min(anchor_, item); i <= std::max(anchor_, item); ++i) set(i, true);
    } else if (ctrl) {
        set(item, !selected(item));
        anchor_ = item;
    } else {
        clear();
        set(item, true);
        anchor_ = item;
    }
    current_ = item;
}

void GridSelection::select(const std::vector<int>& items) {
    clear();
    current_ = anchor_ = -1;
    for (int item : items)
        if (item >= 0 && item < count()) {
            set(item, true);
            if (current_ < 0) current_ = anchor_ = item;
        }
}

std::vector<int> GridSelection::items() const {
    std::vector<int> items;
    items.reserve(static_cast<std::size_t>(selected_count_));
    for (int i = 0; i < count(); ++i)
        if (selected_[static_cast<std::size_t>(i)]) items.push_back(i);
    return items;
}

}  // namespace vis
