#pragma once
// Text files are kept in the system's ANSI code page: the active code page on Windows
// (Shift_JIS on Japanese systems), UTF-8 elsewhere.
#include <string>

namespace vis {

std::string to_ansi(const std::string& utf8);
std::string from_ansi(const std::string& bytes);

}  // namespace vis
