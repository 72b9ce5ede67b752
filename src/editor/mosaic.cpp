#include <cmath>
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

}  // namespace

// Works in twips: each block samples one point 1 twip inside each of its 64 pixels. Blocks are
// drawn one after another with the pen, so a wide pen's box reaches into blocks sampled later.
EffectEnd mosaic(Canvas& canvas, const Rect& selection, const EffectPacing& pacing) {
    effect::CanvasState state(canvas, ScaleMode::twips);
    const int t = std::max(static_cast<int>(std::lround(canvas.twips_per_pixel())), 1);
    const int side = kBlock * t;
    const double left = selection.left, top = selection.top;
    const double right = left + selection.width, bottom = top + selection.height;
    // A block reaches one side beyond its start, and the pen half its width further.
    const double reach = (canvas.draw_width() / 2.0 + 2) * t + side;
    const auto columns = effect::steps_within(left, right, side, -reach, canvas.width() + reach);
    const auto rows = effect::steps_within(top, bottom, side, -reach, canvas.height() + reach);
    std::vector<std::vector<int>> row_samples;
    for (auto j = rows.first; j <= rows.last; ++j)
        row_samples.push_back(sample_pixels(canvas, top + static_cast<double>(j) * side, t, canvas.height_px()));

    for (auto i = columns.first; i <= columns.last; ++i) {
        const double x = left + static_cast<double>(i) * side;
        // A column of blocks takes well under the pacer's interval: the stop is asked before each.
        if (effect::stop_asked(pacing)) return EffectEnd::stopped;
        const std::vector<int> sample_columns = sample_pixels(canvas, x, t, canvas.width_px());
        for (auto j = rows.first; j <= rows.last; ++j) {
            const double y = top + static_cast<double>(j) * side;
            const std::vector<int>& sample_rows = row_samples[static_cast<std::size_t>(j - rows.first)];
            // Samples off the canvas read as -1 and are left out of the count.
            const auto count = static_cast<std::int64_t>(sample_columns.size() * sample_rows.size());
            std::uint64_t sums = 0;
            for (const int py : sample_rows) {
                const std::uint32_t* pixels = canvas.row(py);
                for (const int px : sample_columns) sums += effect::spread(pixels[px]);
            }
            int r = 0, g = 0, b = 0;
            // A block wholly off the canvas averages nothing and is drawn black.
            if (count != 0) {
                r = effect::divide_to_even(effect::lane(sums, 2), count);
                g = effect::divide_to_even(effect::lane(sums, 1), count);
                b = effect::divide_to_even(effect::lane(sums, 0), count);
            }
            canvas.box(x, y, x + side, y + side, effect::compose(r, g, b));
        }
        effect::report(pacing, x, right);
    }
    return EffectEnd::completed;
}

}  // namespace vis
