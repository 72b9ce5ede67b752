#pragma once
// The splash window shown at start-up: version and notices on a borderless white panel that
// stays on top for about three seconds. Its timer also runs the start-up version check.
#include "core/window_owner.h"
#include "ui/control.h"
#include "ui/form.h"

namespace vis {

class SplashWindow : public Form {
public:
    explicit SplashWindow(WindowOwner& windows);
    // Fills the notices and shows the window modeless; the timer does the rest.
    void open();

    Shape Shape1;
    Shape Shape2;
    Shape Shape3;
    Label lbl_app_info;
    Label lbl_copyright;
    Timer tmr_pos;

    // The first tick puts the window on top, the next hides it; each then checks for a newer
    // version, unless the build names no real update server.
    void advance();
    void startup_version_check();

private:
    enum class Step { put_on_top, fade, done };

    WindowOwner& windows_;
    Step next_ = Step::put_on_top;
};

}  // namespace vis
