#pragma once
// What part of the grid a window shows, and the thumbnails it asks for: each move of the view asks
// for the cells on screen and a page ahead in the direction it moved, and drops the rest.
#include <string>
#include <utility>

#include "thumbnails/grid_layout.h"
#include "thumbnails/thumbnails.h"
#include "thumbnails/visible_first.h"

namespace vis {

// The screenshots a grid shows, newest first.
class GridItems {
public:
    virtual ~GridItems() = default;
    virtual int count() const = 0;
    virtual int day(int item) const = 0;  // YYYYMMDD
    virtual ThumbKey key(int item) const = 0;
    // The screenshot's list line, which screen readers read for its cell.
    virtual std::string line(int item) const = 0;
};

class ThumbnailView {
public:
    ThumbnailView(const GridItems& items, Thumbnails& thumbnails) : items_(items), thumbnails_(thumbnails) {}

    // Lays the items out again for a view `width` x `height` pixels on a screen of `scale`
    // (dots per inch / 96), keeping the view's top where it can, and asks for what it shows.
    void arrange(int width, int height, double scale);
    // Moves the view (clamped to the scroll range) and asks for what it shows now.
    void scroll(int top);
    // Moves the view the least that shows the item.
    void show_item(int item) { scroll(layout_.scroll_to(item, top_, height_)); }

    int top() const { return top_; }
    int height() const { return height_; }
    const GridLayout& layout() const { return layout_; }
    std::pair<int, int> visible() const { return layout_.items_between(top_, top_ + height_); }

private:
    void ask();

    const GridItems& items_;
    Thumbnails& thumbnails_;
    GridLayout layout_;
    int top_ = 0;
    int height_ = 0;
    ScrollDirection direction_ = ScrollDirection::down;
};

}  // namespace vis
