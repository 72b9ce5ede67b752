#pragma once
// The background music: a random game track, polled by the player's own timer and started again
// when it ends. Silent until start-up is over; then either no track is open or one is.
#include <functional>
#include <string>

#include "services/platform.h"
#include "ui/control.h"
#include "ui/form.h"

namespace vis {

class BgmPlayer {
public:
    // The player's timer lives on `window`, which also shows the loading caption while a track
    // opens. `music_on` says whether the player wants music now.
    BgmPlayer(Platform& platform, Form& window, std::function<bool()> music_on);

    // Start-up is over: the timer polls every 500 ms from now, the first track at its first tick.
    void begin(const std::string& game_folder);
    bool begun() const { return begun_; }
    // The open track's path; empty when none is open.
    const std::string& track() const { return track_; }
    // How often the timer polls, in milliseconds.
    int poll_interval() const { return timer_.interval(); }

    // A timer tick: opens a track when none is, closes it when the music is off, and plays an
    // ended track again from its beginning.
    void tick();
    // Another random track, when the music is on and start-up is over.
    void change();
    // The music was switched on or off.
    void switched(bool on);
    // Sends the close command for the current track.
    void close_current();

private:
    void start();
    void send(const std::string& command);

    Platform& p_;
    Form& window_;
    std::function<bool()> music_on_;
    Timer timer_;
    std::string game_folder_;
    std::string track_;
    bool begun_ = false;
    // True while a track opens; the window's events run meanwhile, so ticks and changes wait.
    bool opening_ = false;
    // Switched off while a track was opening: the opening is dropped.
    bool open_cancelled_ = false;
};

}  // namespace vis
