#include "music/tracks.h"

#include <algorithm>
#include <cmath>

#include "services/paths.h"

namespace vis {

int random_track_index(const Clock& clock, Random& random) {
    random.seed(static_cast<std::uint64_t>(clock.now_ms()));
    const int last = static_cast<int>(kBgmTracks.size()) - 1;
    const double drawn = std::floor(random.next() * static_cast<double>(kBgmTracks.size()));
    // A generator that reaches 1.0 (or misbehaves) still names a track.
    if (!(drawn >= 0.0)) return 0;
    return static_cast<int>(std::min(drawn, static_cast<double>(last)));
}

std::string track_path(const std::string& game_folder, int index) {
    const std::string sound = join_path(join_path(game_folder, "Data"), "Sound");
    return join_path(sound, kBgmTracks.at(static_cast<std::size_t>(index)));
}

}  // namespace vis
