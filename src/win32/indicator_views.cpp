#include "win32/indicator_views.h"

#include <commctrl.h>

#include "win32/wide.h"
#include "win32/window_classes.h"

namespace vis::win32 {

ProgressBarView::ProgressBarView(FormWindow& window, ProgressBar& bar) : ControlView(window, bar) {
    create(PROGRESS_CLASSW, 0);
    SendMessageW(hwnd(), PBM_SETRANGE32, 0, 100);
}

void ProgressBarView::render() {
    SendMessageW(hwnd(), PBM_SETPOS, static_cast<WPARAM>(static_cast<const ProgressBar&>(*control_).value()), 0);
}

FrameView::FrameView(FormWindow& window, Frame& frame) : ControlView(window, frame) {
    create(kPanelClass, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, widen(frame.caption()));
    // Clipped by the controls it holds, which lie over it: its border never paints over them.
    group_ = CreateWindowExW(0, L"BUTTON", widen(frame.caption()).c_str(),
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX, 0, 0, 0, 0, hwnd(), nullptr,
                             GetModuleHandleW(nullptr), nullptr);
}

void FrameView::render() {
    const RECT r = geometry_px();
    SetWindowTextW(group_, widen(static_cast<const Frame&>(*control_).caption()).c_str());
    // Below the controls the frame holds, which are made after it.
    SetWindowPos(group_, HWND_BOTTOM, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE);
    // The controls laid over the frame are made after it, which puts them beneath it: once they
    // are made, the frame goes below them all, so that they take the mouse and show.
    SetWindowPos(hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool FrameView::message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    // The caption is the group box's: it is written in the frame's font, not the system's.
    if (msg == WM_SETFONT) SendMessageW(group_, WM_SETFONT, wp, lp);
    return ControlView::message(msg, wp, lp, result);
}

}  // namespace vis::win32
