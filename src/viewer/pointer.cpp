// The viewer's mouse: stepping at the picture's edges, the pop-up menu, closing, and the fade
// of the labels.
#include "catalogue/screenshot_lists.h"
#include "core/main_window_parts.h"
#include "ui/keys.h"
#include "ui/text_metrics.h"
#include "viewer/overlay_text.h"
#include "viewer/viewer_window.h"

namespace vis {

namespace {

// Width of the strips at the picture's left and right edges that step.
constexpr int kEdgeZone = 100;
constexpr int kHoverFadeMs = 5000;

}  // namespace

void ViewerWindow::step_at_edge(int, int, int x, int) {
    // Each move inside a strip steps once; a picture that cannot be shown is not stepped onto.
    if (x <= kEdgeZone)
        step(-1, Unreadable::stay);
    else if (x >= img_view.width() - kEdgeZone && x < img_view.width())
        step(+1, Unreadable::stay);
}

void ViewerWindow::menu_on_picture(int button, int, int x, int y) {
    if (button == button::kRight)
        windows_.platform().prompts.popup_menu(main().full_menu(), *this, img_view.left() + x, img_view.top() + y);
}

void ViewerWindow::hide_information() {
    lbl_info.set_visible(false);
}

void ViewerWindow::menu_on_information(int button, int, int x, int y) {
    if (button == button::kRight)
        windows_.platform().prompts.popup_menu(main().full_menu(), *this, lbl_info.left() + x, lbl_info.top() + y);
}

void ViewerWindow::show_counter(int, int, int, int) {
    tmr_fade.set_interval(kHoverFadeMs);
    tmr_fade.set_timer_enabled(true);
    lbl_cnt.set_caption(counter_);
    fit_to_text(lbl_cnt, windows_.platform().text);
    lbl_cnt.set_opaque(true);
}

void ViewerWindow::fade_labels() {
    tmr_fade.set_timer_enabled(false);
    if (lbl_cnt.opaque()) {
        // The label keeps its size, so the pointer still finds it where the counter was.
        lbl_cnt.set_caption(blanks_for(counter_));
        lbl_cnt.set_opaque(false);
    }
    lbl_info.set_visible(false);
    lbl_err.set_visible(false);
}

}  // namespace vis
