// Loading the main window, the timer's start-up step, quitting, and the Command, Options and Help
// commands that open other windows or documents.
#include "album_window/album_window.h"
#include "bulk/bulk_window.h"
#include "catalogue/info_text.h"
#include "main_window/main_window.h"
#include "services/paths.h"
#include "services/start_marks.h"
#include "settings_dialog/settings_dialog.h"
#include "splash/splash_window.h"

namespace vis {

void MainWindow::start() {
    load();
    if (!p_.windows.quitting()) show();
}

void MainWindow::load() {
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
    // Read while the windows are made and shown: under Wine the reading takes as long as they do.
    lists_.read_ahead(screenshot_folder());

    set_caption("初期化しています...(BGM)");
    windows_.get<SplashWindow>().open();
}

bool MainWindow::load_settings() {
    const SettingsStore::Loaded loaded = windows_.settings().load();
    if (!loaded.ok || loaded.first_run) set_caption("初期化しています...(First Settiings)");
    // Without settings the empty game folder leads the start-up step to the dialog.
    if (!loaded.ok) return false;
    set_caption("初期化しています...(Setting)");
    show_flags();
    return true;
}

namespace {

// How long the start-up step waits for the splash and the main window to reach the screen: a
// window system that never reports them there holds the list back no longer than this.
constexpr std::int64_t kScreenWaitMs = 1000;

}  // namespace

void MainWindow::startup_tick() {
    // The listing holds the program for a while: the player sees the splash and this window
    // before it starts, not blank frames. The timer asks again at its next tick.
    if (!p_.windows.shown_on_screen()) {
        const std::int64_t now = p_.clock.now_ms();
        if (screen_wait_since_ < 0) screen_wait_since_ = now;
        if (now - screen_wait_since_ < kScreenWaitMs) return;
    }
    run_startup_step();
}

std::string MainWindow::screenshot_folder() const {
    return join_path(game_folder(), "Screen Save");
}

bool MainWindow::list_screenshots() {
    return lists_.rebuild(screenshot_folder());
}

void MainWindow::run_startup_step() {
    set_caption("初期化しています...(SS)");
    // It runs once, whatever it finds.
    tmr_start.set_timer_enabled(false);
    start_mark("listing");
    const bool listed = list_screenshots();
    start_mark("listed");
    if (!listed) {
        // The folder is missing or cannot be read: let the user pick the game; no music meanwhile.
        windows_.get<SettingsDialog>().open(true);
        hide();
        return;
    }
    set_panel_text(list_hints());
    file_lst.set_focus();
    if (file_lst.count() > 0) show_pre_info(file_lst);
    bgm_.begin(game_folder());
    set_caption(title());
    start_mark("title");
}

void MainWindow::end_program() {
    bgm_.close_current();
    p_.windows.quit();
}

bool MainWindow::on_close_request() {
    end_program();
    return true;
}

void MainWindow::quit() {
    end_program();
}

void MainWindow::open_settings() {
    windows_.get<SettingsDialog>().open(false);
}

void MainWindow::open_album_window() {
    windows_.get<AlbumWindow>().open();
}

void MainWindow::copy_all_screenshots() {
    windows_.get<BulkWindow>().open(BulkMode::copy);
}

void MainWindow::move_all_screenshots() {
    windows_.get<BulkWindow>().open(BulkMode::move);
}

void MainWindow::open_help() {
    p_.shell.open(join_path(join_path(p_.program_folder, "help"), "index.html"), p_.program_folder);
}

void MainWindow::open_website() {
    p_.shell.open(p_.update_server + "/", p_.program_folder);
}

}  // namespace vis
