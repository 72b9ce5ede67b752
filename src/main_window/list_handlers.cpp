// The screenshot lists: selection and preview, the sort toggle, double-clicks, Delete and the
// right button.
#include "catalogue/info_text.h"
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
    // Stepping onto a file that cannot be decoded keeps the previous preview, panel and menus.
    auto picture = load_picture(lists_.file_of_line(list.item(list.list_index())));
    if (!picture) return false;
    img_pre.set_picture(std::move(*picture));
    describe_selected(list);
    decode_neighbours(list);
    return true;
}

void Form1::show_remaining(ListBox& list) {
    if (list.list_index() < 0) {
        // The last screenshot went: nothing is left to show or describe.
        clear_preview();
        set_panel_text(list_hints());
        enable_file_commands(false);
        return;
    }
    list.set_focus();
    // The previous picture belongs to a file that is gone: never keep it.
    auto picture = load_picture(lists_.file_of_line(list.item(list.list_index())));
    img_pre.set_picture(picture ? std::move(*picture) : Picture{});
    describe_selected(list);
    decode_neighbours(list);
}

void Form1::describe_selected(ListBox& list) {
    const std::string line = list.item(list.list_index());
    set_panel_text(panel_text(line, lists_.record(list, list.list_index()).size, list.list_index() + 1, list.count(),
                              file_path.total_size()));
    mSave.set_enabled(true);
    // Without a picture there is nothing to put on the clipboard.
    mClipboard.set_enabled(!img_pre.picture().empty());
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

void Form1::tmr_watch_Timer() {
    const ScreenshotWatch::Update update = watch_.tick();
    if (!update.changed) return;
    ListBox& list = lists_.in_use();
    // The selection, the preview and the viewer stay as they are; the panel's counts follow.
    if (update.selected_gone)
        show_remaining(list);
    else if (update.selected_replaced)
        show_pre_info(list);
    else if (list.list_index() >= 0)
        describe_selected(list);
}

void Form1::set_panel_text(const std::string& text) {
    lbl_alt.set_caption(text);
}

void Form1::enable_file_commands(bool on) {
    mSave.set_enabled(on);
    mClipboard.set_enabled(on);
}

std::optional<Picture> Form1::load_picture(const std::string& path) {
    if (auto ahead = decode_ahead_.take(path)) return ahead;
    return decode_jpeg_file(path);
}

void Form1::decode_neighbours(const ListBox& list) {
    const int row = list.list_index();
    std::vector<std::string> wanted;
    if (row + 1 < list.count()) wanted.push_back(lists_.file_of_line(list.item(row + 1)));
    if (row > 0) wanted.push_back(lists_.file_of_line(list.item(row - 1)));
    decode_ahead_.request(wanted);
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
        show_remaining(list);
}

void Form1::list_MouseDown(ListBox& list, int button, int, int x, int y) {
    if (button != button::kRight) return;
    show_pre_info(list);
    p_.prompts.popup_menu(mFile, *this, list.left() + x, list.top() + y);
}

}  // namespace vis
