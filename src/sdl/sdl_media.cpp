#include "sdl/sdl_media.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include "sdl/media_command.h"
#include "services/paths.h"

namespace vis {

SdlMedia::SdlMedia() = default;

SdlMedia::~SdlMedia() {
    if (audio_ != Audio::ready) return;
    Mix_HaltMusic();
    for (auto& [path, music] : tracks_) Mix_FreeMusic(music);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int SdlMedia::send(const std::string& command, std::string& reply) {
    reply.clear();
    const auto parsed = parse_media_command(command);
    if (!parsed) return kBadCommand;
    if (parsed->verb == MediaVerb::open) return open(parsed->path);
    // Nothing can be open without a sound device.
    if (audio_ != Audio::ready) return kNoAudio;
    switch (parsed->verb) {
        case MediaVerb::play:
            return play(parsed->path);
        case MediaVerb::status_mode:
            return status(parsed->path, reply);
        case MediaVerb::close:
            return close(parsed->path);
        case MediaVerb::open:
            break;
    }
    return kBadCommand;
}

// Tried again on every open while it fails, so a sound device that turns up later is used;
// opens are rare (start, change, restart), so the retries cost nothing noticeable.
bool SdlMedia::ensure_audio() {
    if (audio_ == Audio::ready) return true;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_APP_NAME, "Vistelle");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    // Without the MP3 decoder the device still opens; loading then fails track by track.
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 4096) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    audio_ = Audio::ready;
    return true;
}

Mix_Music* SdlMedia::find(std::string_view path) const {
    const auto it = tracks_.find(path);
    return it == tracks_.end() ? nullptr : it->second;
}

int SdlMedia::open(std::string_view path) {
    if (!ensure_audio()) return kNoAudio;
    if (find(path) != nullptr) return kOk;
    const std::string file(path);
    // Tracks stay known by the path the program gave; the file is read where that path lies.
    Mix_Music* music = Mix_LoadMUS(host_path(file).c_str());
    if (music == nullptr) return kLoadFailed;
    tracks_.emplace(file, music);
    return kOk;
}

int SdlMedia::play(std::string_view path) {
    Mix_Music* music = find(path);
    if (music == nullptr) return kNotOpen;
    // Once through: the program itself starts the track again when it has ended.
    if (Mix_PlayMusic(music, 0) != 0) return kPlayFailed;
    playing_ = music;
    return kOk;
}

int SdlMedia::status(std::string_view path, std::string& reply) const {
    Mix_Music* music = find(path);
    if (music == nullptr) return kNotOpen;
    reply = music == playing_ && Mix_PlayingMusic() != 0 ? "playing" : "stopped";
    return kOk;
}

int SdlMedia::close(std::string_view path) {
    const auto it = tracks_.find(path);
    if (it == tracks_.end()) return kNotOpen;
    if (it->second == playing_) {
        Mix_HaltMusic();
        playing_ = nullptr;
    }
    Mix_FreeMusic(it->second);
    tracks_.erase(it);
    return kOk;
}

}  // namespace vis
