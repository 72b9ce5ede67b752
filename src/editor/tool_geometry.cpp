#include "editor/tool_geometry.h"

#include <cmath>

#include "services/number_text.h"

namespace vis {

double drawing_offset(int icon_pixels, double twips_per_pixel) {
    constexpr double kHimetricPerTwip = 2540.0 / 1440.0;
    const long himetric = std::lround(icon_pixels * twips_per_pixel * kHimetricPerTwip);
    return static_cast<double>(himetric) / 2.0 + 25.0;
}

int whole_twips(double v) {
    return static_cast<int>(std::nearbyint(v));
}

Rect drag_selection(Rect selection, int x, int y) {
    if (selection.left <= x)
        selection.width = x - selection.left;
    else
        selection.left = x;
    if (selection.top <= y)
        selection.height = y - selection.top;
    else
        selection.top = y;
    if (selection.left <= 0) selection.left = 0;
    if (selection.top <= 0) selection.top = 0;
    return selection;
}

double leading_number(std::string_view text) {
    return read_number(text).value().value_or(0.0);
}

Colour colour_from_text(std::string_view text) {
    return static_cast<Colour>(static_cast<long long>(leading_number(text)) & 0xFFFFFF);
}

Colour contrasting(Colour c) {
    const int brightness = red_of(c) * 299 + green_of(c) * 587 + blue_of(c) * 114;
    return brightness > 128000 ? rgb(0, 0, 0) : rgb(255, 255, 255);
}

}  // namespace vis
