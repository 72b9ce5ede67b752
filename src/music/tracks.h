#pragma once
// The game's nine music files and the random choice among them.
#include <array>
#include <string>

#include "services/clock.h"

namespace vis {

inline constexpr std::array<const char*, 9> kBgmTracks = {
    "S_BGM_BrenhalField.mp3",
    "S_BGM_BrenhalDgn_NightValley.mp3",
    "S_BGM_PlainField.mp3",
    "S_BGM_BrenhalField_Conquest.mp3",
    "S_BGM_PlainField_conquest.mp3",
    "S_BGM_SunnyCoast.mp3",
    "S_BGM_BrenhalTown.mp3",
    "S_BGM_Tevanis.mp3",
    "S_BGM_morel.mp3",
};

// Seeds the generator from the clock and draws an index; every track is equally likely and the
// one just played may come again.
int random_track_index(const Clock& clock, Random& random);

// game folder/Data/Sound/<file name of track `index`>.
std::string track_path(const std::string& game_folder, int index);

}  // namespace vis
