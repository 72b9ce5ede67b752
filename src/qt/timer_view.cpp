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
    const auto& model = static_cast<const Timer&>(*control_);
    if (model.generation() == generation_) return;
    generation_ = model.generation();
    if (model.timer_enabled() && model.interval() > 0)
        timer_.start(model.interval());
    else
        timer_.stop();
}

void TimerView::tick() {
    if (ticking_) return;
    ticking_ = true;
    forward([](Control& c) {
        auto& t = static_cast<Timer&>(c);
        if (t.timer_enabled() && t.on_timer) t.on_timer();
    });
    ticking_ = false;
}

}  // namespace vis
