#pragma once
// Media command strings carried out with SDL2_mixer: one music stream at a time, tracks addressed
// by their file path. The sound device is opened on the first "open" and kept until destruction.
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "services/media.h"

struct _Mix_Music;

namespace vis {

class SdlMedia : public Media {
public:
    // Result codes of send().
    static constexpr int kOk = 0;
    static constexpr int kBadCommand = 1;
    static constexpr int kNotOpen = 2;
    static constexpr int kNoAudio = 3;
    static constexpr int kLoadFailed = 4;
    static constexpr int kPlayFailed = 5;

    SdlMedia();
    ~SdlMedia() override;
    SdlMedia(const SdlMedia&) = delete;
    SdlMedia& operator=(const SdlMedia&) = delete;

    int send(const std::string& command, std::string& reply) override;

private:
    enum class Audio { closed, ready };
    bool ensure_audio();
    _Mix_Music* find(std::string_view path) const;
    int open(std::string_view path);
    int play(std::string_view path);
    int status(std::string_view path, std::string& reply) const;
    int close(std::string_view path);

    Audio audio_ = Audio::closed;
    // Open tracks by path; std::less<> lets a poll look a path up without copying it.
    std::map<std::string, _Mix_Music*, std::less<>> tracks_;
    // The track handed to the mixer last; the mixer itself knows whether it still plays.
    _Mix_Music* playing_ = nullptr;
};

}  // namespace vis
