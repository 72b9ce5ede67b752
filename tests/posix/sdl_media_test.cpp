// The SDL2_mixer backend with a real short MP3 on the dummy sound driver.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "sdl/media_command.h"
#include "sdl/sdl_media.h"
#include "services/paths.h"
#include "support/posix/wine_prefix.h"
#include "support/temp_folder.h"

namespace vis {
namespace {

using namespace std::chrono_literals;

std::string quoted(const std::string& word, const std::string& path) {
    return word + " \"" + path + "\"";
}

class SdlMediaTest : public ::testing::Test {
protected:
    void SetUp() override {
        // ctest sets it too; this keeps a direct run of the binary off the real sound card.
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        tone = join_path(folder.path(), "tone 440.mp3");
        const std::string make = "sox -q -n -r 44100 -c 2 '" + tone + "' synth 0.5 sine 440";
        ASSERT_EQ(std::system(make.c_str()), 0) << "sox could not write an MP3";
    }

    int send(const std::string& cmd) {
        reply = "untouched";
        return media.send(cmd, reply);
    }
    std::string mode_of(const std::string& path) {
        const int rc = send(quoted("status", path) + " mode");
        return rc == 0 ? reply : "failed " + std::to_string(rc);
    }

    test::TempFolder folder;
    std::string tone;
    SdlMedia media;
    std::string reply;
};

TEST_F(SdlMediaTest, PlaysThroughOnceThenReportsStopped) {
    ASSERT_EQ(send(quoted("open", tone)), 0);
    EXPECT_EQ(mode_of(tone), "stopped");  // open but not started
    ASSERT_EQ(send(quoted("play", tone)), 0);
    EXPECT_EQ(reply, "");
    EXPECT_EQ(mode_of(tone), "playing");

    const auto started = std::chrono::steady_clock::now();
    std::string mode = "playing";
    while (mode == "playing" && std::chrono::steady_clock::now() - started < 20s) {
        std::this_thread::sleep_for(10ms);
        mode = mode_of(tone);
    }
    EXPECT_EQ(mode, "stopped");

    // Played again from the start, as the program does when a track ends.
    ASSERT_EQ(send(quoted("close", tone)), 0);
    ASSERT_EQ(send(quoted("open", tone)), 0);
    ASSERT_EQ(send(quoted("play", tone)), 0);
    EXPECT_EQ(mode_of(tone), "playing");
}

TEST_F(SdlMediaTest, CloseStopsAndForgetsTheTrack) {
    ASSERT_EQ(send(quoted("open", tone)), 0);
    ASSERT_EQ(send(quoted("open", tone)), 0);  // opening an open track again is harmless
    ASSERT_EQ(send(quoted("play", tone)), 0);
    ASSERT_EQ(send(quoted("close", tone)), 0);
    EXPECT_NE(send(quoted("status", tone) + " mode"), 0);
    EXPECT_EQ(reply, "");
    EXPECT_NE(send(quoted("play", tone)), 0);
    EXPECT_NE(send(quoted("close", tone)), 0);
    // And it can be opened and played afresh.
    ASSERT_EQ(send(quoted("open", tone)), 0);
    ASSERT_EQ(send(quoted("play", tone)), 0);
    EXPECT_EQ(mode_of(tone), "playing");
}

TEST_F(SdlMediaTest, OnlyTheTrackLastPlayedReportsPlaying) {
    const std::string other = join_path(folder.path(), "other.mp3");
    std::filesystem::copy_file(to_fs_path(tone), to_fs_path(other));
    ASSERT_EQ(send(quoted("open", tone)), 0);
    ASSERT_EQ(send(quoted("open", other)), 0);
    ASSERT_EQ(send(quoted("play", tone)), 0);
    ASSERT_EQ(send(quoted("play", other)), 0);
    EXPECT_EQ(mode_of(tone), "stopped");
    EXPECT_EQ(mode_of(other), "playing");
    // Closing the track that does not play leaves the other one playing.
    ASSERT_EQ(send(quoted("close", tone)), 0);
    EXPECT_EQ(mode_of(other), "playing");
}

TEST_F(SdlMediaTest, MissingOrUnreadableFilesFail) {
    const std::string missing = join_path(folder.path(), "missing.mp3");
    EXPECT_NE(send(quoted("open", missing)), 0);
    EXPECT_NE(send(quoted("play", missing)), 0);
    EXPECT_NE(send(quoted("status", missing) + " mode"), 0);
    EXPECT_EQ(reply, "");
    EXPECT_NE(send(quoted("close", missing)), 0);

    const std::string junk = join_path(folder.path(), "junk.mp3");
    test::write_file(junk, "this is not music");
    EXPECT_NE(send(quoted("open", junk)), 0);
    EXPECT_NE(send(quoted("play", junk)), 0);
}

TEST_F(SdlMediaTest, TrackUnderTheWinePrefixPlaysByItsWindowsPath) {
    const std::string prefix = join_path(folder.path(), "wine");
    const std::string sound =
        join_path(test::make_wine_prefix(prefix), "Program Files/QUORIX/Pelmar Online/Data/Sound");
    std::filesystem::create_directories(to_fs_path(sound));
    std::filesystem::copy_file(to_fs_path(tone), to_fs_path(join_path(sound, "S_BGM_morel.mp3")));
    const test::ScopedEnv wineprefix("WINEPREFIX", prefix);
    const std::string track = "C:\\Program Files\\QUORIX\\Pelmar Online/Data/Sound/S_BGM_morel.mp3";
    ASSERT_EQ(send(quoted("open", track)), 0);
    ASSERT_EQ(send(quoted("play", track)), 0);
    EXPECT_EQ(mode_of(track), "playing");
    ASSERT_EQ(send(quoted("close", track)), 0);
    EXPECT_NE(send(quoted("open", "C:\\Program Files\\QUORIX\\Pelmar Online/Data/Sound/S_BGM_Tevanis.mp3")), 0);
}

TEST_F(SdlMediaTest, MalformedCommandsFail) {
    ASSERT_EQ(send(quoted("open", tone)), 0);
    for (const std::string& bad :
         {std::string(), std::string("open"), "open " + tone, "open  \"" + tone + "\"", "open \"" + tone,
          quoted("status", tone), quoted("status", tone) + " mode ", quoted("status", tone) + " length",
          quoted("play", tone) + " mode", quoted("stop", tone), quoted("OPEN", tone), std::string("close \"\""),
          quoted("close", tone) + "x"}) {
        EXPECT_EQ(send(bad), SdlMedia::kBadCommand) << bad;
        EXPECT_EQ(reply, "") << bad;
    }
    // None of them touched the open track.
    ASSERT_EQ(send(quoted("play", tone)), 0);
    EXPECT_EQ(mode_of(tone), "playing");
}

TEST(MediaCommand, ReadsTheFourCommands) {
    const auto open = parse_media_command("open \"C:\\a b\\S_BGM_morel.mp3\"");
    ASSERT_TRUE(open);
    EXPECT_EQ(open->verb, MediaVerb::open);
    EXPECT_EQ(open->path, "C:\\a b\\S_BGM_morel.mp3");
    const auto status = parse_media_command("status \"/g/Data/Sound/x.mp3\" mode");
    ASSERT_TRUE(status);
    EXPECT_EQ(status->verb, MediaVerb::status_mode);
    EXPECT_EQ(status->path, "/g/Data/Sound/x.mp3");
    EXPECT_EQ(parse_media_command("play \"p\"")->verb, MediaVerb::play);
    EXPECT_EQ(parse_media_command("close \"p\"")->verb, MediaVerb::close);
    EXPECT_FALSE(parse_media_command("close \"p\" mode"));
}

TEST(SdlMediaWithoutSound, EveryCommandFailsWhenNoDeviceOpens) {
    test::TempFolder folder;
    const std::string tone = join_path(folder.path(), "t.mp3");
    ASSERT_EQ(std::system(("sox -q -n -r 44100 -c 2 '" + tone + "' synth 0.2 sine 440").c_str()), 0);
    const test::ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
    {
        SdlMedia media;
        std::string reply;
        EXPECT_EQ(media.send(quoted("open", tone), reply), SdlMedia::kNoAudio);
        EXPECT_EQ(media.send(quoted("play", tone), reply), SdlMedia::kNoAudio);
        EXPECT_NE(media.send(quoted("status", tone) + " mode", reply), 0);
        EXPECT_EQ(reply, "");
        EXPECT_NE(media.send(quoted("close", tone), reply), 0);
        EXPECT_EQ(media.send(quoted("open", tone), reply), SdlMedia::kNoAudio);
    }
}

}  // namespace
}  // namespace vis
