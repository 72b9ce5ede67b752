#include "thumbnails/visible_first.h"

#include <algorithm>

namespace vis {

std::vector<int> wanted_items(std::pair<int, int> visible, ScrollDirection direction, int count) {
    const int first = std::clamp(visible.first, 0, count);
    const int last = std::clamp(visible.second, first, count);
    const int page = last - first;
    std::vector<int> items;
    items.reserve(static_cast<std::size_t>(page) * 2);
    for (int i = first; i < last; ++i) items.push_back(i);
    if (direction == ScrollDirection::down)
        for (int i = last; i < std::min(last + page, count); ++i) items.push_back(i);
    else
        for (int i = first - 1; i >= std::max(first - page, 0); --i) items.push_back(i);
    return items;
}

}  // namespace vis
