#pragma once
// How a control answers the pointer and the keys, the same on every system: which handlers a
// press, release, double-click, move or key runs and in what order, when a press and a release
// make a click, and when a held press becomes a drag out of the control. A view turns its
// system's events into these calls and does what the answer says.
#include <functional>
#include <string>

#include "ui/control.h"

namespace vis {

// One pointer event in the program's terms: the button (1 left, 2 right, 4 middle; for a move the
// buttons held), the shift state, the position in twips relative to the control.
struct PointerEvent {
    int button = 0;
    int shift = 0;
    int x = 0;
    int y = 0;
};

// A position in the view's own pixels, to measure how far the pointer went since a press.
struct ViewPoint {
    int x = 0;
    int y = 0;
};

struct PointerAnswer {
    // The system's own handling of the event is left out.
    bool consumed = false;
    // A drag out of the control starts, carrying this file; empty: no drag.
    std::string drag_file;
};

class PointerRules {
public:
    // Runs a handler of the control, if the control still exists, as the system runs the
    // program's handlers.
    using Forward = std::function<void(const std::function<void(Control&)>&)>;
    // Whether the pointer went far enough from the press to start a drag, by the system's measure.
    using BeyondDragDistance = std::function<bool(int dx, int dy)>;

    // `control` is the view's own pointer to its control, nullptr once the control is gone.
    PointerRules(Control* const& control, Forward forward, BeyondDragDistance beyond);

    // A left press and release on the control run on_click (labels, images); other kinds have
    // their own clicks.
    void set_clicks(bool on) { clicks_ = on; }
    // Right-button presses and releases go to the program only (a list keeps its selection).
    void set_right_press_consumed(bool on) { right_press_consumed_ = on; }

    PointerAnswer press(const PointerEvent& event, ViewPoint at);
    // `inside`: the pointer is over the control as the button comes up.
    PointerAnswer release(const PointerEvent& event, bool inside);
    // The second press of a double-click; only the left button's counts.
    void double_click(int button);
    PointerAnswer move(const PointerEvent& event, ViewPoint at);
    // A key (by the program's code; 0 for a key it has none for) that the window's own handling
    // left to the control; true when the control went meanwhile, so that the system's handling of
    // the key is left out.
    bool key_down(int code, int shift);

    // A left press that may still become a click or a drag.
    bool left_pressed() const { return left_pressed_; }

private:
    Control* const& control_;
    Forward forward_;
    BeyondDragDistance beyond_;
    bool clicks_ = false;
    bool right_press_consumed_ = false;
    bool left_pressed_ = false;
    ViewPoint press_at_;
};

}  // namespace vis
