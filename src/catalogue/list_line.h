#pragma once
// One screenshot as one line of text: "YYYY/MM/DD HH:MM:SS │ " + file name.
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

#include "catalogue/save_time.h"

namespace vis {

inline constexpr std::size_t kLineDateLength = 19;
// The date-time, " │ " (U+2502 is three bytes in UTF-8): 22 characters, 24 bytes.
inline constexpr std::size_t kLinePrefixBytes = 24;

// The line of a screenshot saved at `saved`.
std::string format_list_line(SaveTime saved, std::string_view name);
// `modified` is seconds since the epoch, shown as local time.
std::string make_list_line(std::time_t modified, const std::string& name);
// The first 19 characters: the save date-time.
std::string line_date(const std::string& line);
// Everything after the 22nd character: the file name.
std::string line_name(const std::string& line);

// Orders list lines as a sorted list box does: letter case ignored, then by exact text.
bool list_line_less(std::string_view a, std::string_view b);

// A file's size in whole KB, rounded down ("292" for 300,000 bytes).
std::string size_kb_text(std::uintmax_t bytes);
// The folder total: MB above 1,048,576 bytes, otherwise KB, one decimal cut off, shortest form
// ("2.8 MB", "488.2 KB", "1024 KB", "0 KB").
std::string total_size_text(std::uintmax_t bytes);

}  // namespace vis
