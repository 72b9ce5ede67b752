// Selecting a line previews its screenshot, writes the information panel and enables the two
// File commands that need a screenshot.
#include "catalogue/list_line.h"
#include "core/form1.h"
#include "platform/jpeg.h"
#include "viewer/form2.h"

namespace vis {

void Form1::show_pre_info(ListBox& list) {
    if (list.list_index() < 0) {
        mSave.set_enabled(false);
        mClipboard.set_enabled(false);
        return;
    }
    list.set_focus();
    show_selected(list);
}

bool Form1::show_selected(ListBox& list) {
    const std::string& line = list.item(list.list_index());
    const std::string name = line_name(line);
    // A file that cannot be decoded keeps the previous preview, panel and menu state.
    auto picture = load_picture(file_of_line(line));
    if (!picture) return false;
    img_pre.set_picture(std::move(*picture));

    const ListedFile* listed = file_path.find(name);
    const std::uintmax_t size = listed != nullptr ? listed->size : 0;
    lbl_alt.set_caption("ファイル名：" + name + "\r\n" +                         //
                        "保存日時　：" + line_date(line) + "\r\n" +              //
                        "サイズ　　：" + size_kb_text(size) + " KB\r\n" +        //
                        "　　(" + std::to_string(list.list_index() + 1) + "/" +  //
                        std::to_string(list.count()) + ")　　　全 " +            //
                        total_size_text(file_path.total_size()) + "\r\n" +       //
                        "\r\n" + kListHint1 + "\r\n" + kListHint2);
    mSave.set_enabled(true);
    mClipboard.set_enabled(true);
    return true;
}

std::optional<Picture> Form1::load_picture(const std::string& path) {
    if (has_form2())
        if (auto ahead = form2().prefetched(path)) return ahead;
    return decode_jpeg_file(path);
}

void Form1::file_lst_Click() {
    if (file_lst.tag() != "not") show_pre_info(file_lst);
}

void Form1::file_sort_Click() {
    if (file_sort.tag() != "not") show_pre_info(file_sort);
}

void Form1::list_DblClick(ListBox& list) {
    if (list.list_index() < 0) return;
    auto picture = load_picture(file_of_line(list.item(list.list_index())));
    if (!picture) return;
    img_pre.set_picture(std::move(*picture));
    form2().IMG_FULL(true);
}

void Form1::img_pre_DblClick() {
    if (list_in_use().list_index() < 0 || img_pre.picture().empty()) return;
    form2().IMG_FULL(true);
}

}  // namespace vis
