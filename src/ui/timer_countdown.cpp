#include "ui/timer_countdown.h"

namespace vis {

std::optional<int> TimerCountdown::restart(const Timer& timer) {
    if (!generation_.moved_on(timer.generation())) return std::nullopt;
    return timer.timer_enabled() && timer.interval() > 0 ? timer.interval() : 0;
}

void run_tick(Timer& timer) {
    if (timer.timer_enabled() && timer.on_timer) timer.on_timer();
}

}  // namespace vis
