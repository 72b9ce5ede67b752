#include "ui/window_presence.h"

namespace vis {

std::optional<WindowState> WindowPresence::state_due(const Form& form, bool showing) {
    if (!showing && form.window_state() == applied_) return std::nullopt;
    applied_ = form.window_state();
    return applied_;
}

bool WindowPresence::first_showing(bool showing) {
    if (!showing || shown_once_) return false;
    shown_once_ = true;
    return true;
}

bool WindowPresence::raise_due(const Form& form) {
    return activated_.moved_on(form.activation()) && form.window_state() != WindowState::minimised;
}

bool covers_screen(const Form& form) {
    return form.window_state() == WindowState::maximised && form.border_style() == BorderStyle::none;
}

}  // namespace vis
