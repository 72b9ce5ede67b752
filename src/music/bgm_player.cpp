#include "music/bgm_player.h"

#include "music/media_commands.h"
#include "music/tracks.h"

namespace vis {

namespace {

constexpr const char* kLoadingCaption = "BGM読み込み中...";
constexpr const char* kStartTag = "start";

}  // namespace

BgmPlayer::BgmPlayer(Platform& platform, Timer& timer, Form& window) : p_(platform), timer_(timer), window_(window) {}

void BgmPlayer::send(const std::string& command) {
    // Results are not examined: a missing track simply stays silent.
    std::string reply;
    p_.media.send(command, reply);
}

void BgmPlayer::start(const std::string& game_folder) {
    const std::string path = track_path(game_folder, random_track_index(p_.clock, p_.random));
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
        timer_.set_tag(path);
    }
    window_.set_caption(remembered);
}

void BgmPlayer::change(bool music_on, const std::string& game_folder) {
    if (!music_on || opening_ || timer_.tag() == kStartTag) return;
    send(media_command("close", timer_.tag()));
    start(game_folder);
}

void BgmPlayer::tick(bool music_on, const std::string& game_folder) {
    if (opening_) return;
    const std::string track = timer_.tag();
    if (track.empty()) {
        if (music_on) start(game_folder);
        return;
    }
    if (!music_on) {
        send(media_command("close", track));
        return;
    }
    std::string reply;
    if (p_.media.send(mode_query(track), reply) != 0 || !reports_stopped(reply)) return;
    // The track has ended: the same one again from its beginning.
    send(media_command("close", track));
    send(media_command("open", track));
    send(media_command("play", track));
}

void BgmPlayer::switched(bool on) {
    if (!on) {
        if (opening_) open_cancelled_ = true;
        send(media_command("close", timer_.tag()));
        return;
    }
    // Before the start-up step has run it keeps its state; the music starts after it.
    if (timer_.tag() == kStartTag) return;
    timer_.set_interval(1);
    timer_.set_tag("");
}

void BgmPlayer::close_current() {
    send(media_command("close", timer_.tag()));
}

}  // namespace vis
