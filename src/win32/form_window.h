#pragma once
// The top-level window showing one form: caption, border, size and state, menu bar, controls.
#include <windows.h>

#include <memory>
#include <vector>

#include "ui/form.h"
#include "ui/revision_mark.h"
#include "ui/window_presence.h"
#include "win32/menu_bar.h"

namespace vis::win32 {

class ControlView;
class Win32WindowSystem;

class FormWindow {
public:
    FormWindow(Win32WindowSystem& system, Form& form);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    Win32WindowSystem& system() const { return system_; }
    // nullptr once the form is gone.
    Form* form() const { return form_; }
    // nullptr until the form is first rendered.
    HWND hwnd() const { return hwnd_; }
    HACCEL accelerators() const { return menus_.accelerators(); }

    // The form is being destroyed: forward nothing more to it.
    void detach();
    void hide();
    // Renders what changed in the form, its menus and its controls.
    void sync();
    void show_caption();
    // Gives a key to the form's own handlers; true when one took it.
    bool route_form_key(int code, int shift);
    ControlView* view_of(const Control& c) const;
    // The window a control's window goes into: its container's, or the form's.
    HWND parent_for(const Control& c) const;
    // Whether a label that takes the pointer lies at a point of the screen, beside `beneath` in one
    // parent: a label made after a picture is drawn over it, yet lies below it in the system's order.
    bool pointer_label_over(HWND beneath, POINT screen) const;
    // A point of the client area in twips, on the screen.
    POINT to_screen(int x_twips, int y_twips) const;
    // At the DPI of the monitor the window is on.
    double twips_per_pixel() const { return 1440.0 / dpi_; }
    // Inside a picture at its own size the program counts in the picture's pixels at the scale
    // the screen had when the window was last shown, so what lies on a pixel stays there when the
    // window moves to a monitor of another scale.
    double natural_twips_per_pixel() const { return natural_per_pixel_; }

    static LRESULT CALLBACK window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

private:
    void create();
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
    ControlView* view_of(HWND child) const;
    void sync_controls();
    void sync_window();
    void apply_style(const Form& f);
    void apply_back_colour(const Form& f);
    void apply_size(const Form& f);
    void apply_visibility(const Form& f);
    void sync_focus(const Form& f);
    // On activation the focus goes back to the control that last had it, as in a dialog.
    void remember_focus();
    void restore_focus();
    void rescale(UINT dpi, const RECT& suggested);
    // The frame around a client area of `width` x `height` pixels.
    SIZE frame_size(int width, int height) const;
    // A size the player gave a sizable window goes to its form.
    void report_size(int width, int height);
    // The least size the player may drag the window down to.
    void limit_size(MINMAXINFO& limits) const;

    Win32WindowSystem& system_;
    Form* form_;
    HWND hwnd_ = nullptr;
    MenuBar menus_;
    std::vector<std::unique_ptr<ControlView>> views_;
    HBRUSH back_brush_ = nullptr;
    UINT dpi_ = 96;
    bool rescaling_ = false;
    HWND last_focus_ = nullptr;
    double natural_per_pixel_ = 15.0;

    RevisionMark rendered_;
    DWORD applied_style_ = 0;
    bool applied_topmost_ = false;
    Colour applied_back_ = kDefaultColour;
    bool back_applied_ = false;
    SIZE applied_size_{};
    WindowPresence presence_;
    RevisionMark focused_;
};

}  // namespace vis::win32
