#pragma once
#include <string>

namespace vis::win32 {

// The user's cache folder for the program, "%LOCALAPPDATA%\Vistelle"; empty when the system names
// no local application data folder.
std::string user_cache_folder();

}  // namespace vis::win32
