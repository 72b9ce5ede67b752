#pragma once
// A screenshot as a game saves one, for timing decodes on fair bytes.
#include <cstdint>
#include <string>

namespace vis::bench {

// A 1920 x 1080 game scene saved at quality 80, about 300 KB like a game's screenshot: a sky
// gradient, hills, a textured ground, buildings with lit windows, trees and a status bar with
// text-like marks. The same bytes for the same `seed`.
std::string game_scene_jpeg(std::uint32_t seed = 2006);

}  // namespace vis::bench
