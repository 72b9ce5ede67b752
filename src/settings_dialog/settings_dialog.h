#pragma once
// The settings dialog: the game folder and the two flags of the settings file, the version and
// the manual update check. Opened in normal mode from the main menu, or in set-up mode when the
// screenshot folder is missing at start-up; the enabled browse button is the set-up mode.
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
    bool setup_mode() const { return cmd_path_read.enabled(); }

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
    // Lines 1 to 3 from the dialog, line 4 as stored. False, the user told, when the file could
    // not be written.
    bool save_settings();
    // Lists the applied folder in the main window and carries the flags over to its menus.
    void apply_to_main_window();

    WindowOwner& windows_;
    // A browse took place since the dialog was opened, so txt_path's tag holds the folder before it.
    bool browsed_ = false;
};

}  // namespace vis
