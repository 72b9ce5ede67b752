// The viewer's keys: stepping through the list in use, deleting the shown screenshot, and
// changing the music track.
#include <algorithm>

#include "catalogue/list_line.h"
#include "catalogue/screenshot_delete.h"
#include "catalogue/screenshot_lists.h"
#include "core/main_window.h"
#include "platform/keys.h"
#include "platform/text_metrics.h"
#include "viewer/form2.h"

namespace vis {

namespace {

constexpr const char* kNoticeHeading = "■ ＥＲＲＯＲ ■";
constexpr const char* kNoPrevious = "前の画像はありません";
constexpr const char* kNoNext = "次の画像はありません";
constexpr const char* kCannotShow = "この画像は表示できません";

}  // namespace

void Form2::Form_KeyDown(int key_code, int) {
    // Shift, Ctrl and Alt make no difference.
    switch (key_code) {
        case key::kLeft:
            IMG_PREV();
            break;
        case key::kRight:
            IMG_NEXT();
            break;
        case key::kDelete:
            IMG_DELETE();
            break;
        case key::kF1:
            main().change_bgm();
            break;
        default:
            break;
    }
}

void Form2::IMG_PREV() {
    if (step(-1, Unreadable::step_onto) == Step::unreadable) IMG_ERR(kCannotShow);
}

void Form2::IMG_NEXT() {
    if (step(+1, Unreadable::step_onto) == Step::unreadable) IMG_ERR(kCannotShow);
}

Form2::Step Form2::step(int delta, Unreadable unreadable) {
    ListBox& list = main().lists().in_use();
    const int row = list.list_index();
    // After the only screenshot was deleted there is nothing to step through.
    if (row < 0) return Step::none;
    const int target = row + delta;
    if (target < 0 || target >= list.count()) {
        IMG_ERR(target < 0 ? kNoPrevious : kNoNext);
        return Step::at_end;
    }
    lbl_err.set_visible(false);
    const auto shown_before = main().preview_picture().pixels;
    // The main window's selection handling loads the new preview before this goes on.
    list.set_list_index(target);
    if (main().preview_picture().pixels == shown_before) {
        // Its file could not be decoded and the main window kept the previous preview.
        if (unreadable == Unreadable::stay) {
            const BusyList quiet(list);
            list.set_list_index(row);
            return Step::unreadable;
        }
        // The keys step onto it all the same, so one damaged file never bars the way to the
        // screenshots beyond it; the viewer shows no picture under this file's counter and name
        // rather than another's.
        IMG_FULL(false);
        img_view.set_picture({});
        return Step::unreadable;
    }
    IMG_FULL(false);
    return Step::shown;
}

void Form2::IMG_ERR(const std::string& message) {
    lbl_err.set_caption(std::string(kNoticeHeading) + "\r\n" + message);
    fit_to_text(lbl_err, windows_.platform().text);
    place_centred(lbl_err);
    lbl_err.set_visible(true);
    // Fades with the other labels after the interval now in force.
    tmr_fade.set_timer_enabled(false);
    tmr_fade.set_timer_enabled(true);
}

void Form2::IMG_DELETE() {
    Platform& p = windows_.platform();
    ListBox& list = main().lists().in_use();
    // The question and any report belong to the viewer, above which they must show.
    if (!delete_selected_line(p.prompts, p.files, main().lists(), list, *this)) return;
    if (list.list_index() < 0) {
        // The deleted picture stays on the screen until the viewer is closed.
        main().enable_file_commands(false);
        return;
    }
    main().show_remaining(list);
    IMG_FULL(false);
    if (main().preview_picture().empty()) IMG_ERR(kCannotShow);
}

}  // namespace vis
