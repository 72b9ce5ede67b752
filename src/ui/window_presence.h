#pragma once
// How a form's window shows, the same on every system. The program's window state is applied as
// the window shows and whenever the program changes it, never on another render, so a window the
// user minimised stays so while the program changes its caption. The window is placed the first
// time it shows only, and comes to the front when the program shows or activates it, unless it is
// minimised.
#include <optional>

#include "ui/form.h"
#include "ui/revision_mark.h"

namespace vis {

class WindowPresence {
public:
    // The state to put the window in now; `showing`: the window is about to show.
    std::optional<WindowState> state_due(const Form& form, bool showing);
    // True as the window shows for the first time, when it is placed.
    bool first_showing(bool showing);
    // The window is to come to the front now.
    bool raise_due(const Form& form);

private:
    WindowState applied_ = WindowState::normal;
    bool shown_once_ = false;
    RevisionMark activated_;
};

// A borderless maximised window covers its whole screen, taskbar included.
bool covers_screen(const Form& form);

}  // namespace vis
