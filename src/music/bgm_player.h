#pragma once
// The background music: a random game track, polled by the main window's timer and started again
// when it ends. The timer's tag holds the state: "start" until the start-up step has run, "" when
// no track is open, otherwise the open track's path.
#include <string>

#include "services/platform.h"
#include "ui/control.h"
#include "ui/form.h"

namespace vis {

class BgmPlayer {
public:
    // `window` shows the loading caption while a track opens.
    BgmPlayer(Platform& platform, Timer& timer, Form& window);

    // A timer tick after start-up: opens a track when none is, closes it when the music is off,
    // and plays an ended track again from its beginning.
    void tick(bool music_on, const std::string& game_folder);
    // Another random track, when the music is on and start-up is over.
    void change(bool music_on, const std::string& game_folder);
    // The music was switched on or off in the menu.
    void switched(bool on);
    // Sends the close command for the current track (the tag as it stands).
    void close_current();

private:
    void start(const std::string& game_folder);
    void send(const std::string& command);

    Platform& p_;
    Timer& timer_;
    Form& window_;
    // True while a track opens; the window's events run meanwhile, so ticks and changes wait.
    bool opening_ = false;
    // Switched off while a track was opening: the opening is dropped.
    bool open_cancelled_ = false;
};

}  // namespace vis
