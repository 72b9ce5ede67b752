#pragma once
// A timer: a system timer restarted whenever the model asks for a new countdown.
#include "ui/timer_countdown.h"
#include "win32/control_view.h"

namespace vis::win32 {

class TimerView : public ControlView {
public:
    TimerView(FormWindow& window, Timer& timer);
    ~TimerView() override;
    void detach() override;

protected:
    void render() override;

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR id, DWORD);
    void stop();

    UINT_PTR id_ = 0;
    TimerCountdown countdown_;
    bool ticking_ = false;
};

}  // namespace vis::win32
