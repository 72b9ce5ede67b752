#pragma once
// A game folder with many screenshots, made once per benchmark run.
#include <cstdint>
#include <string>

#include "support/temp_folder.h"
#include "ui/picture.h"

namespace vis::bench {

// A 1920 x 1080 picture with detail everywhere, saved at quality 80, so it is as costly to
// decode as a real screenshot; `seed` varies the detail.
std::string full_hd_jpeg(std::uint32_t seed = 12345);

// A 1920 x 1080 picture of random pixels, as the editor's canvas starts from.
Picture full_hd_noise();

// 10,000 small screenshots with distinct save times; the first one is a 1920 x 1080 picture
// saved at quality 80. Made on first use and kept for the whole run.
const test::GameFolders& big_game_folder();
inline constexpr int kBigFolderCount = 10000;

// `count` small screenshots, each saved a minute after the one before. Made on first use of each
// count and kept for the whole run.
const test::GameFolders& shots_folder(int count);

// 10,000 screenshots whose first `kFullHdRun` (oldest first) are distinct 1920 x 1080 pictures
// saved at quality 80, for stepping from one full-size screenshot to the next.
const test::GameFolders& full_hd_run_folder();
inline constexpr int kFullHdRun = 16;
std::string full_hd_run_name(int i);

// Moves a folder of copies out of the way, to be deleted when the run ends. Making a file on
// ext4 without a journal searches past the files deleted in the last minute, so deleting one
// side's copies would slow down whichever side is timed next.
void set_aside(const std::string& folder);

}  // namespace vis::bench
