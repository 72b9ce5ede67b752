#include "ui/picture_grid.h"

namespace vis {

PictureGrid::PictureGrid(Form& owner, std::string name) : Control(owner, std::move(name), ControlKind::picture_grid) {}

void PictureGrid::set_source(GridSource* source) {
    source_ = source;
    touch();
}

void PictureGrid::set_scroll_top(int top) {
    if (top == scroll_top_) return;
    scroll_top_ = top;
    touch();
}

void PictureGrid::set_spoken(std::string text) {
    if (text == spoken_) return;
    spoken_ = std::move(text);
    touch();
}

void PictureGrid::view_resized(int width, int height, double scale) {
    if (width == view_width_ && height == view_height_ && scale == scale_) return;
    view_width_ = width;
    view_height_ = height;
    scale_ = scale;
    touch();
    if (on_resize) on_resize();
}

void PictureGrid::user_scrolled(int top) {
    if (top == scroll_top_) return;
    scroll_top_ = top;
    touch();
    if (on_scroll) on_scroll();
}

void PictureGrid::press(int x, int y, int shift, bool twice) {
    const int item = source_ != nullptr ? source_->item_at(x, y) : -1;
    if (item < 0) return;
    if (twice) {
        if (on_cell_double) on_cell_double(item);
    } else if (on_cell_press) {
        on_cell_press(item, shift);
    }
}

}  // namespace vis
