#pragma once
// Twips (the program's unit, 1/1440 inch) and a view's pixels, rounded to the nearest.
#include <cmath>

namespace vis {

inline int twips_to_px(int twips, double twips_per_pixel) {
    return static_cast<int>(std::lround(twips / twips_per_pixel));
}

inline int px_to_twips(double px, double twips_per_pixel) {
    return static_cast<int>(std::lround(px * twips_per_pixel));
}

}  // namespace vis
