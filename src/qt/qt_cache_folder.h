#pragma once
#include <string>

namespace vis {

// The user's cache folder for the program, "$XDG_CACHE_HOME/vistelle" ("~/.cache/vistelle" when
// unset); empty when the system names none. Needs a QCoreApplication.
std::string qt_user_cache_folder();

}  // namespace vis
