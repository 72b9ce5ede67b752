#include "services/ansi.h"

namespace vis {

// Text files elsewhere than on Windows are UTF-8, whatever the locale says.
std::string to_ansi(const std::string& utf8) {
    return utf8;
}
std::string from_ansi(const std::string& bytes) {
    return bytes;
}
bool fits_ansi(std::string_view) {
    return true;
}

}  // namespace vis
