// "保存": the edit, stamped with the two notice lines, as a new JPEG file under a name the user
// chooses; the screenshot itself is never touched.
#include <optional>
#include <string>

#include "catalogue/screenshot_lists.h"
#include "core/app.h"
#include "core/credits.h"
#include "core/main_window_parts.h"
#include "editor/edit_save.h"
#include "editor_window/editor_window.h"
#include "imaging/jpeg.h"
#include "services/save_name.h"

namespace vis {

void EditorWindow::save() {
    if (document_->effect_running()) return;
    Platform& p = windows_.platform();
    MainWindowParts& main = windows_.main();
    FileDialog dialog;
    dialog.title = "ファイル名を付けて保存";
    dialog.filter = "編集済スクリーンショット(*.jpg)|*.jpg";
    // Every round opens in the default save folder with the screenshot's name after "Edit_".
    dialog.initial_folder = windows_.settings().startup().save_folder;
    const std::optional<ListedFile> shot = main.lists().selected();
    dialog.file_name = "Edit_" + (shot ? shot->name : std::string());
    dialog.default_extension = ".jpg";
    dialog.owner = this;
    const auto target = ask_save_name(p.prompts, dialog, kAppTitle);
    if (!target) return;

    // The stamp stays on the canvas, as saved; saving again prints it again in the same place.
    // Undone apart from the edit, so a player may undo the stamp and go on editing.
    document_->stamp(p.painter, kCopyrightLine + p.update_server + "/", joined_notice(kStampNoticeParts, ""));
    const int code = save_edit(p.files, *target, canvas().live(), encode_jpeg);
    const std::string text = code == kSaved ? "保存しました" : "保存に失敗しました(" + std::to_string(code) + ")";
    p.prompts.message_box({text, kAppTitle, MsgButtons::ok, MsgIcon::none, 0, this});
}

}  // namespace vis
