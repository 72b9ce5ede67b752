#pragma once
// What the logic needs from the window system beyond the controls' properties.
#include <functional>

#include "ui/picture.h"

namespace vis {

class Form;

struct ScreenInfo {
    int width_twips = 19200;   // 1280 px at 15 twips per pixel
    int height_twips = 14400;  // 960 px
    double twips_per_pixel_x = 15.0;
    double twips_per_pixel_y = 15.0;
    // Device pixels per logical pixel; a picture at natural size shows one image pixel per device pixel.
    double device_pixel_ratio = 1.0;
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Forms announce themselves so the backend can render them and feed them events.
    virtual void add_form(Form& f) = 0;
    virtual void remove_form(Form& f) = 0;

    // Told of every caption change; a backend that renders by revision can ignore it.
    virtual void caption_changed(Form&) {}

    virtual ScreenInfo screen() const = 0;
    // Whether the windows shown so far are on the screen with what they show painted. A window
    // system puts a new window there only as its event loop turns (a window manager maps it
    // first), so a long step that must not start before them asks this first.
    virtual bool shown_on_screen() { return true; }
    // Renders what changed and lets pending events run (long loops call it now and then).
    virtual void do_events() = 0;
    // Ends the program at once: no further event reaches the logic.
    virtual void quit() = 0;
    virtual bool quitting() const = 0;
    // Runs `task` on the windows' thread between events, then renders what it changed. Callable
    // from any thread: a worker hands its results back through it. A task posted while the
    // program ends may never run.
    virtual void post(std::function<void()> task) = 0;
};

// The size in twips a picture takes at its natural size on this screen.
inline int natural_width_twips(const Picture& p, const ScreenInfo& s) {
    return static_cast<int>(p.width * s.twips_per_pixel_x / s.device_pixel_ratio + 0.5);
}
inline int natural_height_twips(const Picture& p, const ScreenInfo& s) {
    return static_cast<int>(p.height * s.twips_per_pixel_y / s.device_pixel_ratio + 0.5);
}

}  // namespace vis
