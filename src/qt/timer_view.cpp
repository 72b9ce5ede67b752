#include "qt/timer_view.h"

namespace vis {

TimerView::TimerView(FormWindow& window, Timer& timer) : ControlView(window, timer) {
    connect(&timer_, &QTimer::timeout, this, &TimerView::tick);
}

void TimerView::detach() {
    timer_.stop();
    ControlView::detach();
}

void TimerView::render() {
    const std::optional<int> countdown = countdown_.restart(static_cast<const Timer&>(*control_));
    if (!countdown) return;
    if (*countdown > 0)
        timer_.start(*countdown);
    else
        timer_.stop();
}

void TimerView::tick() {
    if (ticking_) return;
    ticking_ = true;
    forward([](Control& c) { run_tick(static_cast<Timer&>(c)); });
    ticking_ = false;
}

}  // namespace vis
