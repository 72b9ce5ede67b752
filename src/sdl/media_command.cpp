#include "sdl/media_command.h"

namespace vis {

namespace {

std::optional<MediaVerb> verb_of(std::string_view word) {
    if (word == "open") return MediaVerb::open;
    if (word == "play") return MediaVerb::play;
    if (word == "status") return MediaVerb::status_mode;
    if (word == "close") return MediaVerb::close;
    return std::nullopt;
}

}  // namespace

std::optional<MediaCommand> parse_media_command(std::string_view text) {
    const auto blank = text.find(' ');
    if (blank == std::string_view::npos) return std::nullopt;
    const auto verb = verb_of(text.substr(0, blank));
    if (!verb) return std::nullopt;

    std::string_view rest = text.substr(blank + 1);
    if (rest.size() < 2 || rest.front() != '"') return std::nullopt;
    const auto closing = rest.find('"', 1);
    if (closing == std::string_view::npos || closing == 1) return std::nullopt;
    const std::string_view path = rest.substr(1, closing - 1);
    const std::string_view tail = rest.substr(closing + 1);

    const std::string_view expected_tail = *verb == MediaVerb::status_mode ? " mode" : "";
    if (tail != expected_tail) return std::nullopt;
    return MediaCommand{*verb, path};
}

}  // namespace vis
