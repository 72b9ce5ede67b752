// Delete and the right button on the screenshot lists.
#include <filesystem>
#include <system_error>

#include "catalogue/list_line.h"
#include "core/form1.h"
#include "platform/keys.h"
#include "platform/paths.h"

namespace vis {

namespace {

bool confirm_delete(Prompts& prompts, const std::string& name, const Form& owner) {
    MessageBox box;
    box.text = "ＳＳ [" + name + "]を削除しますか？\r\n削除をすると元には戻せません。";
    box.title = "削除";
    box.buttons = MsgButtons::yes_no;
    box.icon = MsgIcon::exclamation;
    box.default_button = 0;
    box.owner = &owner;
    return prompts.message_box(box) == MsgResult::yes;
}

void report(Prompts& prompts, const std::string& text, const Form& owner) {
    MessageBox box;
    box.text = text;
    box.title = "削除";
    box.icon = MsgIcon::exclamation;
    box.owner = &owner;
    prompts.message_box(box);
}

}  // namespace

bool Form1::ask_delete(const std::string& name, const Form& owner) {
    return confirm_delete(p_.prompts, name, owner);
}

bool Form1::delete_screenshot(const std::string& name) {
    const auto path = to_fs_path(join_path(file_path.folder(), name));
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        // Gone already (deleted from outside): nothing left to delete, so the line may go.
        report(p_.prompts, "ＳＳ [" + name + "]は既に削除されています。", *this);
        return true;
    }
    std::filesystem::remove(path, ec);
    if (!ec && !std::filesystem::exists(path, ec)) return true;
    report(p_.prompts,
           "ＳＳ [" + name + "]を削除できませんでした。\r\n" + "ファイルが使用中か、書き込みが禁止されています。",
           *this);
    return false;
}

void Form1::list_KeyDown(ListBox& list, int key_code, int) {
    if (key_code != key::kDelete || list.tag() == "not" || list.list_index() < 0) return;
    const std::string name = line_name(list.item(list.list_index()));
    if (!ask_delete(name, *this)) return;

    list.set_tag("not");
    const int row = list.list_index();
    if (delete_screenshot(name)) {
        file_path.refresh();
        ListBox& other = other_list(list);
        other.remove_item(other.count() - 1 - row);
        list.remove_item(row);
        // The line that followed takes the deleted one's place; after the last line, the new last.
        list.set_list_index(row < list.count() ? row : list.count() - 1);
        show_pre_info(list);
    }
    list.set_tag("");
}

void Form1::list_MouseDown(ListBox& list, int button, int, int x, int y) {
    if (button != button::kRight) return;
    show_pre_info(list);
    p_.prompts.popup_menu(mFile, *this, list.left() + x, list.top() + y);
}

}  // namespace vis
