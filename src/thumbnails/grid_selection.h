#pragma once
// Which thumbnails are selected, as a file manager selects: a click selects one, Ctrl+click adds or
// takes away one, Shift+click selects from the last plain or Ctrl click (the anchor) to the
// clicked one, Ctrl+Shift+click adds that range. Keys move the current one the same way.
#include <vector>

namespace vis {

class GridSelection {
public:
    // `count` items, none selected.
    void reset(int count);
    void click(int item, bool ctrl, bool shift);
    // A key moved to `item`: with Shift the range from the anchor, else `item` alone.
    void move_to(int item, bool shift) { click(item, false, shift); }
    // Exactly these (the items of the files selected before the list changed), the first current.
    void select(const std::vector<int>& items);

    int count() const { return static_cast<int>(selected_.size()); }
    // The item last clicked or moved to; -1 for none.
    int current() const { return current_; }
    bool selected(int item) const { return item >= 0 && item < count() && selected_[item]; }
    // In item order.
    std::vector<int> items() const;
    int selected_count() const { return selected_count_; }

private:
    void set(int item, bool on);
    void clear();

    std::vector<char> selected_;
    int selected_count_ = 0;
    int current_ = -1;
    int anchor_ = -1;
};

}  // namespace vis
