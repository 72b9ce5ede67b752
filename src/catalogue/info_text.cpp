#include "catalogue/info_text.h"

#include "catalogue/list_line.h"
#include "catalogue/save_time.h"

namespace vis {

std::string list_hints() {
    return "リストをクリックすると、スクリーンショットがプレビューされます。\r\n"
           "イメージをダブルクリックすると、フルスクリーンで表示されます。ダブルクリックで閉じられます。";
}

std::string name_and_date_text(const ListedFile& shot) {
    return "ファイル名：" + shot.name + "\r\n" + "保存日時　：" + save_time_text(shot.saved);
}

std::string panel_text(const ListedFile& shot, int position, int count, std::uintmax_t folder_total,
                       bool picture_shown) {
    return name_and_date_text(shot) + "\r\n" +                                                //
           "サイズ　　：" + size_kb_text(shot.size) + " KB\r\n" +                             //
           "　　(" + std::to_string(position) + "/" + std::to_string(count) + ")　　　全 " +  //
           total_size_text(folder_total) + "\r\n" +                                           //
           (picture_shown ? "" : kCannotShowText) + "\r\n" + list_hints();
}

std::string name_date_and_hints(const ListedFile& shot) {
    return name_and_date_text(shot) + "\r\n\r\n" + list_hints();
}

}  // namespace vis
