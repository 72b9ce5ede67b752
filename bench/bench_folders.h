#pragma once
// A game folder with many screenshots, made once per benchmark run.
#include <string>

#include "support/temp_folder.h"

namespace vis::bench {

// 10,000 small screenshots with distinct save times; the first one is a 1920 x 1080 picture
// saved at quality 80. Made on first use and kept for the whole run.
const test::GameFolders& big_game_folder();
inline constexpr int kBigFolderCount = 10000;

}  // namespace vis::bench
