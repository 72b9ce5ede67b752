#include "editor/effect_steps.h"
#include "editor/effects.h"

namespace vis {

EffectEnd monochrome(Canvas& canvas, const Rect& selection, const EffectPacing& pacing) {
    return effect::each_pixel_by_columns(canvas, selection, pacing, [](std::uint32_t p) {
        // The three components weighted alike, the quotient rounded down.
        const std::uint32_t grey = (((p >> 16) & 0xFFu) + ((p >> 8) & 0xFFu) + (p & 0xFFu)) / 3;
        return 0xFF000000u | grey * 0x010101u;
    });
}

}  // namespace vis
