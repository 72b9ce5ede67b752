// The viewer's keys: stepping through the list in use, deleting the shown screenshot, and
// changing the music track.
#include "catalogue/screenshot_delete.h"
#include "catalogue/screenshot_lists.h"
#include "core/main_window_parts.h"
#include "ui/keys.h"
#include "ui/text_metrics.h"
#include "viewer/viewer_window.h"

namespace vis {

namespace {

constexpr const char* kNoticeHeading = "■ ＥＲＲＯＲ ■";
constexpr const char* kNoPrevious = "前の画像はありません";
constexpr const char* kNoNext = "次の画像はありません";

}  // namespace

void ViewerWindow::handle_key(int key_code, int) {
    // Shift, Ctrl and Alt make no difference.
    switch (key_code) {
        case key::kLeft:
            show_previous();
            break;
        case key::kRight:
            show_next();
            break;
        case key::kDelete:
            delete_shown();
            break;
        case key::kF1:
            main().change_bgm();
            break;
        default:
            break;
    }
}

void ViewerWindow::show_previous() {
    step(-1, Unreadable::step_onto);
}

void ViewerWindow::show_next() {
    step(+1, Unreadable::step_onto);
}

void ViewerWindow::step(int delta, Unreadable unreadable) {
    ListBox& list = main().lists().in_use();
    const int row = list.list_index();
    // After the only screenshot was deleted there is nothing to step through.
    if (row < 0) return;
    const int target = row + delta;
    if (target < 0 || target >= list.count()) {
        show_error(target < 0 ? kNoPrevious : kNoNext);
        return;
    }
    lbl_err.set_visible(false);
    // The main window's selection handling loads the new preview before this goes on.
    own_move([&] { list.set_list_index(target); });
    if (main().preview_picture().empty() && unreadable == Unreadable::stay) {
        // The strips belong to the picture shown: the pointer does not step onto one that cannot
        // be shown, and says nothing. The selection goes back with the picture on the screen.
        own_move([&] { list.set_list_index(row); });
        follow_selection();
        return;
    }
    // The keys step onto a file that cannot be shown all the same, so one damaged file never
    // bars the way to the screenshots beyond it; the display says it cannot show it.
    show_full(false);
}

void ViewerWindow::show_error(const std::string& message) {
    lbl_err.set_caption(std::string(kNoticeHeading) + "\r\n" + message);
    fit_to_text(lbl_err, windows_.platform().text);
    place_centred(lbl_err);
    lbl_err.set_visible(true);
    // Fades with the other labels after the interval now in force.
    tmr_fade.set_timer_enabled(false);
    tmr_fade.set_timer_enabled(true);
}

void ViewerWindow::delete_shown() {
    Platform& p = windows_.platform();
    ListBox& list = main().lists().in_use();
    // The question and any report belong to the viewer, above which they must show.
    if (!delete_selected_line(p.prompts, p.files, main().lists(), list, *this)) return;
    if (list.list_index() < 0) {
        // The deleted picture stays on the screen until the viewer is closed.
        main().enable_file_commands(false);
        return;
    }
    own_move([&] { main().show_remaining(list); });
    show_full(false);
}

}  // namespace vis
