#include "viewer/overlay_text.h"

#include <algorithm>

namespace vis {

std::string counter_text(int n, int t) {
    constexpr int kBarLength = 10;
    const long long filled = t > 0 ? static_cast<long long>(n) * kBarLength / t : 0;
    const int k = static_cast<int>(std::clamp<long long>(filled, 0, kBarLength));
    std::string bar(static_cast<std::size_t>(k), '|');
    for (int i = k; i < kBarLength; ++i) bar += "･";
    return std::to_string(n) + "/" + std::to_string(t) + " (" + bar + ")";
}

std::string blanks_for(const std::string& text) {
    // Every byte that does not continue a UTF-8 sequence starts a character.
    const auto characters =
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    return std::string(static_cast<std::size_t>(characters), ' ');
}

}  // namespace vis
