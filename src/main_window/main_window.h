#pragma once
// The main window: screenshot list and preview, the menu bar whose check marks show the settings
// store's flags, the timer that finishes start-up, and the music player.
#include <cstdint>
#include <optional>
#include <string>

#include "catalogue/file_list.h"
#include "catalogue/prefetch.h"
#include "catalogue/screenshot_lists.h"
#include "catalogue/screenshot_watch.h"
#include "core/main_window_parts.h"
#include "core/window_owner.h"
#include "music/bgm_player.h"
#include "services/platform.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace vis {

inline constexpr const char* kScreenshotPattern = "PelmarOnline_*.jpg";

class MainWindow : public Form, public MainWindowParts {
public:
    explicit MainWindow(WindowOwner& windows);
    WindowOwner& windows() { return windows_; }

    // --- controls
    ImageBox img_pre;
    Label Label1;
    ListBox file_lst;
    ListBox file_sort;
    ImageBox img_sort_up;
    ImageBox img_sort_down;
    Label lbl_ver;
    Label lbl_alt;
    FileList file_path;
    Timer tmr_start;

    // --- menus
    Menu mFullMenu, mSave_F, mClipboard_F, mCopyFile_F, mh1, mInfo_F, mh2, mEdit_F, mh5, mClose_F;
    Menu mEditMenu, mEdit_cancel;
    Menu mFile, mSave, mClipboard, mCopyFile, mh0, mEdit, mh0_1, mQuit;
    Menu mCommand, mAll_move, mAll_copy, mh3, mAlbum, mThumbnails;
    Menu mOption, mSetting, mImgInfo, mBGM_option, mBGMPlay, mBGM_change;
    Menu mHelp, mHelpFile, mSite;

    // --- start-up, timer, quitting
    // Loads the window and, unless the program ended while loading, shows it.
    void start();
    void load();
    // True until the start-up step has run.
    bool starting() const { return tmr_start.timer_enabled(); }
    // Applies the changes of the screenshot folder that are complete.
    void follow_folder_changes(const ScreenshotWatch::Update& update);
    void startup_tick();
    void run_startup_step();
    bool on_close_request();
    void quit();
    void open_settings();
    void open_album_window();
    void copy_all_screenshots();
    void move_all_screenshots();
    void open_help();
    void open_website();
    std::string title() const;

    // --- screenshot lists and preview
    std::string screenshot_folder() const;
    bool list_screenshots();
    // Either sort icon switches both lists' order.
    void switch_order();
    void show_clicked(ListBox& list);
    void view_selected(ListBox& list);
    void view_preview();
    void delete_on_key(ListBox& list, int key_code, int shift);
    void pop_up_file_menu(ListBox& list, int button, int shift, int x, int y);

    // --- File and Options commands shared with the viewer's pop-up menu
    void save_as();
    void copy_to_clipboard();
    void copy_as_file();
    void toggle_information();
    void show_viewer_information();
    void close_viewer();

    // --- the editor
    void open_editor();
    void open_editor_from_viewer();
    void cancel_editor_tool();

    // --- music
    void toggle_music();
    BgmPlayer& music() { return bgm_; }

    // --- what the other windows use
    Form& form() override { return *this; }
    ScreenshotLists& lists() override { return lists_; }
    const ScreenshotWatch& watch() const { return watch_; }
    Prefetcher& decode_ahead() override { return decode_ahead_; }
    const Picture& preview_picture() override;
    std::string file_to_share() override;
    void show_pre_info(ListBox& list) override;
    bool show_selected(ListBox& list) override;
    bool show_chosen_elsewhere(ListBox& list) override;
    void show_remaining(ListBox& list) override;
    void clear_preview() override;
    void relist() override;
    void set_panel_text(const std::string& text) override;
    void enable_file_commands(bool on) override;
    Menu& full_menu() override { return mFullMenu; }
    Menu& edit_menu() override { return mEditMenu; }
    void change_bgm() override;
    void end_program() override;

private:
    void build_menus();
    void wire_events();
    // Reads (or first creates) the settings file and shows its flags.
    bool load_settings();
    // The check marks and the music's Change command as the settings store holds the flags.
    void show_flags();
    void settings_changed(SettingsLine line);
    // The folders as read at start-up.
    const std::string& game_folder() const { return windows_.settings().startup().game_folder; }
    const std::string& default_save_folder() const { return windows_.settings().startup().save_folder; }
    // The picture of a screenshot file: the one decoded ahead while its file is unchanged,
    // otherwise decoded now. Nothing when the file cannot be decoded.
    std::optional<Picture> load_picture(const std::string& path);
    // Asks for the lines after and before the selected one, the next first: the way a user steps.
    void decode_neighbours(const ListBox& list);
    // Preview, panel and File commands for the selected line, its neighbours decoded ahead or not.
    bool show_line(ListBox& list, bool neighbours_ahead);
    // The panel for the selected line, and the File commands for what the preview now holds.
    void describe_selected(ListBox& list);
    // An open viewer shows what is selected now.
    void viewer_follows();
    // An open thumbnail window shows the main list's choice.
    void thumbnails_follow();
    // The window the user looks at: the viewer while it is shown, otherwise this one.
    const Form& front_window();

    WindowOwner& windows_;
    Platform& p_;
    ScreenshotLists lists_;
    ScreenshotWatch watch_;
    BgmPlayer bgm_;
    Prefetcher decode_ahead_;
    // When the start-up step first found the shown windows not yet on the screen; -1 before.
    std::int64_t screen_wait_since_ = -1;
    // The file whose picture (or lack of one) the preview shows; empty when it shows none.
    std::string preview_file_;
};

}  // namespace vis
