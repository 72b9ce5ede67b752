// What one music poll costs: a music timer tick while a track plays, through the real SDL2_mixer
// backend (dummy sound driver), beside the bare mixer query and a file look-up. After the music is
// switched on the poll runs every millisecond, so its time in ns divided by 10^6 is the share of a
// core it takes (e.g. 150 ns -> 0.015 %).
#include <SDL_mixer.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "music/bgm_player.h"
#include "music/tracks.h"
#include "sdl/sdl_media.h"
#include "support/headless.h"

namespace {

namespace fs = std::filesystem;
using vis::test::HeadlessPlatform;

// A game folder holding the first track as a one-minute tone, so it plays through every run.
struct PlayingGame {
    fs::path root = fs::temp_directory_path() / ("vistelle_music_bench_" + std::to_string(::getpid()));
    std::unique_ptr<HeadlessPlatform> headless;
    std::unique_ptr<vis::SdlMedia> media;
    std::unique_ptr<vis::Form> window;
    std::unique_ptr<vis::BgmPlayer> player;
    std::string track;

    bool make() {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        const fs::path sound = root / "Data" / "Sound";
        fs::create_directories(sound);
        track = (sound / vis::kBgmTracks[0]).string();
        const std::string make_tone = "sox -q -n -r 44100 -c 2 '" + track + "' synth 60 sine 440 2>/dev/null";
        if (std::system(make_tone.c_str()) != 0) return false;

        headless = std::make_unique<HeadlessPlatform>(root.string());
        media = std::make_unique<vis::SdlMedia>();
        headless->use(*media);
        window = std::make_unique<vis::Form>(headless->windows, "MainWindow", "music");
        player = std::make_unique<vis::BgmPlayer>(headless->platform(), *window, [] { return true; });
        player->begin(root.string());
        player->tick();  // opens and plays track 0 (the scripted random source draws 0)
        std::string reply;
        media->send("status \"" + track + "\" mode", reply);
        return player->track() == track && reply == "playing";
    }

    ~PlayingGame() {
        player.reset();
        window.reset();
        headless.reset();
        media.reset();
        std::error_code ec;
        fs::remove_all(root, ec);
    }
};

void BM_music_tick_poll(benchmark::State& state) {
    PlayingGame game;
    if (!game.make()) {
        state.SkipWithError("could not make and play a test track (sox, SDL2_mixer)");
        return;
    }
    for (auto _ : state) game.player->tick();
}
BENCHMARK(BM_music_tick_poll);

// The floor: asking the mixer alone whether music plays.
void BM_baseline_mixer_query(benchmark::State& state) {
    PlayingGame game;
    if (!game.make()) {
        state.SkipWithError("could not make and play a test track (sox, SDL2_mixer)");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(Mix_PlayingMusic());
}
BENCHMARK(BM_baseline_mixer_query);

// What a poll that touched the file system would pay on top.
void BM_baseline_file_lookup(benchmark::State& state) {
    PlayingGame game;
    if (!game.make()) {
        state.SkipWithError("could not make and play a test track (sox, SDL2_mixer)");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(fs::exists(game.track));
}
BENCHMARK(BM_baseline_file_lookup);

}  // namespace
