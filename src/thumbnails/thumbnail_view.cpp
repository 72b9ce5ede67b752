#include "thumbnails/thumbnail_view.h"

#include <algorithm>
#include <vector>

namespace vis {

void ThumbnailView::arrange(int width, int height, double scale) {
    height_ = std::max(height, 0);
    layout_.arrange(
        items_.count(), [this](int i) { return items_.day(i); }, width, GridMetrics::scaled(scale));
    const GridMetrics& m = layout_.metrics();
    thumbnails_.set_box(m.picture_width, m.picture_height);
    // What is on screen and the page ahead stay kept, and no more: a page left behind comes back
    // from the disk cache in a fraction of a millisecond a thumbnail.
    const int page = layout_.columns() * (height_ / m.row_height() + 2);
    thumbnails_.cache().set_capacity(static_cast<std::size_t>(2 * page));
    top_ = std::clamp(top_, 0, layout_.max_top(height_));
    ask();
}

void ThumbnailView::scroll(int top) {
    top = std::clamp(top, 0, layout_.max_top(height_));
    if (top != top_) direction_ = top > top_ ? ScrollDirection::down : ScrollDirection::up;
    top_ = top;
    ask();
}

void ThumbnailView::ask() {
    const std::vector<int> wanted = wanted_items(visible(), direction_, layout_.count());
    std::vector<ThumbKey> keys;
    keys.reserve(wanted.size());
    for (int item : wanted) keys.push_back(items_.key(item));
    thumbnails_.want(keys);
}

}  // namespace vis
