#pragma once
// The settings dialog: the game folder and the two flags of the settings file, the version and
// the manual update check. Opened in normal mode from the main menu, or in set-up mode when the
// screenshot folder is missing at start-up; only set-up mode enables the browse button.
#include <optional>
#include <string>

#include "core/window_owner.h"
#include "ui/control.h"
#include "ui/form.h"

namespace vis {

class SettingsDialog : public Form {
public:
    explicit SettingsDialog(WindowOwner& windows);
    // Shows the dialog filled from the settings file; set-up mode keeps the browse button enabled
    // and proposes the game's "Program Files (x86)" folder when the stored one has no "Screen Save".
    void open(bool setup_mode);
    bool setup_mode() const { return setup_mode_; }

    Frame Frame1;
    Label Label1;
    TextBox txt_path;
    Button cmd_path_read;
    Frame Frame2;
    CheckBox chk_FullImgInfo;
    CheckBox chk_BGMPlay;
    Frame Frame3;
    ImageBox Image1;
    Label Label2;
    Label lbl_ver;
    Label Label3;
    Label Label5;
    Button cmd_ver_check;
    Button cmd_set;
    Button cmd_cancel;

    void browse_game_folder();
    void apply();
    void cancel();
    void check_version();
    bool on_close_request();

private:
    void suggest_x86_game_folder();
    // The game folder and flags from the dialog, the save folder as stored. False, the user told,
    // when the file could not be written.
    bool save_settings();
    // Lists the applied folder in the main window and carries the flags over to its menus.
    void apply_to_main_window();

    WindowOwner& windows_;
    bool setup_mode_ = false;
    // The folder shown before the latest browse since the dialog was opened: a folder applied and
    // found wrong goes back to it. Nothing when no browse took place.
    std::optional<std::string> before_browse_;
};

}  // namespace vis
