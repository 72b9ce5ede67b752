#include "catalogue/info_text.h"

#include "catalogue/list_line.h"

namespace vis {

std::string list_hints() {
    return "リストをクリックすると、スクリーンショットがプレビューされます。\r\n"
           "イメージをダブルクリックすると、フルスクリーンで表示されます。ダブルクリックで閉じられます。";
}

std::string name_and_date_text(const std::string& line) {
    return "ファイル名：" + line_name(line) + "\r\n" + "保存日時　：" + line_date(line);
}

std::string panel_text(const std::string& line, std::uintmax_t size, int position, int count,
                       std::uintmax_t folder_total, bool picture_shown) {
    return name_and_date_text(line) + "\r\n" +                                                //
           "サイズ　　：" + size_kb_text(size) + " KB\r\n" +                                  //
           "　　(" + std::to_string(position) + "/" + std::to_string(count) + ")　　　全 " +  //
           total_size_text(folder_total) + "\r\n" +                                           //
           (picture_shown ? "" : kCannotShowText) + "\r\n" + list_hints();
}

std::string name_date_and_hints(const std::string& line) {
    return name_and_date_text(line) + "\r\n\r\n" + list_hints();
}

}  // namespace vis
