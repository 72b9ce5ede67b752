#pragma once
// What the other windows use of the main window: its screenshot lists and preview, its pop-up
// menus, the music and the end of the program.
#include <string>

#include "ui/picture.h"

namespace vis {

class Form;
class ListBox;
class Menu;
class Prefetcher;
class ScreenshotLists;

class MainWindowParts {
public:
    virtual ~MainWindowParts() = default;

    virtual Form& form() = 0;
    virtual ScreenshotLists& lists() = 0;
    // Decodes the neighbours of the line last shown ahead of time, for the list and the viewer.
    virtual Prefetcher& decode_ahead() = 0;
    // The picture of the selected screenshot at full size, as the preview holds it; empty when
    // the preview holds none for the selected line (its file cannot be decoded).
    virtual const Picture& preview_picture() = 0;
    // The selected screenshot's file as the system knows it, to be shared as the file it is (a
    // drag, copy as file). A file gone from the folder is reported and its line goes; nothing then.
    virtual std::string file_to_share() = 0;
    // Preview, information panel and the File commands for the list's selected line.
    virtual void show_pre_info(ListBox& list) = 0;
    // Preview, panel and File commands without moving the focus. A file that cannot be decoded
    // is described with no picture (and no command that needs one): false then.
    virtual bool show_selected(ListBox& list) = 0;
    // As show_selected for a choice made in another window, which steps on in its own order: the
    // list's neighbours are not decoded ahead.
    virtual bool show_chosen_elsewhere(ListBox& list) = 0;
    // After a delete: the line now selected, as show_pre_info shows it; with none left, no
    // picture, the hints and no File command.
    virtual void show_remaining(ListBox& list) = 0;
    virtual void clear_preview() = 0;
    // Lists its screenshot folder again into both lists, oldest first, and previews the first
    // line; with none left the preview is empty and the File commands are off.
    virtual void relist() = 0;
    virtual void set_panel_text(const std::string& text) = 0;
    // The File commands that need a screenshot: save-as, and while the preview holds the selected
    // one's picture the clipboard and the editor (in the viewer's pop-up menu too).
    virtual void enable_file_commands(bool on) = 0;

    // The viewer's pop-up menu and the editor canvas's, owned by the main window.
    virtual Menu& full_menu() = 0;
    virtual Menu& edit_menu() = 0;
    virtual void change_bgm() = 0;
    // Sends the close command for the current track and ends the program at once.
    virtual void end_program() = 0;
};

}  // namespace vis
