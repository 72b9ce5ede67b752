// The screenshot lists: selection and preview, the sort toggle, double-clicks, Delete and the
// right button.
#include "catalogue/info_text.h"
#include "catalogue/screenshot_delete.h"
#include "imaging/jpeg.h"
#include "main_window/main_window.h"
#include "thumbnail_window/thumbnail_window.h"
#include "ui/keys.h"
#include "viewer/viewer_window.h"

namespace vis {

void MainWindow::show_pre_info(ListBox& list) {
    if (list.list_index() < 0) {
        enable_file_commands(false);
        viewer_follows();
        return;
    }
    list.set_focus();
    show_selected(list);
}

bool MainWindow::show_selected(ListBox& list) {
    return show_line(list, true);
}

bool MainWindow::show_chosen_elsewhere(ListBox& list) {
    // Requests still waiting were for the list's last choice.
    decode_ahead_.request({});
    return show_line(list, false);
}

bool MainWindow::show_line(ListBox& list, bool neighbours_ahead) {
    // A file that cannot be decoded shows as no picture: the previous one never stays on the
    // screen under another's name, nor goes to the clipboard or the editor in its place.
    preview_file_ = lists_.path_of(lists_.record(list, list.list_index()));
    auto picture = load_picture(preview_file_);
    img_pre.set_picture(picture ? std::move(*picture) : Picture{});
    describe_selected(list);
    if (neighbours_ahead) decode_neighbours(list);
    viewer_follows();
    return picture.has_value();
}

void MainWindow::show_remaining(ListBox& list) {
    if (list.list_index() < 0) {
        // The last screenshot went: nothing is left to show or describe.
        clear_preview();
        set_panel_text(list_hints());
        enable_file_commands(false);
        viewer_follows();
        return;
    }
    list.set_focus();
    show_selected(list);
}

void MainWindow::describe_selected(ListBox& list) {
    set_panel_text(panel_text(lists_.record(list, list.list_index()), list.list_index() + 1, list.count(),
                              file_path.total_size(), !preview_picture().empty()));
    enable_file_commands(true);
}

const Picture& MainWindow::preview_picture() {
    static const Picture none;
    // The preview may still hold the picture of a line the program selected while its list was busy.
    const std::optional<ListedFile> shot = lists_.selected();
    if (!shot || lists_.path_of(*shot) != preview_file_) return none;
    return img_pre.picture();
}

void MainWindow::clear_preview() {
    img_pre.set_picture({});
    preview_file_.clear();
}

void MainWindow::relist() {
    const std::string folder = file_path.folder();
    lists_.rebuild(folder);
    // Nothing of the old selection stays on screen, whatever the first line holds.
    clear_preview();
    set_panel_text(list_hints());
    enable_file_commands(false);
    show_pre_info(file_lst);
}

void MainWindow::follow_folder_changes(const ScreenshotWatch::Update& update) {
    ListBox& list = lists_.in_use();
    // A screenshot that went or changed is followed by the preview and the viewer; otherwise only
    // the panel's counts (and the viewer's counter) follow.
    if (update.selected_gone) {
        show_remaining(list);
    } else if (update.selected_replaced) {
        show_pre_info(list);
    } else if (list.list_index() >= 0) {
        describe_selected(list);
        viewer_follows();
    }
}

void MainWindow::viewer_follows() {
    if (ViewerWindow* viewer = windows_.loaded<ViewerWindow>()) viewer->follow_selection();
}

void MainWindow::set_panel_text(const std::string& text) {
    lbl_alt.set_caption(text);
}

void MainWindow::enable_file_commands(bool on) {
    // The file itself can be shared whenever it can be saved, picture or not.
    mSave.set_enabled(on);
    mCopyFile.set_enabled(on);
    // Only the picture shown for the selected line can go to the clipboard or the editor.
    const bool picture = on && !preview_picture().empty();
    for (Menu* entry : {&mClipboard, &mClipboard_F, &mEdit, &mEdit_F}) entry->set_enabled(picture);
}

std::optional<Picture> MainWindow::load_picture(const std::string& path) {
    if (auto ahead = decode_ahead_.take(path)) return ahead;
    return decode_jpeg_file(path);
}

void MainWindow::decode_neighbours(const ListBox& list) {
    const int row = list.list_index();
    std::vector<std::string> wanted;
    if (row + 1 < list.count()) wanted.push_back(lists_.path_of(lists_.record(list, row + 1)));
    if (row > 0) wanted.push_back(lists_.path_of(lists_.record(list, row - 1)));
    decode_ahead_.request(wanted);
}

void MainWindow::show_clicked(ListBox& list) {
    if (lists_.busy(list)) return;
    show_pre_info(list);
    thumbnails_follow();
}

void MainWindow::thumbnails_follow() {
    ThumbnailWindow* thumbnails = windows_.loaded<ThumbnailWindow>();
    if (thumbnails != nullptr && thumbnails->visible()) thumbnails->follow_main_selection();
}

void MainWindow::switch_order() {
    show_pre_info(lists_.switch_order());
}

void MainWindow::view_selected(ListBox& list) {
    if (list.list_index() < 0) return;
    // A line whose picture cannot be shown is described in the panel; there is nothing to view.
    if (!show_selected(list)) return;
    windows_.get<ViewerWindow>().show_full(true);
}

void MainWindow::view_preview() {
    if (preview_picture().empty()) return;
    windows_.get<ViewerWindow>().show_full(true);
}

void MainWindow::delete_on_key(ListBox& list, int key_code, int) {
    if (key_code == key::kDelete && delete_selected_line(p_.prompts, p_.files, lists_, list, *this))
        show_remaining(list);
}

void MainWindow::pop_up_file_menu(ListBox& list, int button, int, int x, int y) {
    if (button != button::kRight) return;
    show_pre_info(list);
    p_.prompts.popup_menu(mFile, *this, list.left() + x, list.top() + y);
}

}  // namespace vis
