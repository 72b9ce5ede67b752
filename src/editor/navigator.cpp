#include "editor/navigator.h"

#include <cmath>
#include <utility>

namespace vis {

namespace {

// The navigator's laid-out offset (120 twips) times its scale (5): the canvas position that
// belongs to a view rectangle at the navigator's own left or top.
constexpr float kOrigin = 600.0f;

int twips(float v) {
    return static_cast<int>(std::lround(v));
}

// One axis of the drag: the rectangle's new start and the canvas's.
std::pair<int, int> drag_axis(float pointer, int start, int length, int view, int canvas) {
    const float p = pointer - static_cast<float>(start);
    const float half = static_cast<float>(view) / 2.0f;
    float at = p - half;
    if (p >= static_cast<float>(length) - half + static_cast<float>(start))
        at = static_cast<float>(length - view + start);
    else if (p <= half + static_cast<float>(start))
        at = static_cast<float>(start);
    const int rect_at = twips(at);
    const float canvas_at =
        kOrigin - static_cast<float>(rect_at) / static_cast<float>(length) * static_cast<float>(canvas);
    return {rect_at, twips(canvas_at)};
}

}  // namespace

EditorLayout editor_layout(int canvas_width, int canvas_height) {
    const float w = static_cast<float>(canvas_width), h = static_cast<float>(canvas_height);
    return {twips(w / 10.0f * 2.0f), twips(h / 10.0f * 2.0f), twips(w / 10.0f),
            twips(h / 10.0f),        twips(w * 0.5f),         twips(h * 0.5f)};
}

NavigatorDrag navigator_drag(float x, float y, const Rect& navigator, int view_width, int view_height, int canvas_width,
                             int canvas_height) {
    if (navigator.width <= 0 || navigator.height <= 0) return {navigator.left, navigator.top, 0, 0};
    const auto [left, canvas_left] = drag_axis(x, navigator.left, navigator.width, view_width, canvas_width);
    const auto [top, canvas_top] = drag_axis(y, navigator.top, navigator.height, view_height, canvas_height);
    return {left, top, canvas_left, canvas_top};
}

}  // namespace vis
