#pragma once
// What a player does with the full-screen viewer and sees on it, in the player's words: the
// picture, the information, counter and notice over it, the keys and the pointer.
#include <string>

#include "support/headless.h"
#include "ui/keys.h"
#include "viewer/viewer_window.h"

namespace vis::test {

class ViewerSurface {
public:
    explicit ViewerSurface(ViewerWindow& window) : w_(window) {}
    ViewerWindow& window() { return w_; }
    bool shown() const { return w_.visible(); }

    // --- the picture, at its natural size
    const Picture& picture() const { return w_.img_view.picture(); }
    // Its width in pixels (each test screenshot has its own); 0 when it shows none.
    int picture_width() const { return w_.img_view.picture().width; }
    // Where the picture lies on the screen, in twips.
    Rect picture_box() const { return w_.img_view.bounds(); }
    bool picture_stretched() const { return w_.img_view.stretch(); }
    // The file a drag out of the picture hands over.
    std::string drag_picture() { return w_.img_view.on_drag_file(); }

    // --- the texts over it: each one's text, whether it shows, and where
    std::string information() const { return w_.lbl_info.caption(); }
    bool information_shown() const { return w_.lbl_info.visible(); }
    Rect information_box() const { return w_.lbl_info.bounds(); }
    const Font& information_font() const { return w_.lbl_info.font(); }
    // The counter stays in place when it fades: its text turns to blanks on a clear ground.
    std::string counter() const { return w_.lbl_cnt.caption(); }
    bool counter_shown() const { return w_.lbl_cnt.visible(); }
    bool counter_opaque() const { return w_.lbl_cnt.opaque(); }
    Rect counter_box() const { return w_.lbl_cnt.bounds(); }
    std::string notice() const { return w_.lbl_err.caption(); }
    bool notice_shown() const { return w_.lbl_err.visible(); }
    Rect notice_box() const { return w_.lbl_err.bounds(); }
    // The time until the texts fade, in ms; 0 when no fade is due.
    int fade_due() const { return w_.tmr_fade.timer_enabled() ? w_.tmr_fade.interval() : 0; }

    // --- keys and the pointer
    void press(int key_code, int shift = 0) { press_key(w_, key_code, shift); }
    // The pointer moves over the picture (at its edges it steps), with a button held or none.
    void move_over_picture(int x, int y, int button = 0) { mouse_move(w_.img_view, x, y, button); }
    void press_on_picture(int button, int x, int y) { mouse_down(w_.img_view, button, x, y); }
    void press_on_information(int button, int x, int y) { mouse_down(w_.lbl_info, button, x, y); }
    void click_information() { click(w_.lbl_info); }
    void move_over_counter(int x, int y) { mouse_move(w_.lbl_cnt, x, y); }
    // A double-click on the picture closes the viewer.
    void double_click() { dbl_click(w_.img_view); }

private:
    ViewerWindow& w_;
};

}  // namespace vis::test
