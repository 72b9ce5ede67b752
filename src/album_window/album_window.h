#pragma once
// The album window: screenshots of the game's folder above, the album list below, moved between
// them one at a time or all at once, a preview of the clicked line, and the options and buttons
// that build an HTML thumbnail album from the album list.
#include <string>
#include <utility>
#include <vector>

#include "album/album_writer.h"
#include "catalogue/screenshot_order.h"
#include "core/window_owner.h"
#include "ui/control.h"
#include "ui/form.h"

namespace vis {

class Pacer;

class AlbumWindow : public Form {
public:
    explicit AlbumWindow(WindowOwner& windows);

    // Shows the window over the minimised main window and lists the screenshot folder afresh.
    void open();

    Label Label2;
    Label Label1_0;
    ListBox file_lst;
    Button cmd_send_list;
    Button cmd_send_list_all;
    Button cmd_return_list;
    Button cmd_return_list_all;
    Label Label3;
    Label Label1_1;
    ListBox file_album;
    Frame Frame3;
    ImageBox img_pre;
    Frame Frame2;
    Label Label8;
    ComboBox cmb_pattern;
    Label Label7;
    CheckBox chk_zoom;
    CheckBox chk_link;
    CheckBox chk_date;
    CheckBox chk_file_name;
    Label lbl_border_color;
    ComboBox cmb_border_color;
    Label lbl_con_color;
    ComboBox cmb_con_color;
    Button cmd_copy_create;
    Button cmd_path_create;
    ProgressBar pgb;
    Button cmd_cancel;

    // What the build buttons hand the generator: kAbsolutePathAlbum or kCopyAlbum.
    int create_mode = kCopyAlbum;
    // The window is moving selections itself (loading, moving all, building): list clicks do nothing.
    bool busy() const { return busy_; }

    // Moves the screenshots named that the upper list holds into the album list, as "▽" does
    // one at a time, and selects the last one moved there. Nothing while the window is busy.
    void take_into_album(const std::vector<std::string>& names);

    void screenshot_list_clicked();
    void album_list_clicked();
    void send_to_album();
    void send_all_to_album();
    void return_from_album();
    void return_all_from_album();
    void build_copy_album();
    void build_path_album();
    void cancel();
    bool on_close_request();

private:
    bool busy_ = false;

    // Sets the busy flag and keeps the user's hands off the window's buttons while it lives; the
    // buttons get back the states they had. Events run meanwhile, so nothing may start twice.
    class Busy {
    public:
        explicit Busy(AlbumWindow& form);
        ~Busy();
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

    private:
        AlbumWindow& form_;
        std::vector<std::pair<Button*, bool>> buttons_;
    };

    void lay_out();
    void fill_colours();
    // The upper list from the main window's screenshot listing, read again from disk.
    void load_screenshots();
    // A list click: the pair of buttons that moves lines out of `list` on, the other pair off,
    // and the clicked screenshot previewed.
    void list_clicked(ListBox& list, Button& out_one, Button& out_all, Button& in_one, Button& in_all);
    void preview(const ListedFile& shot);
    // The order a list shows.
    ScreenshotOrder& order_of(const ListBox& list);
    void move_one(ListBox& from, ListBox& to, Button& one, Button& all);
    // Moves every line, a batch at a time between repaints; `prefix` begins the progress caption.
    void move_all(ListBox& from, ListBox& to, Button& one, Button& all, const std::string& prefix);
    // Shows item `done` of `total` on the bar and in the caption.
    void show_progress(const std::string& prefix, int done, int total);
    // Lets the window repaint and the user's input run, when the pacer says so.
    void let_events_run(Pacer& pacer);

    // The two build buttons: ask, build with the generator, report.
    void create_album(int mode, const std::string& question);
    AlbumInput album_input() const;
    void report_failure(const AlbumResult& result);
    // Names the screenshots a finished build left out because they had gone.
    void report_skipped(const AlbumResult& result);
    void offer_to_open(const AlbumResult& result);

    WindowOwner& windows_;
    // Both lists over the records of one reading of the screenshot folder.
    ScreenshotOrder shots_;
    ScreenshotOrder album_;
    OrderLines shots_lines_{shots_, false};
    OrderLines album_lines_{album_, false};
};

}  // namespace vis
