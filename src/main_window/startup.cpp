// Loading the main window, the timer's start-up step, quitting, and the Command, Options and Help
// commands that open other windows or documents.
#include "album_window/form5.h"
#include "bulk/form4.h"
#include "catalogue/info_text.h"
#include "main_window/form1.h"
#include "options/form0.h"
#include "options/form3.h"
#include "platform/paths.h"
#include "platform/start_marks.h"

namespace vis {

void Form1::start() {
    Form_Load();
    if (!p_.windows.quitting()) show();
}

void Form1::Form_Load() {
    set_caption("初期化しています...(Load)");
    if (p_.instance.another_instance_running()) {
        request_close();
        return;
    }
    set_caption("初期化しています...(Setting)");
    mFullMenu.set_visible(false);
    mEditMenu.set_visible(false);
    enable_file_commands(false);

    if (!load_settings()) return;

    set_caption("初期化しています...(BGM)");
    mBGM_change.set_enabled(mBGMPlay.checked());
    windows_.get<Form0>().open();
}

bool Form1::load_settings() {
    const SettingsStore::Loaded loaded = windows_.settings().load();
    if (!loaded.ok || loaded.first_run) set_caption("初期化しています...(First Settiings)");
    // Without settings the empty game folder leads the start-up step to the dialog.
    if (!loaded.ok) return false;
    set_caption("初期化しています...(Setting)");
    const Settings& s = windows_.settings().startup();
    lbl_Pelmar_Path.set_caption(s.game_folder);
    lbl_FullImgInfo.set_caption(s.info_flag);
    lbl_BGMPlay.set_caption(s.music_flag);
    lbl_DefaultSave_Path.set_caption(s.save_folder);
    mImgInfo.set_checked(reads_as_one(lbl_FullImgInfo.caption()));
    mBGMPlay.set_checked(reads_as_one(lbl_BGMPlay.caption()));
    return true;
}

namespace {

// How long the start-up step waits for the splash and the main window to reach the screen: a
// window system that never reports them there holds the list back no longer than this.
constexpr std::int64_t kScreenWaitMs = 1000;

}  // namespace

void Form1::tmr_music_Timer() {
    if (tmr_music.tag() != "start") {
        bgm_.tick(mBGMPlay.checked(), game_folder());
        return;
    }
    // The listing holds the program for a while: the player sees the splash and this window
    // before it starts, not blank frames. The timer asks again at its next tick.
    if (!p_.windows.shown_on_screen()) {
        const std::int64_t now = p_.clock.now_ms();
        if (screen_wait_since_ < 0) screen_wait_since_ = now;
        if (now - screen_wait_since_ < kScreenWaitMs) return;
    }
    run_startup_step();
}

bool Form1::make_ss_list() {
    return lists_.rebuild(join_path(game_folder(), "Screen Save"));
}

void Form1::run_startup_step() {
    set_caption("初期化しています...(SS)");
    start_mark("listing");
    const bool listed = make_ss_list();
    start_mark("listed");
    if (!listed) {
        // The folder is missing or cannot be read: stop trying and let the user pick the game.
        tmr_music.set_timer_enabled(false);
        windows_.get<Form3>().open(true);
        hide();
        return;
    }
    set_panel_text(list_hints());
    file_lst.set_focus();
    if (file_lst.count() > 0) show_pre_info(file_lst);
    tmr_music.set_tag("");
    tmr_music.set_interval(500);
    set_caption(title());
    start_mark("title");
}

void Form1::end_program() {
    bgm_.close_current();
    p_.windows.quit();
}

bool Form1::Form_QueryUnload() {
    end_program();
    return true;
}

void Form1::mQuit_Click() {
    end_program();
}

void Form1::mSetting_Click() {
    windows_.get<Form3>().open(false);
}

void Form1::mAlbum_Click() {
    windows_.get<Form5>().open();
}

void Form1::mAll_copy_Click() {
    windows_.get<Form4>().open(BulkMode::copy);
}

void Form1::mAll_move_Click() {
    windows_.get<Form4>().open(BulkMode::move);
}

void Form1::mHelpFile_Click() {
    p_.shell.open(join_path(join_path(p_.program_folder, "help"), "index.html"), p_.program_folder);
}

void Form1::mSite_Click() {
    p_.shell.open(p_.update_server + "/", p_.program_folder);
}

}  // namespace vis
