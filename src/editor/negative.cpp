#include "editor/effect_steps.h"
#include "editor/effects.h"

namespace vis {

namespace {

// 256 - c, capped: black gives white, but white gives 1, 1, 1.
std::uint32_t negated(std::uint32_t c) {
    return c == 0 ? 255u : 256u - c;
}

}  // namespace

EffectEnd negative(Canvas& canvas, const Rect& selection, const EffectPacing& pacing) {
    return effect::each_pixel_by_columns(canvas, selection, pacing, [](std::uint32_t p) {
        return 0xFF000000u | negated((p >> 16) & 0xFFu) << 16 | negated((p >> 8) & 0xFFu) << 8 | negated(p & 0xFFu);
    });
}

}  // namespace vis
