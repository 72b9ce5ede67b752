// Commands shared by the main menu and the viewer's pop-up menu: save a copy, clipboard, and the
// information label.
#include <filesystem>
#include <system_error>

#include "catalogue/list_line.h"
#include "core/form1.h"
#include "core/settings.h"
#include "platform/paths.h"
#include "viewer/form2.h"

namespace vis {

namespace {

FileDialog save_dialog(const std::string& folder, const std::string& name, const Form& owner) {
    FileDialog d;
    d.title = "名前を付けて保存";
    d.filter = "スクリーンショット(*.jpg)|*.jpg";
    d.initial_folder = folder;
    d.file_name = name;
    d.default_extension = ".jpg";
    d.owner = &owner;
    return d;
}

MessageBox notice(const std::string& text, const Form& owner, MsgIcon icon = MsgIcon::exclamation) {
    MessageBox box;
    box.text = text;
    box.title = kAppTitle;
    box.icon = icon;
    box.owner = &owner;
    return box;
}

// A file (of any attributes) at the path counts; a folder does not.
bool file_at(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(to_fs_path(path), ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

// Copies byte for byte, replacing the target. Saving a file over itself leaves it as it is.
bool copy_screenshot(const std::string& from, const std::string& to) {
    std::error_code ec;
    if (std::filesystem::equivalent(to_fs_path(from), to_fs_path(to), ec) && !ec) return true;
    return std::filesystem::copy_file(to_fs_path(from), to_fs_path(to),
                                      std::filesystem::copy_options::overwrite_existing, ec) &&
           !ec;
}

// Prompts belong to the viewer while it is shown, otherwise to the main window.
const Form& front_window(Form1& main) {
    if (main.has_form2() && main.form2().visible()) return main.form2();
    return main;
}

}  // namespace

void Form1::save_as() {
    ListBox& list = list_in_use();
    if (list.list_index() < 0) return;
    const std::string line = list.item(list.list_index());
    const Form& owner = front_window(*this);

    std::string target;
    for (;;) {
        // Every round opens in the start-up folder with the screenshot's own name.
        const auto chosen = p_.prompts.save_file(save_dialog(lbl_DefaultSave_Path.caption(), line_name(line), owner));
        if (!chosen) return;
        if (chosen->empty()) {
            p_.prompts.message_box(notice("ファイル名が入力されていません。", owner, MsgIcon::none));
            continue;
        }
        if (file_at(*chosen)) {
            MessageBox ask;
            ask.text = "そのファイル名は既に存在します。上書きしますか？";
            ask.title = "上書き";
            ask.buttons = MsgButtons::yes_no_cancel;
            ask.icon = MsgIcon::exclamation;
            ask.default_button = 0;
            ask.owner = &owner;
            const MsgResult answer = p_.prompts.message_box(ask);
            if (answer == MsgResult::no) continue;
            if (answer != MsgResult::yes) return;
        }
        target = *chosen;
        break;
    }

    if (!copy_screenshot(file_of_line(line), target)) {
        p_.prompts.message_box(notice("画像を保存できませんでした。\r\n" + target, owner));
        return;
    }
    // Remembered for the next start; this run keeps proposing the folder it started with.
    const std::string folder = parent_folder(target);
    update_setting(settings_path(), [&](Settings& s) { s.save_folder = folder; });
}

void Form1::copy_to_clipboard() {
    const Picture& picture = img_pre.picture();
    if (picture.empty()) return;
    if (!p_.clipboard.set_picture(picture)) {
        p_.prompts.message_box(notice("クリップボードにコピーできませんでした。", front_window(*this)));
    }
}

void Form1::mImgInfo_Click() {
    const bool on = !mImgInfo.checked();
    // The check mark only changes once the file holds the new flag, so the two never disagree.
    if (!update_setting(settings_path(), [on](Settings& s) { s.info_flag = flag_text(on); })) {
        p_.prompts.message_box(
            notice("設定ファイルに書き込めなかったため、画像情報の設定は変更されていません。", *this));
        return;
    }
    mImgInfo.set_checked(on);
}

void Form1::mInfo_F_Click() {
    if (has_form2()) form2().show_information();
}

void Form1::mClose_F_Click() {
    if (has_form2()) form2().IMG_CLOSE();
}

}  // namespace vis
