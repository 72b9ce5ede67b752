// The viewer's keys: stepping through the list in use, deleting the shown screenshot, and
// changing the music track.
#include <algorithm>

#include "catalogue/list_line.h"
#include "core/form1.h"
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
            if (main_.mBGMPlay.checked()) main_.change_bgm();
            break;
        default:
            break;
    }
}

void Form2::IMG_PREV() {
    if (step(-1) == Step::unreadable) IMG_ERR(kCannotShow);
}

void Form2::IMG_NEXT() {
    if (step(+1) == Step::unreadable) IMG_ERR(kCannotShow);
}

Form2::Step Form2::step(int delta) {
    ListBox& list = main_.list_in_use();
    const int row = list.list_index();
    // After the only screenshot was deleted there is nothing to step through.
    if (row < 0) return Step::none;
    const int target = row + delta;
    if (target < 0 || target >= list.count()) {
        IMG_ERR(target < 0 ? kNoPrevious : kNoNext);
        return Step::at_end;
    }
    lbl_err.set_visible(false);
    const auto shown_before = main_.img_pre.picture().pixels;
    // The main window's selection handling loads the new preview before this goes on.
    list.set_list_index(target);
    if (main_.img_pre.picture().pixels == shown_before) {
        // Its file could not be decoded and the main window kept the previous preview: go back
        // to the line that picture belongs to.
        list.set_tag("not");
        list.set_list_index(row);
        list.set_tag("");
        return Step::unreadable;
    }
    IMG_FULL(false);
    return Step::shown;
}

void Form2::IMG_ERR(const std::string& message) {
    lbl_err.set_caption(std::string(kNoticeHeading) + "\r\n" + message);
    fit_to_text(lbl_err, main_.platform().text);
    place_centred(lbl_err);
    lbl_err.set_visible(true);
    // Fades with the other labels after the interval now in force.
    tmr_fade.set_timer_enabled(false);
    tmr_fade.set_timer_enabled(true);
}

void Form2::IMG_DELETE() {
    ListBox& list = main_.list_in_use();
    const int row = list.list_index();
    if (row < 0) return;
    const std::string name = line_name(list.item(row));
    if (!main_.ask_delete(name, *this)) return;
    // A file that stays is reported there, and its line stays with it.
    if (!main_.delete_screenshot(name)) return;

    list.set_tag("not");
    ListBox& other = main_.other_list(list);
    other.remove_item(other.count() - 1 - row);
    list.remove_item(row);
    main_.file_path.refresh();
    // The line that followed takes the deleted one's place; after the last line, the new last.
    list.set_list_index(std::min(row, list.count() - 1));
    list.set_tag("");

    if (list.list_index() >= 0) {
        main_.show_pre_info(list);
        IMG_FULL(false);
    } else {
        // The deleted picture stays on the screen until the viewer is closed.
        main_.mSave.set_enabled(false);
        main_.mClipboard.set_enabled(false);
    }
}

}  // namespace vis
