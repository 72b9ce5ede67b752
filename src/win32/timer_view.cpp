#include "win32/timer_view.h"

#include <unordered_map>
#include <unordered_set>

namespace vis::win32 {

namespace {

// System timers without a window name their view by their identifier.
std::unordered_map<UINT_PTR, TimerView*>& running_timers() {
    static std::unordered_map<UINT_PTR, TimerView*> timers;
    return timers;
}

// The views that exist: a handler may remove its own timer's view.
std::unordered_set<const TimerView*>& live_views() {
    static std::unordered_set<const TimerView*> views;
    return views;
}

}  // namespace

TimerView::TimerView(FormWindow& window, Timer& timer) : ControlView(window, timer) {
    live_views().insert(this);
}

TimerView::~TimerView() {
    stop();
    live_views().erase(this);
}

void TimerView::detach() {
    stop();
    ControlView::detach();
}

void TimerView::stop() {
    if (id_ == 0) return;
    KillTimer(nullptr, id_);
    running_timers().erase(id_);
    id_ = 0;
}

void TimerView::render() {
    const std::optional<int> countdown = countdown_.restart(static_cast<const Timer&>(*control_));
    if (!countdown) return;
    stop();
    if (*countdown > 0) {
        id_ = SetTimer(nullptr, 0, static_cast<UINT>(*countdown), tick);
        if (id_ != 0) running_timers()[id_] = this;
    }
}

void CALLBACK TimerView::tick(HWND, UINT, UINT_PTR id, DWORD) {
    const auto it = running_timers().find(id);
    if (it == running_timers().end()) return;
    TimerView& view = *it->second;
    // A handler that waits for events must not be entered again by its own timer.
    if (view.ticking_) return;
    view.ticking_ = true;
    view.forward([](Control& c) { run_tick(static_cast<Timer&>(c)); });
    if (live_views().count(&view) != 0) view.ticking_ = false;
}

}  // namespace vis::win32
