#pragma once
// The media command strings the music sends, each addressing its track by the full path.
#include <string>

namespace vis {

// word + " \"" + path + "\"": "open", "play", "close".
std::string media_command(const char* word, const std::string& path);
// "status \"path\" mode".
std::string mode_query(const std::string& path);
// The reply up to its first NUL, in capitals, is "STOPPED".
bool reports_stopped(const std::string& reply);

}  // namespace vis
