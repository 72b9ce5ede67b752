#pragma once
// The thumbnail window: every screenshot of the listing as a thumbnail, newest first under a
// header for each day, following the folder as the main lists do. Its selection is the main
// window's: a click selects there too, and a click there shows the thumbnail here. Enter or a
// double-click opens the viewer, Delete deletes every selected screenshot after one question, and
// "アルバムへ" sends them to the album window's list. The player may size or maximise the window:
// the grid fills it below the top row, with as many cells a row as its width holds.
#include <string>
#include <vector>

#include "core/window_owner.h"
#include "thumbnails/thumbnail_grid.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/picture_grid.h"

namespace vis {

class ThumbnailWindow : public Form {
public:
    // How long the choice rests before the main window previews it.
    static constexpr int kPreviewAfterMs = 120;

    explicit ThumbnailWindow(WindowOwner& windows);

    Button cmd_album;
    Label lbl_count;
    PictureGrid grid;
    Timer tmr_follow;
    Timer tmr_preview;

    // Shows the window with the main list's screenshot selected.
    void open();
    // The main list chose a screenshot: it is selected and shown here too.
    void follow_main_selection();

    void delete_selected();
    void send_to_album();
    void open_viewer();
    // The screenshots selected, newest first.
    std::vector<std::string> selected_names() const;
    ThumbnailGrid& thumbnails() { return grid_source_; }

private:
    // The main window's newest-first list as the grid's items.
    class MainListItems : public GridItems {
    public:
        explicit MainListItems(WindowOwner& windows) : windows_(windows) {}
        int count() const override;
        int day(int item) const override;
        ThumbKey key(int item) const override;
        std::string line(int item) const override;

    private:
        WindowOwner& windows_;
    };

    // The count's label and the grid fill the client area's width, the grid its height below the
    // top row.
    void lay_out();
    void grid_key(int key_code, int shift);
    // Chooses the screenshot in the main list. Its preview follows once the choice rests, or at
    // once for the viewer, which steps through the main list and so has its neighbours decoded
    // ahead; the grid's own steps are not the list's, so otherwise none are.
    void choose_in_main(int item, bool for_viewer);
    void preview_in_main(bool for_viewer = false);
    void selection_changed();
    // "selected / listed 枚選択" over the grid.
    void show_count();
    // The main lists changed (the folder did, or a delete): the grid follows, keeping the
    // screenshots selected that are still there.
    void follow_lists();

    WindowOwner& windows_;
    MainListItems items_;
    ThumbnailGrid grid_source_;
    std::uint64_t lines_seen_ = 0;
    // The names selected, the current one first, to find them again after the lists change.
    std::vector<std::string> kept_selection_;
    bool choosing_ = false;
};

}  // namespace vis
