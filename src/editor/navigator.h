#pragma once
// The editor's navigator: a fifth-size picture of the canvas with a view rectangle that scrolls
// the canvas inside a viewport showing one quarter of it. Sizes and positions are twips, worked
// out in single precision as the window lays them out.
#include "ui/control.h"

namespace vis {

struct EditorLayout {
    int navigator_width = 0;
    int navigator_height = 0;
    int view_width = 0;  // the view rectangle, half the navigator each way
    int view_height = 0;
    int viewport_width = 0;  // half the canvas each way
    int viewport_height = 0;
};

EditorLayout editor_layout(int canvas_width, int canvas_height);

struct NavigatorDrag {
    int view_left = 0;
    int view_top = 0;
    int canvas_left = 0;
    int canvas_top = 0;
};

// Where the view rectangle and the canvas go for a pointer at (x, y) as the navigator image
// reports it. The rectangle stops at the navigator's edges; the canvas's top-left corner shows
// when it touches the top-left edge, the canvas's far edge meets the viewport's at the far edge.
NavigatorDrag navigator_drag(float x, float y, const Rect& navigator, int view_width, int view_height, int canvas_width,
                             int canvas_height);

}  // namespace vis
