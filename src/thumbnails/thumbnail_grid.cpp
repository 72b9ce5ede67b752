#include "thumbnails/thumbnail_grid.h"

#include <cstdio>
#include <utility>

#include "ui/keys.h"

namespace vis {

std::string cell_caption(SaveTime saved) {
    const SaveTimeParts t = split_save_time(saved);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour % 100, t.minute % 100, t.second % 100);
    return text;
}

ThumbnailGrid::ThumbnailGrid(const GridItems& items, PostToWindowThread post, ThumbnailDecoder::Decode decode,
                             int workers)
    : items_(items), thumbnails_(std::move(post), 64, std::move(decode), workers), view_(items, thumbnails_) {
    selection_.reset(items_.count());
    thumbnails_.on_ready = [this](const ThumbKey&) {
        if (grid_ != nullptr) grid_->changed();
    };
}

ThumbnailGrid::~ThumbnailGrid() {
    if (grid_ != nullptr) grid_->set_source(nullptr);
}

void ThumbnailGrid::show_in(PictureGrid& grid) {
    grid_ = &grid;
    grid.set_source(this);
    grid.on_resize = [this] { resized(); };
    grid.on_scroll = [this] {
        catch_up();
        view_.scroll(grid_->scroll_top());
    };
    arrange();
}

void ThumbnailGrid::arrange() {
    if (grid_ == nullptr) return;
    view_.arrange(grid_->view_width(), grid_->view_height(), grid_->scale());
    grid_->set_scroll_top(view_.top());
    grid_->changed();
}

void ThumbnailGrid::resized() {
    // The rows reflow to the new width; the current thumbnail the player saw stays in sight (and
    // a view that had no size yet opens on it).
    const int current = selection_.current();
    const auto [first, last] = view_.visible();
    const bool in_sight = view_.height() == 0 || (current >= first && current < last);
    arrange();
    if (current < 0 || !in_sight) return;
    view_.show_item(current);
    grid_->set_scroll_top(view_.top());
}

void ThumbnailGrid::items_changed(const std::vector<int>& selected) {
    selection_.reset(items_.count());
    selection_.select(selected);
    arrange();
    if (grid_ != nullptr && selection_.current() >= 0) grid_->set_spoken(items_.line(selection_.current()));
}

void ThumbnailGrid::click(int item, int shift) {
    catch_up();
    selection_.click(item, (shift & shift::kCtrl) != 0, (shift & shift::kShift) != 0);
    selection_moved();
}

void ThumbnailGrid::move(GridMove move, bool extend) {
    catch_up();
    const int from = selection_.current() >= 0 ? selection_.current() : 0;
    const int to = view_.layout().moved(from, move, view_.height());
    if (to < 0) return;
    selection_.move_to(to, extend);
    selection_moved();
}

void ThumbnailGrid::select_only(int item) {
    catch_up();
    if (item < 0 || item >= selection_.count()) return;
    if (selection_.selected_count() == 1 && selection_.current() == item) {
        view_.show_item(item);
    } else {
        selection_.click(item, false, false);
    }
    selection_moved();
}

void ThumbnailGrid::selection_moved() {
    const int current = selection_.current();
    if (current >= 0) view_.show_item(current);
    if (grid_ == nullptr) return;
    grid_->set_scroll_top(view_.top());
    grid_->set_spoken(current >= 0 ? items_.line(current) : std::string());
    grid_->changed();
}

std::vector<GridPiece> ThumbnailGrid::pieces(int top, int bottom) {
    catch_up();
    std::vector<GridPiece> pieces;
    const GridLayout& layout = view_.layout();
    for (const GridLayout::Day& day : layout.days()) {
        const PixelRect header = layout.header(day);
        if (header.top >= bottom) break;
        if (header.top + header.height <= top) continue;
        GridPiece piece;
        piece.kind = GridPiece::Kind::header;
        piece.rect = header;
        piece.text = day_header_text(day);
        pieces.push_back(std::move(piece));
    }
    const auto [first, last] = layout.items_between(top, bottom);
    for (int item = first; item < last; ++item) {
        const ThumbKey key = items_.key(item);
        GridPiece cell;
        cell.kind = GridPiece::Kind::cell;
        cell.rect = layout.cell(item);
        cell.picture_height = layout.metrics().picture_height;
        cell.text = cell_caption(key.saved);
        cell.item = item;
        const Picture* picture = nullptr;
        switch (thumbnails_.state(key, &picture)) {
            case Thumbnails::State::waiting:
                cell.look = GridPiece::Look::waiting;
                break;
            case Thumbnails::State::ready:
                cell.look = GridPiece::Look::ready;
                cell.picture = *picture;
                break;
            case Thumbnails::State::unreadable:
                cell.look = GridPiece::Look::unreadable;
                break;
        }
        cell.selected = selection_.selected(item);
        cell.current = item == selection_.current();
        pieces.push_back(std::move(cell));
    }
    return pieces;
}

}  // namespace vis
