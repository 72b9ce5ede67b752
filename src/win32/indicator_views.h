#pragma once
// Controls that show a state: progress bars and group frames.
#include "win32/control_view.h"

namespace vis::win32 {

class ProgressBarView : public ControlView {
public:
    ProgressBarView(FormWindow& window, ProgressBar& bar);

protected:
    void render() override;
};

// A frame is a panel that holds its controls, with a group box drawn across it.
class FrameView : public ControlView {
public:
    FrameView(FormWindow& window, Frame& frame);

protected:
    void render() override;
    bool message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    HWND group_ = nullptr;
};

}  // namespace vis::win32
