#pragma once
// Which thumbnails to decode for a view, most wanted first.
#include <utility>
#include <vector>

namespace vis {

enum class ScrollDirection { down, up };

// For a view showing items [visible.first, visible.second) of `count`: those on screen from the
// top, then as many again (a page) ahead in the direction the view last moved, nearest first.
std::vector<int> wanted_items(std::pair<int, int> visible, ScrollDirection direction, int count);

}  // namespace vis
