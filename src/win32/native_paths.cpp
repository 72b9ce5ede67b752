#include "services/paths.h"

namespace vis {

const char kSep = '\\';

// A stored path names the file as written: Windows resolves it itself.
std::string host_path(const std::string& path) {
    return path;
}

}  // namespace vis
