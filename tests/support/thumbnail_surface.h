#pragma once
// What a player does with the thumbnail window and sees on it, in the player's words: the day
// headers and cells on the screen with their captions and looks, clicks on cells with Ctrl or
// Shift, keys, the selection and its count, the album button, and the window's size.
#include <string>
#include <vector>

#include "support/headless.h"
#include "thumbnail_window/thumbnail_window.h"

namespace vis::test {

class ThumbnailSurface {
public:
    ThumbnailSurface(ThumbnailWindow& window, HeadlessWindowSystem& windows) : w_(window), windows_(windows) {}
    ThumbnailWindow& window() { return w_; }
    bool shown() const { return w_.visible(); }
    std::string caption() const { return w_.caption(); }

    // --- the grid on the screen: each header's and cell's text in order, and each cell's look
    std::vector<std::string> texts() const {
        std::vector<std::string> got;
        for (const GridPiece& p : on_screen()) got.push_back(p.text);
        return got;
    }
    std::vector<GridPiece::Look> looks() const {
        std::vector<GridPiece::Look> got;
        for (const GridPiece& p : on_screen())
            if (p.kind == GridPiece::Kind::cell) got.push_back(p.look);
        return got;
    }
    // How many cells the grid holds, and how many a row.
    int cells() const { return w_.thumbnails().view().layout().count(); }
    int columns() const { return w_.thumbnails().view().layout().columns(); }
    // Whether the cell of `item` lies within the view.
    bool in_sight(int item) const {
        const auto [first, last] = w_.thumbnails().view().visible();
        return first <= item && item < last;
    }
    // What a screen reader reads of the current cell.
    std::string spoken() const { return w_.grid.spoken(); }
    // The thumbnails decoded meanwhile come through the window's thread.
    void settle() {
        w_.thumbnails().thumbnails().decoder().wait_idle();
        windows_.run_posted();
    }

    // --- the player's hands: a click in the middle of a cell, a key, the album button
    void click(int item, int shift = 0) {
        const PixelRect r = w_.thumbnails().view().layout().cell(item);
        w_.grid.press(r.left + r.width / 2, r.top + r.height / 2, shift);
    }
    void press(int key_code, int shift = 0) { press_key(w_, key_code, shift); }
    void send_to_album() { vis::test::click(w_.cmd_album); }

    // --- the selection: items newest first, the screenshots' names, the count over the grid
    std::vector<int> selected() const { return w_.thumbnails().selection().items(); }
    std::vector<std::string> selected_names() const { return w_.selected_names(); }
    std::string count_text() const { return w_.lbl_count.caption(); }

    // --- the window's size: the system reports its client area in twips, then the grid's view in
    // pixels; where the grid and the count lie, and the grid's scroll as drawn and as laid out
    void resize(int width, int height) { w_.client_resized(width, height); }
    void view_resized(int width, int height) { w_.grid.view_resized(width, height, 1.0); }
    Rect grid_box() const { return w_.grid.bounds(); }
    Rect count_box() const { return w_.lbl_count.bounds(); }
    int scroll_top() const { return w_.grid.scroll_top(); }
    int laid_out_top() const { return w_.thumbnails().view().top(); }

private:
    std::vector<GridPiece> on_screen() const {
        return w_.thumbnails().pieces(w_.grid.scroll_top(), w_.grid.scroll_top() + w_.grid.view_height());
    }

    ThumbnailWindow& w_;
    HeadlessWindowSystem& windows_;
};

}  // namespace vis::test
