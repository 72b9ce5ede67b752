#pragma once
// A grid of pictures drawn by hand: day headers and cells (a picture box with a caption under it)
// that a source lays out in pixels of the grid's content. Only the pieces in view are asked for,
// so a grid of 50,000 cells costs what its screen shows. The backend tells the grid its size and
// scroll position and passes clicks and keys on; the program says what changed.
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/picture.h"

namespace vis {

struct GridPiece {
    enum class Kind { header, cell };
    enum class Look { waiting, ready, unreadable };
    Kind kind = Kind::cell;
    PixelRect rect;  // the whole header row, or the cell with its caption
    int picture_height = 0;
    std::string text;  // the header's text, or the caption under the picture
    int item = -1;
    Look look = Look::waiting;
    Picture picture;  // when ready: fitted to the picture box, shown centred in it
    bool selected = false;
    bool current = false;
};

class GridSource {
public:
    virtual ~GridSource() = default;
    virtual int content_height() const = 0;
    // The headers and cells that cross the band from `top` to `bottom`.
    virtual std::vector<GridPiece> pieces(int top, int bottom) = 0;
    // The item whose cell holds the content point; -1 for none.
    virtual int item_at(int x, int y) const = 0;
};

class PictureGrid : public Control {
public:
    PictureGrid(Form& owner, std::string name);

    // The pieces shown; nullptr shows none. The source stays alive while the grid shows it.
    void set_source(GridSource* source);
    GridSource* source() const { return source_; }

    // The content's pixel at the view's top.
    int scroll_top() const { return scroll_top_; }
    // From the program: the backend scrolls there. Runs no handler.
    void set_scroll_top(int top);
    // The view's size in pixels and the screen's scale (dots per inch / 96), from the backend.
    int view_width() const { return view_width_; }
    int view_height() const { return view_height_; }
    double scale() const { return scale_; }

    // What a screen reader reads for the grid now: the current cell's line.
    const std::string& spoken() const { return spoken_; }
    void set_spoken(std::string text);
    // The pieces changed (a thumbnail came, the selection moved): the backend draws again.
    void changed() { touch(); }

    // --- from the backend: each runs its handler.
    void view_resized(int width, int height, double scale);
    void user_scrolled(int top);
    // A press of the left button at a point of the content; `shift` holds the Shift and Ctrl bits,
    // `twice` says it is the second press of a double click.
    void press(int x, int y, int shift, bool twice = false);

    std::function<void()> on_resize;
    std::function<void()> on_scroll;
    std::function<void(int item, int shift)> on_cell_press;
    std::function<void(int item)> on_cell_double;

private:
    GridSource* source_ = nullptr;
    int scroll_top_ = 0;
    int view_width_ = 0;
    int view_height_ = 0;
    double scale_ = 1.0;
    std::string spoken_;
};

}  // namespace vis
