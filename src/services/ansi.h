#pragma once
// Text files are kept in the system's ANSI code page: the active code page on Windows
// (Shift_JIS on Japanese systems), UTF-8 elsewhere.
#include <string>
#include <string_view>

namespace vis {

std::string to_ansi(const std::string& utf8);
std::string from_ansi(const std::string& bytes);
// Whether the text comes through the ANSI code page unchanged (always, where that is UTF-8).
bool fits_ansi(std::string_view utf8);

}  // namespace vis
