#include <cmath>
#include <vector>

#include "editor/effect_steps.h"
#include "editor/effects.h"

namespace vis {

// A 3 x 3 box average over a snapshot taken before the first pixel changes. Pixels at the
// selection's border average with their neighbours outside it as they are on the canvas, and
// pixels at the canvas's edge with the neighbours it has, so the blurred area meets its
// surroundings without a seam or a dark rim.
EffectEnd blur(Canvas& canvas, const Rect& selection, const EffectPacing& pacing) {
    effect::CanvasState state(canvas, ScaleMode::pixels);
    canvas.set_draw_width(1);
    const double tpp = canvas.twips_per_pixel();
    const double top = selection.top / tpp;
    const double bottom = (selection.top + static_cast<double>(selection.height)) / tpp;
    // The rows and columns run from the rounded start to the rounded end (halves to even), cut to
    // the canvas.
    const auto clip = [](double from, double to, int size) {
        return std::pair{std::max(std::nearbyint(from), 0.0), std::min(std::nearbyint(to), size - 1.0)};
    };
    const auto [x0, x1] =
        clip(selection.left / tpp, (selection.left + static_cast<double>(selection.width)) / tpp, canvas.width_px());
    const auto [y0, y1] = clip(top, bottom, canvas.height_px());
    if (x0 > x1 || y0 > y1) return EffectEnd::completed;

    // The snapshot holds the selection and a ring of one pixel around it, as far as the canvas goes.
    const int sx0 = std::max(static_cast<int>(x0) - 1, 0),
              sx1 = std::min(static_cast<int>(x1) + 1, canvas.width_px() - 1);
    const int sy0 = std::max(static_cast<int>(y0) - 1, 0),
              sy1 = std::min(static_cast<int>(y1) + 1, canvas.height_px() - 1);
    const int span = sx1 - sx0 + 1;
    std::vector<Colour> snapshot(static_cast<std::size_t>(span) * static_cast<std::size_t>(sy1 - sy0 + 1));
    for (int y = sy0; y <= sy1; ++y)
        for (int x = sx0; x <= sx1; ++x)
            snapshot[static_cast<std::size_t>(y - sy0) * span + (x - sx0)] = static_cast<Colour>(canvas.point(x, y));

    for (int y = static_cast<int>(y0); y <= static_cast<int>(y1); ++y) {
        if (effect::stop_asked(pacing)) return EffectEnd::stopped;
        for (int x = static_cast<int>(x0); x <= static_cast<int>(x1); ++x) {
            int r = 0, g = 0, b = 0, n = 0;
            for (int ny = std::max(y - 1, sy0); ny <= std::min(y + 1, sy1); ++ny) {
                for (int nx = std::max(x - 1, sx0); nx <= std::min(x + 1, sx1); ++nx) {
                    const Colour c = snapshot[static_cast<std::size_t>(ny - sy0) * span + (nx - sx0)];
                    r += red_of(c);
                    g += green_of(c);
                    b += blue_of(c);
                    ++n;
                }
            }
            canvas.pset(x, y,
                        rgb(effect::divide_to_even(r, n), effect::divide_to_even(g, n), effect::divide_to_even(b, n)));
        }
        effect::report(pacing, y, bottom);
    }
    return EffectEnd::completed;
}

}  // namespace vis
