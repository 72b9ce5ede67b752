#pragma once
// UTF-8 inside the program, UTF-16 at the edge of the system.
#include <string>
#include <string_view>

namespace vis::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

// The path in the form every file call takes: absolute, "\" separators, with the "\\?\" prefix
// that lifts the 260-character limit. Empty when the path cannot be made absolute.
std::wstring long_path(const std::string& utf8);

}  // namespace vis::win32
