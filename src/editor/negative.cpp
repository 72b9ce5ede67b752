#include "editor/effect_steps.h"
#include "editor/effects.h"

namespace vis {

EffectEnd negative(Canvas& canvas, const Rect& selection, const EffectPacing& pacing) {
    effect::CanvasState state(canvas, ScaleMode::pixels);
    canvas.set_draw_width(1);
    const double tpp = canvas.twips_per_pixel();
    const double left = selection.left / tpp, top = selection.top / tpp;
    const double width = selection.width / tpp, height = selection.height / tpp;
    const auto columns = effect::steps_within(left, left + width, 1, 0, canvas.width_px());
    const auto rows = effect::steps_within(top, top + height, 1, 0, canvas.height_px());
    for (auto i = columns.first; i <= columns.last; ++i) {
        if (effect::stop_asked(pacing)) return EffectEnd::stopped;
        const double x = left + static_cast<double>(i);
        for (auto j = rows.first; j <= rows.last; ++j) {
            const double y = top + static_cast<double>(j);
            const std::int32_t v = canvas.point(x, y);
            if (v == -1) continue;
            const auto c = static_cast<Colour>(v);
            // 256 - 0 is capped, so black gives white but white gives 1, 1, 1.
            canvas.pset(x, y, effect::compose(256 - red_of(c), 256 - green_of(c), 256 - blue_of(c)));
        }
        effect::report(pacing, x, left + width);
    }
    return EffectEnd::completed;
}

}  // namespace vis
