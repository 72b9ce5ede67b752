#pragma once
// The full-screen viewer: the current screenshot at its natural size on a borderless window that
// covers the screen, with the information label, the counter and the error notice over it.
#include <optional>
#include <string>

#include "catalogue/folder_listing.h"
#include "core/window_owner.h"
#include "ui/control.h"
#include "ui/form.h"

namespace vis {

class MainWindowParts;

class ViewerWindow : public Form {
public:
    explicit ViewerWindow(WindowOwner& windows);

    // --- controls; the labels lie over the picture
    ImageBox img_view;
    Label lbl_info;
    Label lbl_cnt;
    Label lbl_err;
    Timer tmr_fade;

    // Shows the selected line of the main window's list in use with its preview picture.
    void show_full(bool opening);
    void close_view();
    void show_previous();
    void show_next();
    void show_error(const std::string& message);
    void delete_shown();
    // The information label for the selected line, placed as a display places it, made visible.
    void show_information();
    // The main window's selection moved under the viewer (the folder watch, a re-read of the
    // folder, its own list): while shown, the viewer shows what is selected now, so that Delete
    // and the arrows act on what is on the screen; with nothing left selected it closes.
    void follow_selection();

    void handle_key(int key_code, int shift);
    void step_at_edge(int button, int shift, int x, int y);
    void menu_on_picture(int button, int shift, int x, int y);
    void hide_information();
    void menu_on_information(int button, int shift, int x, int y);
    void show_counter(int button, int shift, int x, int y);
    void fade_labels();

private:
    // Selects the line `delta` away in the list in use and displays it, or shows the end notice.
    // A line whose file cannot be decoded is stepped onto with `step_onto` (the keys);
    // with `stay` the selection goes back to where it was (the pointer).
    enum class Unreadable { step_onto, stay };
    void step(int delta, Unreadable unreadable);
    // Moves the selection itself: the main window's word of the move is not followed, as the
    // viewer displays (or stays) once the move is done.
    template <class Move>
    void own_move(Move&& move) {
        moving_ = true;
        move();
        moving_ = false;
    }
    // The selected line with the main window's picture of it, the counter and the information;
    // a line whose picture cannot be shown shows no picture and the notice that says so.
    void display_selection();
    // The counter for the selected line, shown or kept blank as the fade left it.
    void set_counter(const std::string& counter);
    // Sets the information label for a screenshot and centres it at a third of the height.
    void lay_out_information(const ListedFile& shot);
    void place_centred(Label& label);

    MainWindowParts& main() { return windows_.main(); }

    WindowOwner& windows_;
    // The counter for the line on the screen ("3/12 (||||･･････)"), also while it is faded to blanks.
    std::string counter_;
    // The screenshot on the screen as the listing read it, and whether the selection is being
    // moved by the viewer itself.
    ListedFile shown_;
    bool moving_ = false;
};

}  // namespace vis
