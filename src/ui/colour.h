#pragma once
// Colours are the program's 32-bit values: red + 256 * green + 65536 * blue.
#include <cstdint>

namespace vis {

using Colour = std::uint32_t;

constexpr Colour rgb(int r, int g, int b) {
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}
constexpr int red_of(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int green_of(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blue_of(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// Marks "the window system's default" for a control's colour.
constexpr Colour kDefaultColour = 0xFF000000u;

}  // namespace vis
