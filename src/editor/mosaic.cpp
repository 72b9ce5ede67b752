#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "editor/effect_steps.h"
#include "editor/effects.h"
#include "editor/mosaic_layout.h"

namespace vis {

namespace {

using mosaic_layout::BlockLine;
using mosaic_layout::Layout;
using mosaic_layout::Plan;

constexpr int kBlock = 8;  // pixels a side

// The pixels that a block's 8 samples along one axis fall on, from the block's start: 1 twip in,
// then one pixel's twips apart. Samples off the canvas are left out.
std::vector<int> sample_pixels(const Canvas& canvas, double start, double step, int size) {
    std::vector<int> out;
    for (int k = 0; k < kBlock; ++k) {
        const double px = canvas.to_px(start + (1 + k * step));
        if (px >= 0 && px < size) out.push_back(static_cast<int>(px));
    }
    return out;
}

BlockLine block_line(const Canvas& canvas, double start, double side, double t, int size) {
    return {start, static_cast<int>(canvas.to_px(start)), static_cast<int>(canvas.to_px(start + side)),
            sample_pixels(canvas, start, t, size)};
}

// Spans are a few pixels to a few dozen: four at a time, the last four overlapping those before
// them, rather than a pixel at a time after the last whole four.
void fill(std::uint32_t* pixels, int count, std::uint32_t pixel) {
    if (count < 4) {
        for (int k = 0; k < count; ++k) pixels[k] = pixel;
        return;
    }
    const std::array<std::uint32_t, 4> four{pixel, pixel, pixel, pixel};
    for (int k = 0; k + 4 < count; k += 4) std::memcpy(pixels + k, four.data(), sizeof four);
    std::memcpy(pixels + count - 4, four.data(), sizeof four);
}

// The colours of the boxes drawn so far, column by column.
class BoxColours {
public:
    BoxColours(std::size_t columns, std::size_t rows) : rows_(rows), colours_(columns * rows) {}

    std::size_t at(std::size_t column, std::size_t row) const { return column * rows_ + row; }
    std::uint32_t& operator[](std::size_t at) { return colours_[at]; }
    // The box `box` places from the one at `at`.
    std::uint32_t near(std::size_t at, std::ptrdiff_t box) const {
        return colours_[static_cast<std::size_t>(static_cast<std::ptrdiff_t>(at) + box)];
    }

private:
    std::size_t rows_;
    std::vector<std::uint32_t> colours_;
};

// Fills spans of the boxes, cut to the canvas; notes what they covered as one rectangle when the
// run ends however it ends, and the corner the last box left as the current point.
class Painter {
public:
    explicit Painter(Canvas& canvas) : canvas_(canvas) {}
    ~Painter() {
        if (abandoned_) return;
        if (boxes_) canvas_.set_current_point(corner_x_, corner_y_);
        if (right_ >= left_) canvas_.mark(left_, top_, right_ - left_ + 1, bottom_ - top_ + 1);
    }
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    void span(int y, int first, int last, std::uint32_t pixel) {
        first = std::max(first, 0);
        last = std::min(last, canvas_.width_px() - 1);
        if (y < 0 || y >= canvas_.height_px() || first > last) return;
        fill(canvas_.row(y) + first, last - first + 1, pixel);
        note(first, y, last, y);
    }
    // The block's cell, its first pixel at (x0, y0) and its box's colour at `at`.
    void cell(const Plan& plan, int x0, int y0, const BoxColours& colours, std::size_t at) {
        const std::uint32_t own = colours.near(at, 0);
        if (!plan.whole_cell || x0 + plan.left < 0 || x0 + plan.right >= canvas_.width_px() || y0 + plan.top < 0 ||
            y0 + plan.bottom >= canvas_.height_px()) {
            for (const mosaic_layout::Span& s : plan.own) span(y0 + s.dy, x0 + s.first, x0 + s.last, own);
            for (const mosaic_layout::Span& s : plan.patches)
                span(y0 + s.dy, x0 + s.first, x0 + s.last, colours.near(at, s.box));
            return;
        }
        // Mostly the block's own colour: the whole cell in it, then the patches over it.
        const int width = plan.right - plan.left + 1;
        std::uint32_t* pixels = canvas_.row(y0 + plan.top) + x0 + plan.left;
        if (width == kBlock) {
            // The rule: a fixed width the compiler stores a vector at a time.
            for (int y = plan.top; y <= plan.bottom; ++y, pixels += canvas_.width_px())
                for (int k = 0; k < kBlock; ++k) pixels[k] = own;
        } else {
            for (int y = plan.top; y <= plan.bottom; ++y, pixels += canvas_.width_px()) fill(pixels, width, own);
        }
        std::uint32_t* origin = canvas_.row(y0) + x0;
        for (const mosaic_layout::Span& s : plan.patches)
            fill(origin + s.offset, s.last - s.first + 1, colours.near(at, s.box));
        note(x0 + plan.left, y0 + plan.top, x0 + plan.right, y0 + plan.bottom);
    }
    // The canvas holds another picture now: nothing of this run is noted on it.
    void abandon() { abandoned_ = true; }
    void box_to(double x, double y) {
        boxes_ = true;
        corner_x_ = x;
        corner_y_ = y;
    }

private:
    void note(int left, int top, int right, int bottom) {
        left_ = std::min(left_, left);
        right_ = std::max(right_, right);
        top_ = std::min(top_, top);
        bottom_ = std::max(bottom_, bottom);
    }

    Canvas& canvas_;
    int left_ = INT_MAX, right_ = INT_MIN, top_ = INT_MAX, bottom_ = INT_MIN;
    bool boxes_ = false;
    bool abandoned_ = false;
    double corner_x_ = 0, corner_y_ = 0;
};

// Red and blue in 16-bit lanes of one sum: 64 samples of 255 cannot carry into red.
struct Sum {
    std::uint32_t red_blue = 0;
    std::uint32_t green = 0;

    void add(std::uint32_t pixel, std::uint32_t times = 1) {
        red_blue += times * (pixel & 0xFF00FFu);
        green += times * ((pixel >> 8) & 0xFFu);
    }
};

// What the samples of a block that still show the picture add up to. No box has been drawn over
// them when the block samples, so they are read before any is.
Sum picture_sum(const Canvas& canvas, const Plan& plan, int x0, int y0) {
    Sum sum;
    std::array<std::uint32_t, 8> lanes_red_blue{}, lanes_green{};
    for (const mosaic_layout::PictureRow& row : plan.picture) {
        const std::uint32_t* pixels = canvas.row(y0 + row.dy) + x0;
        if (plan.adjacent) {
            // The samples that show an earlier box masked out, each sample column in a lane of
            // its own: a fixed count the compiler sums a vector at a time.
            const std::uint32_t* p = pixels + plan.sample_dx[0];
            for (std::size_t k = 0; k < 8; ++k) {
                const std::uint32_t v = p[k] & row.shows[k];
                lanes_red_blue[k] += v & 0xFF00FFu;
                lanes_green[k] += (v >> 8) & 0xFFu;
            }
        } else {
            for (std::size_t k = 0; k < plan.sample_dx.size(); ++k) sum.add(pixels[plan.sample_dx[k]] & row.shows[k]);
        }
    }
    for (std::size_t k = 0; k < 8; ++k) {
        sum.red_blue += lanes_red_blue[k];
        sum.green += lanes_green[k];
    }
    return sum;
}

// The block's average, rounded halves to even, as a pixel, its samples in earlier boxes counting
// their box's colour. A block wholly off the canvas averages nothing and is black.
std::uint32_t average(const Plan& plan, Sum sum, const BoxColours& colours, std::size_t at, std::uint32_t above) {
    if (plan.count == 0) return effect::pixel_of(0, 0, 0);
    for (const mosaic_layout::Source& s : plan.sources) sum.add(colours.near(at, s.box), s.count);
    sum.add(above, plan.above);
    const auto divide = [n = plan.count](std::uint32_t v) {
        // Whole blocks are the rule: their division becomes shifts.
        return n == 64 ? effect::divide_to_even(v, 64) : effect::divide_to_even(v, n);
    };
    return effect::pixel_of(divide(sum.red_blue >> 16), divide(sum.green), divide(sum.red_blue & 0xFFFFu));
}

// Sums of the picture under the blocks' samples that no earlier box covers, by block rows.
std::vector<Sum> read_picture(const Canvas& canvas, Layout& layout) {
    const std::size_t column_count = layout.columns().size(), row_count = layout.rows().size();
    std::vector<Sum> sums(column_count * row_count);
    for (std::size_t r = 0; r < row_count; ++r)
        for (std::size_t c = 0; c < column_count; ++c)
            sums[r * column_count + c] =
                picture_sum(canvas, layout.plan(c, r), layout.columns()[c].first_px, layout.rows()[r].first_px);
    return sums;
}

// The blocks' colours for one column, in drawing order.
void colour_column(Layout& layout, std::size_t column, const std::vector<Sum>& sums, BoxColours& colours) {
    const std::size_t column_count = layout.columns().size(), row_count = layout.rows().size();
    // Each block counts on the one just above: it is kept at hand rather than read back.
    std::uint32_t above = 0;
    for (std::size_t r = 0; r < row_count; ++r) {
        const std::size_t at = colours.at(column, r);
        above = average(layout.plan(column, r), sums[r * column_count + column], colours, at, above);
        colours[at] = above;
    }
}

// Every block's cell, block rows in turn.
void paint_cells(Painter& painter, Layout& layout, const BoxColours& colours) {
    for (std::size_t r = 0; r < layout.rows().size(); ++r)
        for (std::size_t c = 0; c < layout.columns().size(); ++c)
            painter.cell(layout.plan(c, r), layout.columns()[c].first_px, layout.rows()[r].first_px, colours,
                         colours.at(c, r));
}

// The boxes of the first `columns` columns whole, in drawing order.
void paint_boxes(Painter& painter, Layout& layout, const BoxColours& colours, std::size_t columns) {
    for (std::size_t c = 0; c < columns; ++c)
        for (std::size_t r = 0; r < layout.rows().size(); ++r) {
            const Canvas::BoxRows& shape = layout.shape(c, r);
            const int x0 = layout.columns()[c].first_px, y0 = layout.rows()[r].first_px + shape.first_row;
            for (std::size_t k = 0; k < shape.spans.size(); ++k)
                painter.span(y0 + static_cast<int>(k), x0 + shape.spans[k].first, x0 + shape.spans[k].last,
                             colours.near(colours.at(c, r), 0));
        }
}

}  // namespace

// Works in twips: each block samples one point 1 twip inside each of its 64 pixels, and is drawn
// as a box with the pen before the next block samples. Rather than drawing the boxes over one
// another, the run reads the picture under the samples first, then works out the colours column
// by column as the boxes would be drawn (asking for a stop before each column), then paints each
// block's cell of what the boxes leave. Cells count on the boxes after them, so a stopped run
// draws the boxes it got to whole, in turn.
EffectEnd mosaic(Canvas& canvas, const Rect& selection, const EffectPacing& pacing) {
    effect::CanvasState state(canvas, ScaleMode::twips);
    Painter painter(canvas);
    // The screen's twips per pixel rounded, as steps of whole screen pixels; on a scaled screen a
    // picture pixel is a fraction of that, so the blocks stay 8 picture pixels a side.
    const double ratio = canvas.pixel_ratio();
    const double t = std::max(static_cast<double>(std::lround(canvas.twips_per_pixel() * ratio)), 1.0) / ratio;
    const double side = kBlock * t;
    const double left = selection.left, top = selection.top;
    const double right = left + selection.width, bottom = top + selection.height;
    // A block reaches one side beyond its start, and the pen half its width further.
    const double reach = (canvas.draw_width() / 2.0 + 2) * t + side;
    const auto column_steps = effect::steps_within(left, right, side, -reach, canvas.width() + reach);
    const auto row_steps = effect::steps_within(top, bottom, side, -reach, canvas.height() + reach);
    std::vector<BlockLine> columns, rows;
    for (auto i = column_steps.first; i <= column_steps.last; ++i)
        columns.push_back(block_line(canvas, left + static_cast<double>(i) * side, side, t, canvas.width_px()));
    for (auto j = row_steps.first; j <= row_steps.last; ++j)
        rows.push_back(block_line(canvas, top + static_cast<double>(j) * side, side, t, canvas.height_px()));
    Layout layout(canvas, std::move(columns), std::move(rows));
    const std::vector<Sum> sums = read_picture(canvas, layout);
    BoxColours colours(layout.columns().size(), layout.rows().size());
    const effect::Run run(canvas, pacing);
    for (std::size_t c = 0; c < layout.columns().size(); ++c) {
        // A column of blocks takes well under the pacer's interval.
        if (run.stop()) {
            if (run.replaced())
                painter.abandon();
            else
                paint_boxes(painter, layout, colours, c);
            return EffectEnd::stopped;
        }
        const BlockLine& column = layout.columns()[c];
        if (!layout.rows().empty()) painter.box_to(column.start + side, layout.rows().back().start + side);
        colour_column(layout, c, sums, colours);
        run.report(column.start, right);
    }
    paint_cells(painter, layout, colours);
    return EffectEnd::completed;
}

}  // namespace vis
