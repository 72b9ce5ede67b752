// Albums of a game installed under Wine, whose folder is stored as a Windows path.
#include <gtest/gtest.h>

#include <filesystem>

#include "album/album_writer.h"
#include "services/paths.h"
#include "support/album_inputs.h"
#include "support/album_recorder.h"
#include "support/posix/wine_prefix.h"
#include "support/temp_folder.h"

namespace vis {
namespace {

using namespace test::album;
using test::AlbumRecorder;

TEST(AlbumPages, AbsolutePathsOfAGameUnderWineNameTheFilesThere) {
    test::TempFolder wine;
    const std::string shots =
        join_path(test::make_wine_prefix(wine.path()), "Program Files/QUORIX/Pelmar Online/Screen Save");
    std::filesystem::create_directories(to_fs_path(shots));
    test::write_file(join_path(shots, shot_name(0)), "jpeg");
    const test::ScopedEnv wineprefix("WINEPREFIX", wine.path());
    AlbumInput in = input_of(1);
    in.create_mode = kAbsolutePathAlbum;
    in.shots_folder = "C:\\Program Files\\QUORIX\\Pelmar Online/Screen Save";
    AlbumRecorder out;
    ASSERT_TRUE(write_album(in, creation_clock(), out).ok());
    const std::string src = "<img src='" + join_path(shots, shot_name(0)) + "'";
    EXPECT_NE(out.files[page_path(1)].find(src), std::string::npos);
}

}  // namespace
}  // namespace vis
