#include "editor/history.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace vis {

namespace {

constexpr std::size_t kTileOverhead = sizeof(std::size_t) + sizeof(std::vector<std::uint32_t>);

}  // namespace

bool History::usable(const Canvas& canvas) const {
    return !copy_.empty() && canvas.picture_count() == picture_ && canvas.width_px() == width_ &&
           canvas.height_px() == height_;
}

void History::reset(const Canvas& canvas) {
    steps_.clear();
    position_ = 0;
    copy_.clear();
    dirty_.clear();
    dirty_list_.clear();
    picture_ = canvas.picture_count();
    width_ = canvas.width_px();
    height_ = canvas.height_px();
    const std::size_t canvas_bytes = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 4;
    copy_bytes_ = 0;
    bytes_ = 0;
    if (canvas_bytes == 0 || canvas_bytes > budget_ / 2) return;
    columns_ = (width_ + kTileWidth - 1) / kTileWidth;
    const int rows = (height_ + kTileHeight - 1) / kTileHeight;
    const auto count = static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows);
    copy_.resize(count);
    dirty_.assign(count, false);
    for (std::size_t i = 0; i < count; ++i) copy_out(canvas, i, copy_[i]);
    copy_bytes_ = canvas_bytes + count * kTileOverhead;
    bytes_ = copy_bytes_;
}

PixelRect History::tile_rect(std::size_t index) const {
    const int column = static_cast<int>(index % static_cast<std::size_t>(columns_));
    const int row = static_cast<int>(index / static_cast<std::size_t>(columns_));
    const int left = column * kTileWidth, top = row * kTileHeight;
    return {left, top, std::min(kTileWidth, width_ - left), std::min(kTileHeight, height_ - top)};
}

void History::copy_out(const Canvas& canvas, std::size_t index, std::vector<std::uint32_t>& to) const {
    const PixelRect r = tile_rect(index);
    to.resize(static_cast<std::size_t>(r.width) * static_cast<std::size_t>(r.height));
    for (int y = 0; y < r.height; ++y)
        std::memcpy(to.data() + static_cast<std::size_t>(y) * r.width, canvas.row(r.top + y) + r.left,
                    static_cast<std::size_t>(r.width) * sizeof(std::uint32_t));
}

bool History::same(const Canvas& canvas, std::size_t index) const {
    const PixelRect r = tile_rect(index);
    const std::vector<std::uint32_t>& kept = copy_[index];
    for (int y = 0; y < r.height; ++y)
        if (std::memcmp(kept.data() + static_cast<std::size_t>(y) * r.width, canvas.row(r.top + y) + r.left,
                        static_cast<std::size_t>(r.width) * sizeof(std::uint32_t)) != 0)
            return false;
    return true;
}

void History::note(Canvas& canvas) {
    const PixelRect r = canvas.take_unrecorded();
    if (!usable(canvas) || r.empty()) return;
    const int left = std::max(r.left, 0), top = std::max(r.top, 0);
    const int right = std::min(r.left + r.width, width_) - 1, bottom = std::min(r.top + r.height, height_) - 1;
    for (int ty = top / kTileHeight; ty <= bottom / kTileHeight && top <= bottom; ++ty)
        for (int tx = left / kTileWidth; tx <= right / kTileWidth && left <= right; ++tx) {
            const auto i =
                static_cast<std::size_t>(ty) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(tx);
            if (!dirty_[i]) {
                dirty_[i] = true;
                dirty_list_.push_back(i);
            }
        }
}

bool History::record(Canvas& canvas) {
    if (!usable(canvas)) {
        reset(canvas);
        canvas.take_unrecorded();
        return false;
    }
    note(canvas);
    Step step;
    std::sort(dirty_list_.begin(), dirty_list_.end());
    for (const std::size_t i : dirty_list_) {
        dirty_[i] = false;
        if (same(canvas, i)) continue;
        std::vector<std::uint32_t> now;
        copy_out(canvas, i, now);
        step.bounds = united(step.bounds, tile_rect(i));
        step.bytes += copy_[i].size() * sizeof(std::uint32_t) + kTileOverhead;
        step.tiles.push_back({i, std::exchange(copy_[i], std::move(now))});
    }
    dirty_list_.clear();
    if (step.tiles.empty()) return false;
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
    return true;
}

PixelRect History::swap_in(Canvas& canvas, Step& step) {
    for (Tile& tile : step.tiles) {
        const PixelRect r = tile_rect(tile.index);
        for (int y = 0; y < r.height; ++y)
            std::memcpy(canvas.row(r.top + y) + r.left, tile.pixels.data() + static_cast<std::size_t>(y) * r.width,
                        static_cast<std::size_t>(r.width) * sizeof(std::uint32_t));
        std::swap(tile.pixels, copy_[tile.index]);
    }
    canvas.mark(step.bounds.left, step.bounds.top, step.bounds.width, step.bounds.height);
    // Already matched by the copy: nothing to record.
    canvas.take_unrecorded();
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
    note(canvas);
    if (!dirty_list_.empty() && record(canvas)) return {};
    return swap_in(canvas, steps_[position_++]);
}

}  // namespace vis
