#include "ui/pointer_rules.h"

#include <utility>

#include "ui/keys.h"

namespace vis {

using button::kLeft;
using button::kRight;

PointerRules::PointerRules(Control* const& control, Forward forward, BeyondDragDistance beyond)
    : control_(control), forward_(std::move(forward)), beyond_(std::move(beyond)) {}

PointerAnswer PointerRules::press(const PointerEvent& e, ViewPoint at) {
    if (control_ == nullptr) return {};
    if (e.button == kLeft) {
        left_pressed_ = true;
        press_at_ = at;
    }
    if (control_->on_mouse_down)
        forward_([e](Control& c) {
            if (c.on_mouse_down) c.on_mouse_down(e.button, e.shift, e.x, e.y);
        });
    return {e.button == kRight && right_press_consumed_, {}};
}

PointerAnswer PointerRules::release(const PointerEvent& e, bool inside) {
    if (control_ == nullptr) return {};
    // The release of a double-click, or of a press that became a drag, makes no click.
    const bool click = clicks_ && e.button == kLeft && left_pressed_ && inside;
    if (e.button == kLeft) left_pressed_ = false;
    if (control_->on_mouse_up)
        forward_([e](Control& c) {
            if (c.on_mouse_up) c.on_mouse_up(e.button, e.shift, e.x, e.y);
        });
    if (click && control_ != nullptr && control_->on_click)
        forward_([](Control& c) {
            if (c.on_click) c.on_click();
        });
    return {e.button == kRight && right_press_consumed_, {}};
}

void PointerRules::double_click(int button) {
    if (control_ == nullptr || button != kLeft) return;
    left_pressed_ = false;
    if (control_->on_dbl_click)
        forward_([](Control& c) {
            if (c.on_dbl_click) c.on_dbl_click();
        });
}

PointerAnswer PointerRules::move(const PointerEvent& e, ViewPoint at) {
    if (control_ == nullptr) return {};
    if (control_->on_mouse_move)
        forward_([e](Control& c) {
            if (c.on_mouse_move) c.on_mouse_move(e.button, e.shift, e.x, e.y);
        });
    if (control_ == nullptr || !left_pressed_ || (e.button & kLeft) == 0 || !control_->on_drag_file) return {};
    // Short of the drag distance the press stays a click (or half of a double-click), and the
    // move is the drag's, not the control's own.
    if (!beyond_(at.x - press_at_.x, at.y - press_at_.y)) return {true, {}};
    // The drag takes the release: no click follows it.
    left_pressed_ = false;
    PointerAnswer answer{true, {}};
    // A file that went is reported by the program; nothing empty is ever dragged.
    forward_([&answer](Control& c) {
        if (c.on_drag_file) answer.drag_file = c.on_drag_file();
    });
    return answer;
}

bool PointerRules::key_down(int code, int shift) {
    if (code != 0 && control_ != nullptr && control_->on_key_down)
        forward_([code, shift](Control& c) {
            if (c.on_key_down) c.on_key_down(code, shift);
        });
    // The control's ordinary key behaviour follows, unless the handler took the control away.
    return control_ == nullptr;
}

}  // namespace vis
