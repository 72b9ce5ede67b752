#include "core/window_owner.h"

#include <vector>

namespace vis {

WindowOwner::WindowOwner(Platform& platform) : platform_(platform), settings_(platform) {}

WindowOwner::~WindowOwner() {
    // Later windows may refer to earlier ones (every window to the main one): newest go first.
    for (auto& [type, slot] : slots_) slot.retired.reset();
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) slots_.at(*it).form.reset();
}

Form& WindowOwner::make_if_missing(std::type_index type) {
    Slot& slot = slots_.at(type);
    if (!slot.form) {
        slot.retired.reset();
        slot.form = slot.make(*this);
        std::erase(made_, type);
        made_.push_back(type);
    }
    return *slot.form;
}

Form* WindowOwner::existing(std::type_index type) {
    const auto it = slots_.find(type);
    return it == slots_.end() ? nullptr : it->second.form.get();
}

void WindowOwner::retire(std::type_index type) {
    const auto it = slots_.find(type);
    if (it == slots_.end() || !it->second.form) return;
    Form& form = *it->second.form;
    form.hide();
    // A window on its way out runs no more timers.
    for (Control* c : form.controls())
        if (c->kind() == ControlKind::timer) static_cast<Timer*>(c)->set_timer_enabled(false);
    it->second.retired = std::move(it->second.form);
}

}  // namespace vis
