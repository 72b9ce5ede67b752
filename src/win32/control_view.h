#pragma once
// A control's native window: renders the control when its revision changes and forwards the
// user's mouse and key input to the control's handlers.
#include <windows.h>

#include <functional>
#include <string>

#include "ui/control.h"
#include "ui/pointer_rules.h"
#include "ui/revision_mark.h"

namespace vis::win32 {

class FormWindow;
class Win32WindowSystem;

class ControlView {
public:
    ControlView(FormWindow& window, Control& control);
    virtual ~ControlView();
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    // nullptr once the control is gone.
    Control* control() const { return control_; }
    HWND hwnd() const { return hwnd_; }

    virtual void detach() { control_ = nullptr; }
    // Renders the control if it changed since the last time.
    void sync();
    // The window's DPI changed: renders, places and makes the font again at the new one.
    void rescale();

    // Notifications the control's window sends its parent.
    virtual void command(int /*code*/) {}
    // WM_DRAWITEM for an owner-drawn control; true when drawn.
    virtual bool draw_item(const DRAWITEMSTRUCT&) { return false; }
    // WM_NOTIFY from the control's window; true when handled, with the answer in `result`.
    virtual bool notify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    virtual void scroll(int /*code*/) {}
    // The brush for WM_CTLCOLOR*, or nullptr for the system's colours.
    HBRUSH colours(HDC dc);
    // Draws only its text, over whatever lies beneath it.
    virtual bool see_through() const { return false; }

protected:
    virtual void render() = 0;
    // Where the window goes, in its parent's pixels; by default the control's bounds.
    virtual RECT geometry_px() const;
    // Messages to the control's window before its class sees them; true when handled.
    virtual bool message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

    // Makes the control's window (a child of the form or the container), subclassed.
    void create(const wchar_t* window_class, DWORD style, DWORD ex_style = 0, const std::wstring& text = {});
    // Runs a handler of the control (if it still exists), then renders.
    void forward(const std::function<void(Control&)>& handler);
    // Left-button clicks on the window run on_click (labels, images); other kinds have their own.
    void set_clicks_from_mouse(bool on) { pointer_.set_clicks(on); }
    // Right-button presses go to the program only (a list keeps its selection).
    void set_right_press_consumed(bool on) { pointer_.set_right_press_consumed(on); }
    // The pointer stays with the control while a button is held (pictures).
    void set_capture_while_pressed(bool on) { capture_while_pressed_ = on; }
    // Twips per pixel for the control's place and font: the window's DPI, or the screen's inside a
    // picture at its own size.
    double twips_per_pixel() const;

    FormWindow& window_;
    Win32WindowSystem& system_;
    Control* control_;

private:
    static LRESULT CALLBACK subclass_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);
    bool mouse(UINT msg, WPARAM wp, LPARAM lp);
    // Whether a press of `button` takes the pointer so that its moves reach the drag even once
    // the pointer has left the control: a left press, still held, on a control that can be
    // dragged out.
    bool drag_capture(int button) const;
    bool key(WPARAM wp);
    void apply_font();
    // For the pointer's position over the control: a picture at its own size counts in its pixels.
    double pointer_twips_per_pixel() const;

    HWND hwnd_ = nullptr;
    HFONT font_ = nullptr;
    Font applied_font_;
    bool font_applied_ = false;
    HBRUSH back_brush_ = nullptr;
    Colour brush_colour_ = kDefaultColour;
    RevisionMark rendered_;
    PointerRules pointer_;
    bool capture_while_pressed_ = false;
};

// A control with no native look of its own yet: nothing shows, so nothing it lies over is hidden.
class PlainView : public ControlView {
public:
    PlainView(FormWindow& window, Control& control);

protected:
    void render() override {}
};

// The view for a control of any kind, or nullptr for kinds with no window (timers have their own).
std::unique_ptr<ControlView> make_control_view(FormWindow& window, Control& control);

}  // namespace vis::win32
