#include "editor/tool_geometry.h"

#include <cctype>
#include <charconv>
#include <cmath>

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
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos) return 0;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    // Only digits or a point may follow: no words such as "inf", no second sign.
    if (i >= text.size() || !(std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.')) return 0;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data() + i, text.data() + text.size(), value);
    if (error != std::errc() || !std::isfinite(value)) return 0;
    return negative ? -value : value;
}

Colour colour_from_text(std::string_view text) {
    return static_cast<Colour>(static_cast<long long>(leading_number(text)) & 0xFFFFFF);
}

}  // namespace vis
