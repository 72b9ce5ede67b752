#pragma once
// Where the mosaic's blocks lie and how each reads and writes the canvas. Blocks go column by
// column, each box drawn with the pen before the next block samples, so a wide pen's box reaches
// into blocks sampled later. Rather than paint every box whole and have its neighbours paint over
// most of it, a block's plan tells which of its samples fall in which earlier box (their colour
// is known), which still show the picture, and which box each pixel of its cell shows once all
// are drawn: the cells tile the mosaic, so every pixel is painted once. Blocks whose surroundings
// lie alike share one plan.
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "editor/canvas.h"

namespace vis::mosaic_layout {

// A line of blocks along one axis: where each starts (twips), its first and last pixel, and the
// pixels its 8 samples fall on (those off the canvas left out).
struct BlockLine {
    double start;
    int first_px;
    int last_px;
    std::vector<int> samples;
};

// A box earlier in the drawing order, as its place in a table of the boxes column by column
// from the block's, and how many of the block's samples show it.
struct Source {
    std::ptrdiff_t box;
    std::uint32_t count;
};

// A sample row with samples that still show the picture: which of them do (all bits set) and
// which show an earlier box (none set).
struct PictureRow {
    int dy;
    std::array<std::uint32_t, 8> shows;
};

// Pixels of one row that show one box for good: the block's own, or the one at `box` from it in
// a table of the boxes column by column. `offset` is where the span starts in the canvas's
// pixels, from the block's first pixel.
struct Span {
    int dy;
    int first;
    int last;
    std::ptrdiff_t offset;
    std::ptrdiff_t box;
};

// All relative to the block's first pixel column and row.
struct Plan {
    std::uint32_t count = 0;  // samples on the canvas
    // Samples in the box just above, drawn last before the block samples; and in other boxes.
    std::uint32_t above = 0;
    std::vector<Source> sources;
    std::vector<int> sample_dx;
    // The samples on 8 neighbouring pixels, read as one run.
    bool adjacent = false;
    std::vector<PictureRow> picture;
    // What the block paints: its cell of a tiling of the mosaic, all of it shown by its own box
    // (own) or by neighbouring ones (patches). Where no box reaches a pixel of the cell, as beyond
    // the mosaic's rounded corners, the cell is not whole.
    int top = 0, bottom = -1, left = 0, right = -1;
    bool whole_cell = false;
    std::vector<Span> own;
    std::vector<Span> patches;
};

class Layout {
public:
    // The blocks of one mosaic, drawn with the canvas's current pen.
    Layout(Canvas& canvas, std::vector<BlockLine> columns, std::vector<BlockLine> rows);

    const std::vector<BlockLine>& columns() const { return columns_; }
    const std::vector<BlockLine>& rows() const { return rows_; }
    const Plan& plan(std::size_t column, std::size_t row) {
        const Plan* known = plans_[static_cast<std::size_t>(column_kinds_.kind_of[column]) * row_kinds_.example.size() +
                                   static_cast<std::size_t>(row_kinds_.kind_of[row])]
                                .get();
        return known != nullptr ? *known : first_plan(column, row);
    }
    // The pixels of a box whole, for drawing it over what later boxes would have covered.
    const Canvas::BoxRows& shape(std::size_t column, std::size_t row);

private:
    struct Axis {
        std::vector<int> kind_of;          // per block
        std::vector<std::size_t> example;  // per kind, a block of it
    };
    Axis kinds(const std::vector<BlockLine>& lines) const;
    const Plan& first_plan(std::size_t column, std::size_t row);
    Plan work_out(std::size_t column, std::size_t row);

    Canvas& canvas_;
    std::vector<BlockLine> columns_;
    std::vector<BlockLine> rows_;
    // Boxes further apart than this, in blocks, neither overlap nor reach each other's samples.
    int reach_;
    int margin_;  // pixels a box may reach past its block
    Axis column_kinds_;
    Axis row_kinds_;
    std::vector<std::unique_ptr<Plan>> plans_;  // by column kind, then row kind
    std::map<std::pair<int, int>, Canvas::BoxRows> shapes_;
};

}  // namespace vis::mosaic_layout
