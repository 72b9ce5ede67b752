#pragma once
// A timer's countdown as every system runs it: it starts again whenever the model asks for a new
// one (its generation moved on), counts only while enabled with an interval, and a tick runs the
// handler only while the timer is still enabled.
#include <optional>

#include "ui/control.h"
#include "ui/revision_mark.h"

namespace vis {

class TimerCountdown {
public:
    // The countdown to start now, in milliseconds, 0 to stop it; nullopt leaves it as it runs.
    std::optional<int> restart(const Timer& timer);

private:
    RevisionMark generation_;
};

// What a tick of the system's timer does.
void run_tick(Timer& timer);

}  // namespace vis
