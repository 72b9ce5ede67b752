// The screenshot lists: selection and preview, the sort toggle, double-clicks, Delete and the
// right button.
#include "catalogue/info_text.h"
#include "catalogue/list_line.h"
#include "catalogue/screenshot_delete.h"
#include "main_window/form1.h"
#include "platform/jpeg.h"
#include "platform/keys.h"
#include "viewer/form2.h"

namespace vis {

void Form1::show_pre_info(ListBox& list) {
    if (list.list_index() < 0) {
        enable_file_commands(false);
        return;
    }
    list.set_focus();
    show_selected(list);
}

bool Form1::show_selected(ListBox& list) {
    const std::string& line = list.item(list.list_index());
    // A file that cannot be decoded keeps the previous preview, panel and menu state.
    auto picture = load_picture(lists_.file_of_line(line));
    if (!picture) return false;
    img_pre.set_picture(std::move(*picture));
    const ListedFile* listed = file_path.find(line_name(line));
    set_panel_text(panel_text(line, listed != nullptr ? listed->size : 0, list.list_index() + 1, list.count(),
                              file_path.total_size()));
    enable_file_commands(true);
    return true;
}

void Form1::clear_preview() {
    img_pre.set_picture({});
}

void Form1::relist() {
    const std::string folder = file_path.folder();
    lists_.rebuild(folder);
    // Nothing of the old selection stays on screen when the first line cannot be shown.
    clear_preview();
    set_panel_text(list_hints());
    enable_file_commands(false);
    show_pre_info(file_lst);
}

void Form1::set_panel_text(const std::string& text) {
    lbl_alt.set_caption(text);
}

void Form1::enable_file_commands(bool on) {
    mSave.set_enabled(on);
    mClipboard.set_enabled(on);
}

std::optional<Picture> Form1::load_picture(const std::string& path) {
    if (Form2* viewer = windows_.loaded<Form2>())
        if (auto ahead = viewer->prefetched(path)) return ahead;
    return decode_jpeg_file(path);
}

void Form1::file_lst_Click() {
    if (!ScreenshotLists::busy(file_lst)) show_pre_info(file_lst);
}

void Form1::file_sort_Click() {
    if (!ScreenshotLists::busy(file_sort)) show_pre_info(file_sort);
}

void Form1::img_sort_up_Click() {
    show_pre_info(lists_.switch_order());
}

void Form1::img_sort_down_Click() {
    show_pre_info(lists_.switch_order());
}

void Form1::list_DblClick(ListBox& list) {
    if (list.list_index() < 0) return;
    auto picture = load_picture(lists_.file_of_line(list.item(list.list_index())));
    if (!picture) return;
    img_pre.set_picture(std::move(*picture));
    windows_.get<Form2>().IMG_FULL(true);
}

void Form1::img_pre_DblClick() {
    if (lists_.in_use().list_index() < 0 || img_pre.picture().empty()) return;
    windows_.get<Form2>().IMG_FULL(true);
}

void Form1::list_KeyDown(ListBox& list, int key_code, int) {
    if (key_code == key::kDelete && delete_selected_line(p_.prompts, p_.files, lists_, list, *this))
        show_pre_info(list);
}

void Form1::list_MouseDown(ListBox& list, int button, int, int x, int y) {
    if (button != button::kRight) return;
    show_pre_info(list);
    p_.prompts.popup_menu(mFile, *this, list.left() + x, list.top() + y);
}

}  // namespace vis
