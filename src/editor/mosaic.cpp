#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "editor/effect_steps.h"
#include "editor/effects.h"

namespace vis {

namespace {

constexpr int kBlock = 8;  // pixels a side

// The pixels that a block's 8 samples along one axis fall on, from the block's start: 1 twip in,
// then one pixel's twips apart. Samples off the canvas are left out.
std::vector<int> sample_pixels(const Canvas& canvas, double start, int step, int size) {
    std::vector<int> out;
    for (int d = 1; d <= kBlock * step; d += step) {
        const double px = canvas.to_px(start + d);
        if (px >= 0 && px < size) out.push_back(static_cast<int>(px));
    }
    return out;
}

// A line of blocks along one axis: where each starts and ends in pixels, and its samples.
struct BlockLine {
    double start;  // twips
    int first_px;
    int last_px;
    std::vector<int> samples;
};

BlockLine block_line(const Canvas& canvas, double start, int side, int t, int size) {
    return {start, static_cast<int>(canvas.to_px(start)), static_cast<int>(canvas.to_px(start + side)),
            sample_pixels(canvas, start, t, size)};
}

// Per sample row of a block, the pixel the box just above left over all its samples, or 0 (no
// pixel of the canvas is 0, all being opaque) where the row has to be read.
using KnownRows = std::array<std::uint32_t, kBlock>;

// The block's average, rounded halves to even, as a pixel; a block wholly off the canvas
// averages nothing and is black.
std::uint32_t average(const Canvas& canvas, const std::vector<int>& columns, const std::vector<int>& rows,
                      const KnownRows& known) {
    const auto count = static_cast<std::int64_t>(columns.size() * rows.size());
    if (count == 0) return effect::pixel_of(0, 0, 0);
    // Red and blue in 16-bit lanes of one sum: 64 samples of 255 cannot carry into red.
    std::uint32_t red_blue = 0, green = 0;
    const bool whole = columns.size() == kBlock && columns.back() - columns.front() + 1 == kBlock;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (known[r] != 0) {
            const auto n = static_cast<std::uint32_t>(columns.size());
            red_blue += n * (known[r] & 0xFF00FFu);
            green += n * ((known[r] >> 8) & 0xFFu);
            continue;
        }
        const std::uint32_t* pixels = canvas.row(rows[r]);
        if (whole) {
            // A fixed count the compiler sums a vector at a time.
            const std::uint32_t* p = pixels + columns.front();
            for (std::size_t k = 0; k < kBlock; ++k) {
                red_blue += p[k] & 0xFF00FFu;
                green += (p[k] >> 8) & 0xFFu;
            }
        } else {
            for (const int px : columns) {
                red_blue += pixels[px] & 0xFF00FFu;
                green += (pixels[px] >> 8) & 0xFFu;
            }
        }
    }
    const auto divide = [count](std::uint32_t sum) {
        // Whole blocks are the rule: their division becomes shifts.
        return count == 64 ? effect::divide_to_even(sum, 64) : effect::divide_to_even(sum, count);
    };
    return effect::pixel_of(divide(red_blue >> 16), divide(green), divide(red_blue & 0xFFFFu));
}

// Spans are a few dozen pixels: runs of a fixed length let the compiler store them a vector at
// a time.
void fill(std::uint32_t* pixels, int count, std::uint32_t pixel) {
    constexpr int kRun = 8;
    for (; count >= kRun; count -= kRun, pixels += kRun)
        for (int k = 0; k < kRun; ++k) pixels[k] = pixel;
    for (int k = 0; k < count; ++k) pixels[k] = pixel;
}

// The pixels the boxes wrote, as one rectangle noted on the canvas when the run ends however it
// ends, and the corner the last box left as the current point.
class Painted {
public:
    explicit Painted(Canvas& canvas) : canvas_(canvas) {}
    ~Painted() {
        if (boxes_) canvas_.set_current_point(corner_x_, corner_y_);
        if (right_ >= left_) canvas_.mark(left_, top_, right_ - left_ + 1, bottom_ - top_ + 1);
    }
    Painted(const Painted&) = delete;
    Painted& operator=(const Painted&) = delete;

    void span(int y, int first, int last) {
        left_ = std::min(left_, first);
        right_ = std::max(right_, last);
        top_ = std::min(top_, y);
        bottom_ = std::max(bottom_, y);
    }
    void box_to(double x, double y) {
        boxes_ = true;
        corner_x_ = x;
        corner_y_ = y;
    }

private:
    Canvas& canvas_;
    int left_ = INT_MAX, right_ = INT_MIN, top_ = INT_MAX, bottom_ = INT_MIN;
    bool boxes_ = false;
    double corner_x_ = 0, corner_y_ = 0;
};

}  // namespace

// Works in twips: each block samples one point 1 twip inside each of its 64 pixels. Blocks are
// drawn one after another as boxes with the pen, so a wide pen's box reaches into blocks sampled
// later. All the boxes have the same few shapes, so each column works its shapes out once and
// fills their rows straight into the canvas.
EffectEnd mosaic(Canvas& canvas, const Rect& selection, const EffectPacing& pacing) {
    effect::CanvasState state(canvas, ScaleMode::twips);
    Painted painted(canvas);
    const int t = std::max(static_cast<int>(std::lround(canvas.twips_per_pixel())), 1);
    const int side = kBlock * t;
    const double left = selection.left, top = selection.top;
    const double right = left + selection.width, bottom = top + selection.height;
    // A block reaches one side beyond its start, and the pen half its width further.
    const double reach = (canvas.draw_width() / 2.0 + 2) * t + side;
    const auto columns = effect::steps_within(left, right, side, -reach, canvas.width() + reach);
    const auto rows = effect::steps_within(top, bottom, side, -reach, canvas.height() + reach);
    const int height = canvas.height_px();
    const bool draws = canvas.draw_mode() == DrawMode::copy;

    // The rows of blocks, and the few heights in pixels their boxes have.
    std::vector<BlockLine> block_rows;
    std::vector<int> heights;
    std::vector<std::size_t> height_of;
    for (auto j = rows.first; j <= rows.last; ++j) {
        block_rows.push_back(block_line(canvas, top + static_cast<double>(j) * side, side, t, height));
        const int h = block_rows.back().last_px - block_rows.back().first_px;
        const auto known = std::find(heights.begin(), heights.end(), h);
        height_of.push_back(static_cast<std::size_t>(known - heights.begin()));
        if (known == heights.end()) heights.push_back(h);
    }

    std::vector<Canvas::BoxRows> shapes(heights.size());
    for (auto i = columns.first; i <= columns.last; ++i) {
        // A column of blocks takes well under the pacer's interval: the stop is asked before each.
        if (effect::stop_asked(pacing)) return EffectEnd::stopped;
        const BlockLine column = block_line(canvas, left + static_cast<double>(i) * side, side, t, canvas.width_px());
        for (std::size_t h = 0; h < heights.size(); ++h)
            shapes[h] = canvas.box_rows(column.first_px, column.last_px, heights[h]);
        // A column off the canvas samples nothing, and no span covers its samples.
        const int samples_from = column.samples.empty() ? INT_MIN : column.samples.front();
        const int samples_to = column.samples.empty() ? INT_MAX : column.samples.back();
        KnownRows known{};
        for (std::size_t j = 0; j < block_rows.size(); ++j) {
            const BlockLine& block_row = block_rows[j];
            painted.box_to(column.start + side, block_row.start + side);
            if (!draws) continue;
            const std::uint32_t pixel = average(canvas, column.samples, block_row.samples, known);
            known.fill(0);
            const Canvas::BoxRows& shape = shapes[height_of[j]];
            const int first_y = block_row.first_px + shape.first_row;
            // The next box down rewrites whatever of this one it covers before anything but the
            // next block's samples reads it; and where this box covers all of a sampled row,
            // that row's samples are its colour.
            const bool next = j + 1 < block_rows.size();
            const Canvas::BoxRows* next_shape = next ? &shapes[height_of[j + 1]] : nullptr;
            const int next_first_y = next ? block_rows[j + 1].first_px + next_shape->first_row : 0;
            const std::vector<int>& next_samples = next ? block_rows[j + 1].samples : block_row.samples;
            const int sampled_from = next_samples.empty() ? INT_MAX : next_samples.front();
            const int sampled_to = next_samples.empty() ? INT_MIN : next_samples.back();
            // The rows above both the next box and its samples are simply filled.
            const int next_from = next ? std::min(next_first_y, sampled_from) : INT_MAX;
            for (std::size_t k = 0; k < shape.spans.size(); ++k) {
                const int y = first_y + static_cast<int>(k);
                const Canvas::ColumnSpan span = shape.spans[k];
                if (y < 0 || span.first > span.last) continue;
                if (y >= height) break;
                bool rewritten = false;
                if (y >= next_from) {
                    const auto sampled = y < sampled_from || y > sampled_to
                                             ? next_samples.end()
                                             : std::find(next_samples.begin(), next_samples.end(), y);
                    const bool covers_samples = span.first <= samples_from && span.last >= samples_to;
                    if (sampled != next_samples.end() && covers_samples)
                        known[static_cast<std::size_t>(sampled - next_samples.begin())] = pixel;
                    const auto n = static_cast<std::size_t>(y - next_first_y);
                    if (y >= next_first_y && n < next_shape->spans.size()) {
                        const Canvas::ColumnSpan over = next_shape->spans[n];
                        rewritten = over.first <= span.first && over.last >= span.last &&
                                    (sampled == next_samples.end() || covers_samples);
                    }
                }
                if (rewritten) continue;
                fill(canvas.row(y) + span.first, span.last - span.first + 1, pixel);
                painted.span(y, span.first, span.last);
            }
        }
        effect::report(pacing, column.start, right);
    }
    return EffectEnd::completed;
}

}  // namespace vis
