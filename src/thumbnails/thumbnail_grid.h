#pragma once
// The pieces a picture grid shows of the screenshots: day headers, and a cell for each with its
// thumbnail (a plain box until it has come, a cross when the file cannot be read), its save time
// under it, and the selection.
#include <functional>
#include <string>
#include <vector>

#include "thumbnails/grid_selection.h"
#include "thumbnails/thumbnail_decoder.h"
#include "thumbnails/thumbnail_view.h"
#include "ui/picture_grid.h"

namespace vis {

class ThumbnailGrid : public GridSource {
public:
    ThumbnailGrid(const GridItems& items, PostToWindowThread post, ThumbnailDecoder::Decode decode, int workers = 0);
    ~ThumbnailGrid() override;
    ThumbnailGrid(const ThumbnailGrid&) = delete;
    ThumbnailGrid& operator=(const ThumbnailGrid&) = delete;

    // Feeds `grid` from now on: its size and scroll lay the cells out and ask for thumbnails.
    void show_in(PictureGrid& grid);
    // The items changed (the folder did): laid out again, with exactly `selected` selected.
    void items_changed(const std::vector<int>& selected);

    // Selects as a click with the Ctrl and Shift bits of `shift` does, and shows the item.
    void click(int item, int shift);
    // Moves the current item by key (Shift extends the selection) and shows it.
    void move(GridMove move, bool extend);
    // Selects exactly `item` (the main list chose it) and shows it.
    void select_only(int item);
    const GridSelection& selection() const { return selection_; }
    const ThumbnailView& view() const { return view_; }
    Thumbnails& thumbnails() { return thumbnails_; }

    // Asked before the grid uses its items (a paint, a click, a key, a scroll): the owner brings
    // the grid up to date when the items changed since they were laid out, so that no cell stands
    // for an item that has gone.
    std::function<void()> before_use;

    int content_height() const override { return view_.layout().total_height(); }
    std::vector<GridPiece> pieces(int top, int bottom) override;
    int item_at(int x, int y) const override { return view_.layout().item_at(x, y); }

private:
    void arrange();
    // The grid's view changed size.
    void resized();
    void catch_up() {
        if (before_use) before_use();
    }
    // After the selection changed: the item shown, the screen reader's text, a redraw.
    void selection_moved();

    const GridItems& items_;
    Thumbnails thumbnails_;
    ThumbnailView view_;
    GridSelection selection_;
    PictureGrid* grid_ = nullptr;
};

// The caption under a cell: the save time of day, "17:15:00".
std::string cell_caption(SaveTime saved);

}  // namespace vis
