#include <cmath>

#include "editor/effect_steps.h"
#include "editor/effects.h"

namespace vis {

namespace {

constexpr int kBlock = 8;  // pixels a side

}  // namespace

// Works in twips: each block samples one point 1 twip inside each of its 64 pixels.
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
    for (auto i = columns.first; i <= columns.last; ++i) {
        const double x = left + static_cast<double>(i) * side;
        for (auto j = rows.first; j <= rows.last; ++j) {
            if (effect::stop_asked(pacing)) return EffectEnd::stopped;
            const double y = top + static_cast<double>(j) * side;
            int count = kBlock * kBlock;
            std::int64_t r = 0, g = 0, b = 0;
            for (int di = 1; di <= side; di += t) {
                for (int dj = 1; dj <= side; dj += t) {
                    const std::int32_t v = canvas.point(x + di, y + dj);
                    if (v == -1) {
                        --count;
                        continue;
                    }
                    const auto c = static_cast<Colour>(v);
                    r += red_of(c);
                    g += green_of(c);
                    b += blue_of(c);
                }
            }
            // A block wholly off the canvas averages nothing and is drawn black.
            if (count != 0) {
                r = effect::divide_to_even(r, count);
                g = effect::divide_to_even(g, count);
                b = effect::divide_to_even(b, count);
            }
            canvas.box(x, y, x + side, y + side,
                       effect::compose(static_cast<int>(r), static_cast<int>(g), static_cast<int>(b)));
        }
        effect::report(pacing, x, right);
    }
    return EffectEnd::completed;
}

}  // namespace vis
