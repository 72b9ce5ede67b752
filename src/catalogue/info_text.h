#pragma once
// The texts that describe a screenshot: the main window's information panel with its hint lines,
// and the name-and-date lines the viewer and the settings dialog show.
#include <cstdint>
#include <string>

#include "catalogue/folder_listing.h"

namespace vis {

// Said in place of a picture when the selected screenshot's file cannot be read or decoded.
inline constexpr const char* kCannotShowText = "この画像は表示できません";

// The two lines that tell how to preview and how to view full screen.
std::string list_hints();

// "ファイル名：" + name, CR LF, "保存日時　：" + save time, as the list line shows it.
std::string name_and_date_text(const ListedFile& shot);

// The panel for the screenshot at `position` (from 1) of `count`: name, date, size in KB, position
// and the folder's total, an empty line (or, when its picture cannot be shown, the line that says
// so), then the hints.
std::string panel_text(const ListedFile& shot, int position, int count, std::uintmax_t folder_total,
                       bool picture_shown);

// Name and date, an empty line, then the hints.
std::string name_date_and_hints(const ListedFile& shot);

}  // namespace vis
