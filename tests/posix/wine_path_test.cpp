// Windows paths from the settings found inside a made-up Wine prefix.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "posix/wine_path.h"
#include "services/paths.h"
#include "support/posix/wine_prefix.h"
#include "support/temp_folder.h"

namespace vis {
namespace {

namespace fs = std::filesystem;

class WinePathTest : public ::testing::Test {
protected:
    void SetUp() override {
        drive_c = test::make_wine_prefix(prefix);
        game = join_path(drive_c, "Program Files/QUORIX/Pelmar Online");
        fs::create_directories(to_fs_path(join_path(game, "Screen Save")));
    }
    std::string resolve(const std::string& path) const { return resolve_in_prefix(path, prefix); }

    test::TempFolder root;
    std::string prefix = join_path(root.path(), "wine");
    std::string drive_c;
    std::string game;
};

TEST_F(WinePathTest, DriveLinkAndLetterCase) {
    EXPECT_EQ(resolve("C:\\Program Files\\QUORIX\\Pelmar Online"), game);
    // join_path adds "/" to a stored Windows path; both separators count, doubled ones too.
    EXPECT_EQ(resolve("C:\\Program Files\\QUORIX\\Pelmar Online/Screen Save"), join_path(game, "Screen Save"));
    EXPECT_EQ(resolve("c:/PROGRAM FILES\\\\quorix/pelmar online\\screen save\\"), join_path(game, "Screen Save"));
    EXPECT_EQ(resolve("C:\\Program Files\\Other\\..\\QUORIX\\.\\Pelmar Online"), game);
    EXPECT_EQ(resolve("C:\\"), drive_c);
    EXPECT_EQ(resolve("C:"), drive_c);
    EXPECT_TRUE(folder_exists(resolve("C:\\program files\\Quorix\\PELMAR ONLINE\\Screen Save")));
}

TEST_F(WinePathTest, ExactNameBeforeOneThatDiffersInCase) {
    fs::create_directories(to_fs_path(join_path(game, "Data/Sound")));
    fs::create_directories(to_fs_path(join_path(game, "data")));
    fs::create_directories(to_fs_path(join_path(game, "DATA")));
    EXPECT_EQ(resolve("C:\\Program Files\\QUORIX\\Pelmar Online\\data"), join_path(game, "data"));
    EXPECT_EQ(resolve("C:\\Program Files\\QUORIX\\Pelmar Online\\Data\\Sound"), join_path(game, "Data/Sound"));
    // No exact name: the first in name order, whatever order the folder lists them in.
    EXPECT_EQ(resolve("C:\\Program Files\\QUORIX\\Pelmar Online\\dAtA"), join_path(game, "DATA"));
}

TEST_F(WinePathTest, OtherDrivesFollowTheirOwnLinks) {
    const std::string shots = join_path(root.path(), "shots");
    fs::create_directories(to_fs_path(join_path(shots, "May")));
    fs::create_directory_symlink(to_fs_path(shots), to_fs_path(join_path(prefix, "dosdevices/d:")));
    EXPECT_EQ(resolve("D:\\may"), join_path(shots, "May"));
    // A drive without a link leads nowhere that exists.
    EXPECT_EQ(resolve("E:\\Games"), join_path(prefix, "dosdevices/e:/Games"));
    EXPECT_FALSE(folder_exists(resolve("E:\\Games")));
}

TEST_F(WinePathTest, AMissingComponentStaysAsWritten) {
    EXPECT_EQ(resolve("C:\\program files\\Nexon\\Screen Save"), join_path(drive_c, "Program Files/Nexon/Screen Save"));
    EXPECT_EQ(resolve("C:\\Program Files\\QUORIX\\Pelmar Online\\screen save\\PelmarOnline_1.JPG"),
              join_path(game, "Screen Save/PelmarOnline_1.JPG"));
    EXPECT_FALSE(folder_exists(resolve("C:\\program files\\Nexon\\Screen Save")));
    // A file, not a folder, on the way.
    test::write_file(join_path(drive_c, "notes"), "x");
    EXPECT_EQ(resolve("C:\\NOTES\\a"), join_path(drive_c, "notes/a"));
}

TEST_F(WinePathTest, PathsThatAreNotDriveAbsoluteStandAsTheyAre) {
    for (const std::string& path :
         {game, std::string("Screen Save"), std::string(""), std::string("C:Games"), std::string("CD:\\Games"),
          std::string("\\\\server\\share"), std::string("1:\\Games")})
        EXPECT_EQ(resolve(path), path);
    EXPECT_EQ(resolve_in_prefix("C:\\Games", ""), "C:\\Games");
}

TEST(WinePrefix, FromWineprefixElseHome) {
    std::map<std::string, std::string> vars;
    const EnvLookup env = [&](const std::string& name) -> std::optional<std::string> {
        const auto it = vars.find(name);
        if (it == vars.end()) return std::nullopt;
        return it->second;
    };
    EXPECT_EQ(wine_prefix(env), "");
    vars["HOME"] = "/home/player";
    EXPECT_EQ(wine_prefix(env), "/home/player/.wine");
    vars["WINEPREFIX"] = "";
    EXPECT_EQ(wine_prefix(env), "/home/player/.wine");
    vars["WINEPREFIX"] = "/games/pelmar";
    EXPECT_EQ(wine_prefix(env), "/games/pelmar");
}

TEST_F(WinePathTest, FilesAreTouchedThroughTheProcessPrefix) {
    const std::string stored = "C:\\Program Files\\QUORIX\\Pelmar Online";
    {
        const test::ScopedEnv wineprefix("WINEPREFIX", prefix);
        EXPECT_EQ(host_path(stored), game);
        EXPECT_TRUE(folder_exists(join_path(stored, "Screen Save")));
        test::write_file(join_path(stored, "Screen Save/a.txt"), "shot");
        EXPECT_EQ(test::read_file(join_path(game, "Screen Save/a.txt")), "shot");
    }
    {
        // Without WINEPREFIX the prefix is ~/.wine.
        const test::ScopedEnv no_prefix("WINEPREFIX", std::nullopt);
        const test::ScopedEnv home("HOME", root.path());
        EXPECT_FALSE(folder_exists(stored));
        fs::rename(to_fs_path(prefix), to_fs_path(join_path(root.path(), ".wine")));
        EXPECT_EQ(host_path(stored), join_path(root.path(), ".wine/drive_c/Program Files/QUORIX/Pelmar Online"));
        EXPECT_TRUE(folder_exists(stored));
    }
    EXPECT_EQ(host_path(game), game);
}

}  // namespace
}  // namespace vis
