#include "viewer/viewer_window.h"

#include "catalogue/info_text.h"
#include "catalogue/screenshot_lists.h"
#include "core/main_window_parts.h"
#include "ui/font.h"
#include "ui/text_metrics.h"
#include "ui/window_system.h"
#include "viewer/overlay_text.h"

namespace vis {

namespace {

constexpr int kDisplayFadeMs = 2000;
// Borderless, so never seen on screen; other programs reading the window title still find it.
constexpr const char* kCaption = "Form2";

}  // namespace

ViewerWindow::ViewerWindow(WindowOwner& windows)
    : Form(windows.platform().windows, "ViewerWindow", kCaption),
      img_view(*this, "img_view", false),
      lbl_info(*this, "lbl_info", "画像情報"),
      lbl_cnt(*this, "lbl_cnt", "9999/9999"),
      lbl_err(*this, "lbl_err", "次の画像はありません"),
      tmr_fade(*this, "tmr_fade", kDisplayFadeMs, false),
      windows_(windows) {
    set_border_style(BorderStyle::none);
    const TextMetrics& text = windows_.platform().text;

    img_view.move(0, 0);

    lbl_info.set_visible(false);
    lbl_info.set_font(ms_gothic(14.25, true));
    lbl_info.set_fore_colour(rgb(0, 0, 0));
    lbl_info.set_back_colour(rgb(192, 255, 255));
    fit_to_text(lbl_info, text);

    lbl_cnt.set_alignment(Alignment::right);
    lbl_cnt.set_font(ms_gothic(11.25, true));
    lbl_cnt.set_back_colour(rgb(255, 255, 192));
    fit_to_text(lbl_cnt, text);

    lbl_err.set_visible(false);
    lbl_err.set_alignment(Alignment::centre);
    lbl_err.set_font(ms_gothic(15.75, true));
    lbl_err.set_back_colour(rgb(255, 128, 0));
    fit_to_text(lbl_err, text);

    // Closing the window by the window system's own means closes it as the viewer does.
    on_query_unload = [this] {
        close_view();
        return true;
    };
    on_key_down = [this](int k, int s) { handle_key(k, s); };
    img_view.on_mouse_move = [this](int b, int s, int x, int y) { step_at_edge(b, s, x, y); };
    img_view.on_mouse_down = [this](int b, int s, int x, int y) { menu_on_picture(b, s, x, y); };
    img_view.on_dbl_click = [this] { close_view(); };
    img_view.on_drag_file = [this] { return main().file_to_share(); };
    lbl_info.on_click = [this] { hide_information(); };
    lbl_info.on_mouse_down = [this](int b, int s, int x, int y) { menu_on_information(b, s, x, y); };
    lbl_cnt.on_mouse_move = [this](int b, int s, int x, int y) { show_counter(b, s, x, y); };
    tmr_fade.on_timer = [this] { fade_labels(); };
}

void ViewerWindow::show_full(bool opening) {
    // There is nothing to show without a selected line.
    if (main().lists().in_use().list_index() < 0) return;
    show();
    display_selection();
    if (opening) main().form().set_window_state(WindowState::minimised);
}

void ViewerWindow::follow_selection() {
    if (!visible() || moving_) return;
    ListBox& list = main().lists().in_use();
    const int row = list.list_index();
    if (row < 0) {
        // What was on the screen is gone and nothing took its place.
        close_view();
        return;
    }
    // Lines that came or went elsewhere only move the counter; the labels do not flash up for it.
    if (main().lists().record(list, row) == shown_ && img_view.picture().same_buffer(main().preview_picture())) {
        set_counter(counter_text(row + 1, list.count()));
        return;
    }
    display_selection();
}

void ViewerWindow::display_selection() {
    ListBox& list = main().lists().in_use();
    const int row = list.list_index();
    shown_ = main().lists().record(list, row);
    const Picture& picture = main().preview_picture();
    img_view.set_picture(picture);
    set_window_state(WindowState::maximised);
    const ScreenInfo screen = window_system().screen();
    // Without a picture the bare window stands in for it, so the pointer and the counter keep
    // their places at the screen's edges.
    if (picture.empty())
        img_view.set_bounds({0, 0, client_width(), client_height()});
    else
        img_view.set_bounds({0, 0, natural_width_twips(picture, screen), natural_height_twips(picture, screen)});

    lay_out_information(shown_);
    if (windows_.settings().current().information) lbl_info.set_visible(true);

    lbl_cnt.set_opaque(true);
    set_counter(counter_text(row + 1, list.count()));

    tmr_fade.set_interval(kDisplayFadeMs);
    tmr_fade.set_timer_enabled(false);
    tmr_fade.set_timer_enabled(true);
    if (picture.empty()) show_error(kCannotShowText);
}

void ViewerWindow::set_counter(const std::string& counter) {
    const bool blank = !lbl_cnt.opaque();
    counter_ = counter;
    lbl_cnt.set_caption(counter);
    fit_to_text(lbl_cnt, windows_.platform().text);
    // The counter's right edge meets the picture's, wherever that lies on the screen.
    lbl_cnt.move(img_view.width() - lbl_cnt.width(), 0);
    // Faded, it keeps the counter's size in blanks, as the fade leaves it.
    if (blank) lbl_cnt.set_caption(blanks_for(counter));
}

void ViewerWindow::close_view() {
    // The fade timer keeps running: if it fires now it only hides the hidden labels.
    hide();
    main().form().set_window_state(WindowState::normal);
    main().form().activate();
}

void ViewerWindow::show_information() {
    ListBox& list = main().lists().in_use();
    if (list.list_index() < 0) return;
    lay_out_information(main().lists().record(list, list.list_index()));
    lbl_info.set_visible(true);
}

void ViewerWindow::lay_out_information(const ListedFile& shot) {
    lbl_info.set_caption(name_and_date_text(shot));
    fit_to_text(lbl_info, windows_.platform().text);
    place_centred(lbl_info);
}

void ViewerWindow::place_centred(Label& label) {
    label.move((client_width() - label.width()) / 2, client_height() / 3);
}

}  // namespace vis
