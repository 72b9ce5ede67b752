#pragma once
// Reading a media command string: a word, a blank and the file path in double quotes; the mode
// query adds a blank and "mode". Nothing else is understood.
#include <optional>
#include <string_view>

namespace vis {

enum class MediaVerb { open, play, status_mode, close };

struct MediaCommand {
    MediaVerb verb;
    // Points into the parsed text; never empty.
    std::string_view path;
};

std::optional<MediaCommand> parse_media_command(std::string_view text);

}  // namespace vis
