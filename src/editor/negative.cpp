#include "editor/effect_steps.h"
#include "editor/effects.h"

namespace vis {

namespace {

// 256 - c for each component c, capped: black gives white, but white gives 1, 1, 1. That is ~c,
// plus one where c is not 0, which never carries into the next component; worked on the three
// components at once, so the compiler does many pixels a vector at a time.
std::uint32_t negated(std::uint32_t pixel) {
    const std::uint32_t c = pixel & 0xFFFFFFu;
    // 0x80 in each component that is not 0.
    const std::uint32_t nonzero = (((c & 0x7F7F7Fu) + 0x7F7F7Fu) | c) & 0x808080u;
    return 0xFF000000u | ((~c & 0xFFFFFFu) + (nonzero >> 7));
}

}  // namespace

EffectEnd negative(Canvas& canvas, const Rect& selection, const EffectPacing& pacing) {
    return effect::each_pixel_by_columns(canvas, selection, pacing, [](std::uint32_t p) { return negated(p); });
}

}  // namespace vis
