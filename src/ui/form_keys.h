#pragma once
// A key that no control kept, or one pressed with no control focused, goes to the form: its
// shortcuts see it first, then its own key handler. The same on every system.
#include <functional>

#include "ui/form.h"

namespace vis {

// Runs a handler of the program as the system runs them (then renders what changed).
using Dispatch = std::function<void(const std::function<void()>&)>;

// True when the form took the key (by the program's code; 0 for a key it has none for). `form` is
// the view's own pointer to its form, nullptr once the form is gone.
bool offer_key_to_form(Form* const& form, int code, int shift, const Dispatch& dispatch);

}  // namespace vis
