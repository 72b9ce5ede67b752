#include "editor/history.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace vis {

namespace {

std::size_t count(int width, int height) {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

}  // namespace

bool History::usable(const Canvas& canvas) const {
    return !bands_.empty() && canvas.picture_count() == picture_ && canvas.width_px() == view_.width &&
           canvas.height_px() == view_.height;
}

int History::band_rows(int band) const {
    return std::min(kTileHeight, height_ - band * kTileHeight);
}

std::uint32_t* History::on_canvas(Canvas& canvas, int x, int y) const {
    return canvas.row(y - view_.top) + (x - view_.left);
}

const std::uint32_t* History::on_canvas(const Canvas& canvas, int x, int y) const {
    return canvas.row(y - view_.top) + (x - view_.left);
}

void History::reset(const Canvas& canvas) {
    steps_.clear();
    position_ = 0;
    bytes_ = 0;
    copy_bytes_ = 0;
    copy(canvas);
}

bool History::copy(const Canvas& canvas) {
    dirty_.clear();
    dirty_list_.clear();
    bytes_ -= copy_bytes_;
    copy_bytes_ = 0;
    picture_ = canvas.picture_count();
    width_ = canvas.width_px();
    height_ = canvas.height_px();
    view_ = {0, 0, width_, height_};
    const std::size_t canvas_bytes = count(width_, height_) * sizeof(std::uint32_t);
    if (canvas_bytes == 0 || canvas_bytes > budget_ / 2) {
        bands_.clear();
        return false;
    }
    columns_ = (width_ + kTileWidth - 1) / kTileWidth;
    const int rows = (height_ + kTileHeight - 1) / kTileHeight;
    bands_.resize(static_cast<std::size_t>(rows));
    for (int band = 0; band < rows; ++band) {
        const std::uint32_t* first = canvas.row(band * kTileHeight);
        bands_[static_cast<std::size_t>(band)].assign(first, first + count(width_, band_rows(band)));
    }
    dirty_.assign(count(columns_, rows), PixelRect{});
    copy_bytes_ = canvas_bytes + bands_.size() * sizeof(std::vector<std::uint32_t>);
    bytes_ += copy_bytes_;
    return true;
}

bool History::same(const Canvas& canvas, std::size_t tile) const {
    const PixelRect& r = dirty_[tile];
    const std::size_t band = tile / static_cast<std::size_t>(columns_);
    const std::size_t bytes = static_cast<std::size_t>(r.width) * sizeof(std::uint32_t);
    const std::uint32_t* kept = bands_[band].data() + count(r.top % kTileHeight, width_) + r.left;
    for (int y = r.top; y < r.top + r.height; ++y, kept += width_)
        if (std::memcmp(kept, on_canvas(canvas, r.left, y), bytes) != 0) return false;
    return true;
}

History::Piece History::take(const Canvas& canvas, std::size_t first, std::size_t end) {
    const auto columns = static_cast<std::size_t>(columns_);
    const int band = static_cast<int>(first / columns);
    const int left = std::max(static_cast<int>(first % columns) * kTileWidth, view_.left);
    const int right = std::min(static_cast<int>((end - 1) % columns + 1) * kTileWidth, view_.left + view_.width);
    const int top = std::max(band * kTileHeight, view_.top);
    const int bottom = std::min(band * kTileHeight + band_rows(band), view_.top + view_.height);
    std::vector<std::uint32_t>& kept = bands_[static_cast<std::size_t>(band)];
    Piece piece{band, top - band * kTileHeight, bottom - top, left, right - left, {}};
    if (piece.width == width_ && piece.rows == band_rows(band)) {
        // The whole band, all of it on the canvas: the copy's becomes the piece, the canvas's
        // the copy's.
        const std::uint32_t* from = on_canvas(canvas, 0, top);
        piece.pixels = std::exchange(kept, std::vector<std::uint32_t>(from, from + count(width_, piece.rows)));
        return piece;
    }
    piece.pixels.resize(count(piece.width, piece.rows));
    const std::size_t bytes = static_cast<std::size_t>(piece.width) * sizeof(std::uint32_t);
    for (int y = 0; y < piece.rows; ++y) {
        std::uint32_t* copy_row = kept.data() + count(width_, piece.top + y) + left;
        std::memcpy(piece.pixels.data() + count(piece.width, y), copy_row, bytes);
        std::memcpy(copy_row, on_canvas(canvas, left, top + y), bytes);
    }
    return piece;
}

void History::note(const PixelRect& r) {
    if (bands_.empty() || r.empty()) return;
    // In the copy's pixels, within the view.
    const int left = std::max(r.left, 0) + view_.left, top = std::max(r.top, 0) + view_.top;
    const int right = std::min(r.left + r.width, view_.width) + view_.left;
    const int bottom = std::min(r.top + r.height, view_.height) + view_.top;
    for (int ty = top / kTileHeight; ty <= (bottom - 1) / kTileHeight && top < bottom; ++ty)
        for (int tx = left / kTileWidth; tx <= (right - 1) / kTileWidth && left < right; ++tx) {
            const std::size_t i = count(ty, columns_) + static_cast<std::size_t>(tx);
            const int tile_left = std::max(left, tx * kTileWidth), tile_top = std::max(top, ty * kTileHeight);
            const PixelRect part{tile_left, tile_top, std::min(right, (tx + 1) * kTileWidth) - tile_left,
                                 std::min(bottom, (ty + 1) * kTileHeight) - tile_top};
            if (dirty_[i].empty()) dirty_list_.push_back(i);
            dirty_[i] = united(dirty_[i], part);
        }
}

bool History::record(Canvas& canvas) {
    if (!usable(canvas)) {
        reset(canvas);
        return false;
    }
    std::erase_if(dirty_list_, [&](std::size_t i) {
        const bool unchanged = same(canvas, i);
        dirty_[i] = {};
        return unchanged;
    });
    std::sort(dirty_list_.begin(), dirty_list_.end());
    // Neighbouring changed tiles of a band go together, so a band changed across is one piece.
    Step step;
    const auto columns = static_cast<std::size_t>(columns_);
    for (std::size_t k = 0; k < dirty_list_.size();) {
        const std::size_t first = dirty_list_[k];
        std::size_t end = first + 1;
        while (++k < dirty_list_.size() && dirty_list_[k] == end && end % columns != 0) ++end;
        Piece piece = take(canvas, first, end);
        step.bounds = united(step.bounds, {piece.left - view_.left, piece.band * kTileHeight + piece.top - view_.top,
                                           piece.width, piece.rows});
        step.bytes += piece.pixels.size() * sizeof(std::uint32_t) + sizeof(Piece);
        step.pieces.push_back(std::move(piece));
    }
    dirty_list_.clear();
    if (step.pieces.empty()) return false;
    push(std::move(step));
    return true;
}

void History::push(Step step) {
    while (steps_.size() > position_) {
        bytes_ -= steps_.back().bytes;
        steps_.pop_back();
    }
    bytes_ += step.bytes;
    steps_.push_back(std::move(step));
    position_ = steps_.size();
    // The oldest first; the action just done stays even alone over the budget.
    std::size_t drop = 0;
    while (bytes_ > budget_ && drop + 1 < steps_.size()) bytes_ -= steps_[drop++].bytes;
    steps_.erase(steps_.begin(), steps_.begin() + static_cast<std::ptrdiff_t>(drop));
    position_ -= drop;
}

bool History::crop(Canvas& canvas, const PixelRect& r) {
    record(canvas);
    const bool kept = usable(canvas);
    const Canvas::Frame before = canvas.frame();
    if (!canvas.crop(r)) return false;
    if (!kept) {
        reset(canvas);
        return true;
    }
    // The copy matches the canvas as it was, so the part the crop kept matches the new canvas.
    Step step;
    step.frame = before;
    step.view = view_;
    view_ = {view_.left + std::max(r.left, 0), view_.top + std::max(r.top, 0), canvas.width_px(), canvas.height_px()};
    step.bounds = {0, 0, view_.width, view_.height};
    step.bytes = sizeof(Step);
    push(std::move(step));
    return true;
}

PixelRect History::swap_in(Canvas& canvas, Step& step) {
    if (step.frame) {
        // Every action on this size was undone before, and none on the other size is done yet:
        // the copy holds the other size's pixels in the other view.
        const Canvas::Frame frame = canvas.frame();
        const PixelRect view = view_;
        if (step.view.width < view_.width || step.view.height < view_.height) {
            canvas.crop({step.view.left - view_.left, step.view.top - view_.top, step.view.width, step.view.height});
        } else {
            canvas.set_frame(*step.frame);
            const std::size_t bytes = static_cast<std::size_t>(step.view.width) * sizeof(std::uint32_t);
            for (int y = 0; y < step.view.height; ++y) {
                const int copy_row = step.view.top + y;
                const std::uint32_t* from = bands_[static_cast<std::size_t>(copy_row / kTileHeight)].data() +
                                            count(width_, copy_row % kTileHeight) + step.view.left;
                std::memcpy(canvas.row(y), from, bytes);
            }
        }
        view_ = step.view;
        step.frame = frame;
        step.view = view;
        return {0, 0, view_.width, view_.height};
    }
    // The canvas matches the copy here, so the canvas's pixels are the copy's.
    for (Piece& piece : step.pieces) {
        const int top = piece.band * kTileHeight + piece.top;
        std::vector<std::uint32_t>& kept = bands_[static_cast<std::size_t>(piece.band)];
        if (piece.width == width_ && piece.rows == band_rows(piece.band)) {
            std::memcpy(on_canvas(canvas, 0, top), piece.pixels.data(), piece.pixels.size() * sizeof(std::uint32_t));
            std::swap(piece.pixels, kept);
            continue;
        }
        for (int y = 0; y < piece.rows; ++y) {
            std::uint32_t* own = piece.pixels.data() + count(piece.width, y);
            std::uint32_t* pixels = on_canvas(canvas, piece.left, top + y);
            std::swap_ranges(own, own + piece.width, pixels);
            std::memcpy(kept.data() + count(width_, piece.top + y) + piece.left, pixels,
                        static_cast<std::size_t>(piece.width) * sizeof(std::uint32_t));
        }
    }
    return step.bounds;
}

PixelRect History::undo(Canvas& canvas) {
    record(canvas);
    if (!can_undo()) return {};
    return swap_in(canvas, steps_[--position_]);
}

PixelRect History::redo(Canvas& canvas) {
    if (!usable(canvas) || !can_redo()) return {};
    // Unrecorded changes would be a new action, which drops what could be redone.
    if (!dirty_list_.empty() && record(canvas)) return {};
    return swap_in(canvas, steps_[position_++]);
}

}  // namespace vis
