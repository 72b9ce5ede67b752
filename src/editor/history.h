#pragma once
// Undo and redo of the canvas, an action at a time. The history keeps a copy of the canvas as the
// last recorded action left it, in bands of whole rows, and per action what it changed as it was
// before: whole bands where the action changed them across, else runs of tiles. Undoing writes
// those back and keeps what they replace for redoing. A whole band goes back with one copy into
// the canvas and trades places with the copy's band, so undoing a whole-canvas action costs one
// copy of the canvas; runs of tiles cost about three copies of what they hold. After a crop the
// history looks at the part of its copy that the canvas kept, and the copy still holds the whole
// canvas as it was: so a crop keeps no pixels of its own, and its undo is one copy back into the
// canvas. The oldest actions go once the history outgrows its budget.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "editor/canvas.h"

namespace vis {

class History {
public:
    // 128 MB, copy included: for a 1920 x 1080 canvas over a dozen full-canvas actions, or
    // hundreds of strokes.
    static constexpr std::size_t kBudget = std::size_t{128} << 20;
    static constexpr int kTileWidth = 128;
    static constexpr int kTileHeight = 32;  // also the height of a band

    explicit History(std::size_t budget = kBudget) : budget_(budget) {}

    // Starts afresh from the canvas as it is: nothing to undo or redo. A canvas whose copy alone
    // would take half the budget keeps no history.
    void reset(const Canvas& canvas);
    // Notes pixels of the canvas that changed, so recording compares only there. Cheap; call it
    // as often as the canvas is drawn on. Undo and redo need no note of what they change.
    void note(const PixelRect& changed);
    // What changed since the last record becomes one action, and the actions undone before are
    // gone. Returns false when nothing changed. A canvas given another picture starts afresh.
    bool record(Canvas& canvas);
    // Crops the canvas to `r` (pixels) as an action of its own, whatever was drawn before being
    // recorded first: undoing it brings back the size and every pixel. False, changing nothing,
    // when `r` misses the canvas.
    bool crop(Canvas& canvas, const PixelRect& r);
    // Undo and redo the last action (recording first what is not yet); they return the pixels
    // they changed (the whole canvas when its size changed), nothing when there is nothing to
    // undo or redo.
    PixelRect undo(Canvas& canvas);
    PixelRect redo(Canvas& canvas);

    bool can_undo() const { return position_ > 0; }
    bool can_redo() const { return position_ < steps_.size(); }
    std::size_t size() const { return steps_.size(); }
    // What the history holds, in bytes.
    std::size_t bytes() const { return bytes_; }

private:
    // Rows [top, top + rows) of one band and columns [left, left + width), row by row; in the
    // copy's pixels.
    struct Piece {
        int band;
        int top;
        int rows;
        int left;
        int width;
        std::vector<std::uint32_t> pixels;
    };
    struct Step {
        std::vector<Piece> pieces;
        // A crop keeps, instead of pieces, the canvas's frame and the copy's view of the other
        // size.
        std::optional<Canvas::Frame> frame;
        PixelRect view;
        PixelRect bounds;  // canvas pixels
        std::size_t bytes = 0;
    };

    int band_rows(int band) const;
    // Takes the canvas as the copy, at its size, with nothing noted changed; false when the
    // canvas is too large to keep a history of.
    bool copy(const Canvas& canvas);
    // The step becomes the last action, the undone ones and the oldest over the budget going.
    void push(Step step);
    // Whether the canvas still matches the copy where the tile was noted changed.
    bool same(const Canvas& canvas, std::size_t tile) const;
    // The copy's pixels of tiles [first, end) of one band, within the view, which then take the
    // canvas's.
    Piece take(const Canvas& canvas, std::size_t first, std::size_t end);
    // Writes the step's pieces into the canvas and trades them for the copy's, which then match
    // the canvas again: the step then holds what it replaced.
    PixelRect swap_in(Canvas& canvas, Step& step);
    bool usable(const Canvas& canvas) const;
    // The canvas's row for the copy's row y (within the view), and its pixel for the copy's column x.
    std::uint32_t* on_canvas(Canvas& canvas, int x, int y) const;
    const std::uint32_t* on_canvas(const Canvas& canvas, int x, int y) const;

    std::size_t budget_;
    std::uint64_t picture_ = 0;
    int width_ = 0;  // the copy's size
    int height_ = 0;
    // The part of the copy the canvas shows: all of it, or what the crops kept.
    PixelRect view_;
    int columns_ = 0;                                // tiles across
    std::vector<std::vector<std::uint32_t>> bands_;  // the copy: kTileHeight rows each
    std::vector<PixelRect> dirty_;                   // by tile, row by row: where it changed
    std::vector<std::size_t> dirty_list_;
    std::vector<Step> steps_;
    std::size_t position_ = 0;  // steps before it are done, from it on undone
    std::size_t bytes_ = 0;
    std::size_t copy_bytes_ = 0;
};

}  // namespace vis
