// The background music: a random game track, polled by tmr_music and started again when it ends.
#include "core/form1.h"
#include "core/settings.h"
#include "music/media_commands.h"
#include "music/tracks.h"
#include "platform/prompts.h"

namespace vis {

namespace {

constexpr const char* kLoadingCaption = "BGM読み込み中...";
constexpr const char* kSettingNotSaved = "設定ファイルに書き込めなかったため、BGMの設定は変更されていません。";

// Results of the commands are not examined: a missing track simply stays silent.
void send(Media& media, const std::string& command) {
    std::string reply;
    media.send(command, reply);
}

}  // namespace

void Form1::start_bgm() {
    const std::string path = track_path(lbl_Pelmar_Path.caption(), random_track_index(p_.clock, p_.random));
    const std::string remembered = caption();
    set_caption(kLoadingCaption);
    // Paint the caption before a slow open blocks the window.
    bgm_opening_ = true;
    p_.windows.do_events();
    bgm_opening_ = false;
    if (p_.windows.quitting()) return;
    send(p_.media, media_command("open", path));
    send(p_.media, media_command("play", path));
    tmr_music.set_tag(path);
    set_caption(remembered);
}

void Form1::change_bgm() {
    if (!mBGMPlay.checked() || bgm_opening_ || tmr_music.tag() == "start") return;
    send(p_.media, media_command("close", tmr_music.tag()));
    start_bgm();
}

void Form1::music_tick() {
    if (bgm_opening_) return;
    const std::string track = tmr_music.tag();
    if (track.empty()) {
        if (mBGMPlay.checked()) start_bgm();
        return;
    }
    if (!mBGMPlay.checked()) {
        send(p_.media, media_command("close", track));
        return;
    }
    std::string reply;
    if (p_.media.send(mode_query(track), reply) != 0 || !reports_stopped(reply)) return;
    // The track has ended: the same one again from its beginning.
    send(p_.media, media_command("close", track));
    send(p_.media, media_command("open", track));
    send(p_.media, media_command("play", track));
}

void Form1::mBGMPlay_Click() {
    const bool on = !mBGMPlay.checked();
    // The menu only changes once the file holds the new flag, so the two never disagree.
    if (!update_setting(settings_path(), [on](Settings& s) { s.music_flag = flag_text(on); })) {
        p_.prompts.message_box({kSettingNotSaved, kAppTitle, MsgButtons::ok, MsgIcon::exclamation, 0, this});
        return;
    }
    mBGMPlay.set_checked(on);
    mBGM_change.set_enabled(on);
    if (!on) {
        send(p_.media, media_command("close", tmr_music.tag()));
        return;
    }
    // Before the start-up step has run it keeps its state; the music starts after it.
    if (tmr_music.tag() == "start") return;
    tmr_music.set_interval(1);
    tmr_music.set_tag("");
}

void Form1::mBGM_change_Click() {
    change_bgm();
}

}  // namespace vis
