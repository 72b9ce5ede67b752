#pragma once
// JPEGs in printers' inks (CMYK, or YCCK as print software stores it), which the program never
// writes itself: made here with libjpeg's own API.
#include <array>
#include <string>
#include <vector>

namespace vis::test {

// Inks as such files store them: inverted, 255 for none (so 255, 255, 255, 255 is white).
using Inks = std::array<unsigned char, 4>;

// A width x height JPEG, row-major `inks` (one per pixel), quality 100, in CMYK or YCCK.
std::string ink_jpeg(int width, int height, const std::vector<Inks>& inks, bool ycck);

}  // namespace vis::test
