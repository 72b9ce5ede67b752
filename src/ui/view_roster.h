#pragma once
// A window's views follow its form's controls, the same on every system: the view of a control
// that went is let go; each control without a view gets one, in the form's order, so that later
// controls lie on top and a container has its view before the controls it holds; then every view
// shows what changed.
#include <algorithm>
#include <cstddef>
#include <vector>

#include "ui/control.h"

namespace vis {

// `ViewPtr` points at a view with control() (nullptr once let go) and sync(); `make` makes the
// view of a control, `let_go` tells a view its control went before the view is dropped.
template <class ViewPtr, class Make, class LetGo>
void follow_controls(std::vector<ViewPtr>& views, const std::vector<Control*>& controls, Make make, LetGo let_go) {
    std::erase_if(views, [&](ViewPtr& v) {
        if (std::find(controls.begin(), controls.end(), v->control()) != controls.end()) return false;
        let_go(v);
        return true;
    });
    for (Control* c : controls)
        if (std::none_of(views.begin(), views.end(), [c](const ViewPtr& v) { return v->control() == c; }))
            views.push_back(make(*c));
    // By index: should a render add views, they render too and no view is read from a moved vector.
    for (std::size_t i = 0; i < views.size(); ++i) views[i]->sync();
}

}  // namespace vis
