#pragma once
#include <QTimer>

#include "qt/control_view.h"
#include "ui/timer_countdown.h"

namespace vis {

// A Timer as a QTimer, restarted whenever the model asks the countdown to start again. A tick
// that comes while the previous tick's handler still runs (in a dialog) is skipped.
class TimerView : public ControlView {
    Q_OBJECT
public:
    TimerView(FormWindow& window, Timer& timer);
    void detach() override;
    bool active() const { return timer_.isActive(); }
    int interval() const { return timer_.interval(); }

protected:
    void render() override;

private:
    void tick();

    QTimer timer_;
    TimerCountdown countdown_;
    bool ticking_ = false;
};

}  // namespace vis
