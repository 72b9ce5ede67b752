#include "music/bgm_player.h"

#include <utility>

#include "music/media_commands.h"
#include "music/tracks.h"

namespace vis {

namespace {

constexpr const char* kLoadingCaption = "BGM読み込み中...";
constexpr int kPollMs = 500;
// Just switched on: the next track opens at once.
constexpr int kSwitchedOnMs = 1;

}  // namespace

BgmPlayer::BgmPlayer(Platform& platform, Form& window, std::function<bool()> music_on)
    : p_(platform), window_(window), music_on_(std::move(music_on)), timer_(window, "tmr_music", kPollMs, false) {
    timer_.on_timer = [this] { tick(); };
}

void BgmPlayer::begin(const std::string& game_folder) {
    game_folder_ = game_folder;
    begun_ = true;
    timer_.set_interval(kPollMs);
    timer_.set_timer_enabled(true);
}

void BgmPlayer::send(const std::string& command) {
    // Results are not examined: a missing track simply stays silent.
    std::string reply;
    p_.media.send(command, reply);
}

void BgmPlayer::start() {
    const std::string path = track_path(game_folder_, random_track_index(p_.clock, p_.random));
    const std::string remembered = window_.caption();
    window_.set_caption(kLoadingCaption);
    // Paint the caption before a slow open blocks the window.
    opening_ = true;
    open_cancelled_ = false;
    p_.windows.do_events();
    opening_ = false;
    if (p_.windows.quitting()) return;
    if (!open_cancelled_) {
        send(media_command("open", path));
        send(media_command("play", path));
        track_ = path;
    }
    window_.set_caption(remembered);
}

void BgmPlayer::change() {
    if (!music_on_() || opening_ || !begun_) return;
    send(media_command("close", track_));
    start();
}

void BgmPlayer::tick() {
    if (opening_ || !begun_) return;
    if (track_.empty()) {
        if (music_on_()) start();
        return;
    }
    if (!music_on_()) {
        send(media_command("close", track_));
        return;
    }
    std::string reply;
    if (p_.media.send(mode_query(track_), reply) != 0 || !reports_stopped(reply)) return;
    // The track has ended: the same one again from its beginning.
    send(media_command("close", track_));
    send(media_command("open", track_));
    send(media_command("play", track_));
}

void BgmPlayer::switched(bool on) {
    if (!on) {
        if (opening_) open_cancelled_ = true;
        send(media_command("close", track_));
        return;
    }
    // Before start-up is over it waits; the music starts after it.
    if (!begun_) return;
    timer_.set_interval(kSwitchedOnMs);
    track_.clear();
}

void BgmPlayer::close_current() {
    send(media_command("close", track_));
}

}  // namespace vis
