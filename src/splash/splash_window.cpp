#include "splash/splash_window.h"

#include <string>

#include "core/app.h"
#include "core/credits.h"
#include "settings_dialog/update_check.h"

namespace vis {

namespace {

constexpr int kFadeAfterMs = 3000;

// False for an empty server or the placeholder a build gets when none is given: asking it at
// every start could only ever report that the network is unreachable.
bool update_server_configured(const std::string& server) {
    return !server.empty() && server != VISTELLE_PLACEHOLDER_SERVER;
}

}  // namespace

SplashWindow::SplashWindow(WindowOwner& windows)
    : Form(windows.platform().windows, "SplashWindow", "Pelmarオンライン - Vistelle"),
      Shape1(*this, "Shape1"),
      Shape2(*this, "Shape2"),
      Shape3(*this, "Shape3"),
      lbl_app_info(*this, "lbl_app_info"),
      lbl_copyright(*this, "lbl_copyright"),
      tmr_pos(*this, "tmr_pos", 1, true),
      windows_(windows) {
    set_border_style(BorderStyle::none);
    set_back_colour(rgb(255, 255, 255));
    set_client_size(9615, 4095);
    set_centred(true);
    set_min_button(false);

    Shape1.set_bounds({0, 0, 9615, 4095});
    Shape2.set_bounds({120, 120, 9375, 2175});
    Shape3.set_bounds({120, 2400, 9375, 1575});
    for (Label* l : {&lbl_app_info, &lbl_copyright}) {
        l->set_font(ms_gothic(9.0, true));
        l->set_opaque(false);
    }
    lbl_app_info.set_bounds({120, 120, 9375, 2175});
    lbl_copyright.set_bounds({120, 2400, 9375, 1455});

    tmr_pos.on_timer = [this] { advance(); };
}

void SplashWindow::open() {
    lbl_app_info.set_caption(std::string(48, ' ') + "(v" + kVersion + ")\r\n" +  //
                             "　\r\n" +                                          //
                             kCreditLine + "\r\n" +                              //
                             "　\r\n" +                                          //
                             "\r\n" +                                            //
                             kCopyrightLine);
    lbl_copyright.set_caption(joined_notice(kGameNoticeParts, "\r\n"));
    show();
}

void SplashWindow::advance() {
    switch (next_) {
        case Step::put_on_top:
            set_topmost(true);
            next_ = Step::fade;
            tmr_pos.set_interval(kFadeAfterMs);
            break;
        case Step::fade:
            tmr_pos.set_timer_enabled(false);
            hide();
            next_ = Step::done;
            break;
        case Step::done:
            return;
    }
    startup_version_check();
}

void SplashWindow::startup_version_check() {
    Platform& p = windows_.platform();
    if (!update_server_configured(p.update_server)) return;
    const std::string current = kVersion;
    const UpdateCheck check = check_for_update(p, current);
    if (check.status == UpdateStatus::no_answer) {
        report_no_network(p.prompts, *this);
    } else if (check.status == UpdateStatus::newer) {
        hide();
        offer_download(p, check, current, *this);
    }
}

}  // namespace vis
