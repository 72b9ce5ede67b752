#include "win32/free_place.h"

#include <algorithm>

namespace vis::win32 {

namespace {

// A window larger than the area keeps its top-left corner (and its caption) in it.
POINT centred_in(SIZE size, const RECT& area) {
    return {area.left + std::max(0L, (area.right - area.left - size.cx) / 2),
            area.top + std::max(0L, (area.bottom - area.top - size.cy) / 2)};
}

bool holds(const RECT& area, SIZE size) {
    return area.right - area.left >= size.cx && area.bottom - area.top >= size.cy;
}

}  // namespace

POINT free_place(SIZE size, const RECT& work, const std::vector<RECT>& taken) {
    RECT used{};
    for (const RECT& r : taken) {
        RECT inside;
        if (!IntersectRect(&inside, &r, &work)) continue;
        if (IsRectEmpty(&used))
            used = inside;
        else
            UnionRect(&used, &used, &inside);
    }
    if (IsRectEmpty(&used)) return centred_in(size, work);
    const RECT bands[] = {
        {work.left, work.top, work.right, used.top},
        {work.left, used.bottom, work.right, work.bottom},
        {work.left, work.top, used.left, work.bottom},
        {used.right, work.top, work.right, work.bottom},
    };
    for (const RECT& band : bands)
        if (holds(band, size)) return centred_in(size, band);
    return centred_in(size, work);
}

}  // namespace vis::win32
