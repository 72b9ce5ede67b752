#include "music/media_commands.h"

#include <algorithm>
#include <string_view>

namespace vis {

std::string media_command(const char* word, const std::string& path) {
    return std::string(word) + " \"" + path + "\"";
}

std::string mode_query(const std::string& path) {
    return media_command("status", path) + " mode";
}

bool reports_stopped(const std::string& reply) {
    constexpr std::string_view kStopped = "STOPPED";
    const std::string_view text(reply.data(), std::min(reply.find('\0'), reply.size()));
    if (text.size() != kStopped.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        if (upper != kStopped[i]) return false;
    }
    return true;
}

}  // namespace vis
