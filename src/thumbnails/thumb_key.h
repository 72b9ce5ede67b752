#pragma once
// A screenshot as the thumbnails know it: its file and what the listing read of it. A file saved
// again has another length or time, so its old thumbnail is never taken for the new one.
#include <cstdint>
#include <string>

#include "catalogue/save_time.h"

namespace vis {

struct ThumbKey {
    std::string path;
    std::uintmax_t size = 0;
    SaveTime saved = 0;
    bool operator==(const ThumbKey&) const = default;
};

}  // namespace vis
