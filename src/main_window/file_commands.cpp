// Commands shared by the main menu and the viewer's pop-up menu: save a copy, clipboard (the
// picture, or the file as it is), and the information label; and the two menu switches that are
// stored in the settings file.
#include "core/app.h"
#include "main_window/main_window.h"
#include "services/file_ops.h"
#include "services/paths.h"
#include "services/save_name.h"
#include "viewer/viewer_window.h"

namespace vis {

namespace {

MessageBox notice(const std::string& text, const Form& owner) {
    return {text, kAppTitle, MsgButtons::ok, MsgIcon::exclamation, 0, &owner};
}

}  // namespace

const Form& MainWindow::front_window() {
    if (ViewerWindow* viewer = windows_.loaded<ViewerWindow>(); viewer != nullptr && viewer->visible()) return *viewer;
    return *this;
}

void MainWindow::save_as() {
    const std::optional<ListedFile> shot = lists_.selected();
    if (!shot) return;
    FileDialog dialog;
    dialog.title = "名前を付けて保存";
    dialog.filter = "スクリーンショット(*.jpg)|*.jpg";
    // Every round opens in the start-up folder with the screenshot's own name.
    dialog.initial_folder = default_save_folder();
    dialog.file_name = shot->name;
    dialog.default_extension = ".jpg";
    dialog.owner = &front_window();
    const auto target = ask_save_name(p_.prompts, dialog, kAppTitle);
    if (!target) return;
    // Made beside the target and renamed over it, so a copy that breaks off leaves a file it was
    // to replace as it was.
    if (!checked_copy(p_.files, lists_.path_of(*shot), *target)) {
        p_.prompts.message_box(notice("画像を保存できませんでした。\r\n" + *target, *dialog.owner));
        return;
    }
    // Remembered for the next start; this run keeps proposing the folder it started with.
    windows_.settings().set_save_folder(parent_folder(*target), *dialog.owner);
}

void MainWindow::copy_to_clipboard() {
    // Only ever the selected screenshot's picture, never one shown before it.
    const Picture& picture = preview_picture();
    if (picture.empty()) return;
    if (!p_.clipboard.set_picture(picture))
        p_.prompts.message_box(notice("クリップボードにコピーできませんでした。", front_window()));
}

std::string MainWindow::file_to_share() {
    const std::optional<ListedFile> shot = lists_.selected();
    if (!shot) return {};
    const std::string path = lists_.path_of(*shot);
    // On Linux a stored Windows path means nothing to other programs: they get the real file.
    if (file_exists(path)) return host_path(path);
    // Gone from outside before the watch told of it: said so, and the lists follow as they do
    // when the watch learns it, so nothing empty is ever handed on.
    const std::string& name = shot->name;
    p_.prompts.message_box(
        notice("ＳＳ [" + name + "]が見つかりませんでした（移動または削除されています）。", front_window()));
    if (lists_.drop_file(name)) show_remaining(lists_.in_use());
    return {};
}

void MainWindow::copy_as_file() {
    const std::string file = file_to_share();
    if (file.empty()) return;
    if (!p_.clipboard.set_file(file))
        p_.prompts.message_box(notice("クリップボードにコピーできませんでした。", front_window()));
}

// The store changes the check marks (and the music) once the file holds the new flag.
void MainWindow::toggle_information() {
    SettingsStore& settings = windows_.settings();
    settings.set_information(!settings.current().information, *this);
}

void MainWindow::toggle_music() {
    SettingsStore& settings = windows_.settings();
    settings.set_music(!settings.current().music, *this);
}

void MainWindow::change_bgm() {
    bgm_.change();
}

void MainWindow::show_viewer_information() {
    if (ViewerWindow* viewer = windows_.loaded<ViewerWindow>()) viewer->show_information();
}

void MainWindow::close_viewer() {
    if (ViewerWindow* viewer = windows_.loaded<ViewerWindow>()) viewer->close_view();
}

}  // namespace vis
