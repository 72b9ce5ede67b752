#pragma once
// A file's last-modified time as local time to the second, packed as the decimal number
// YYYYMMDDhhmmss: it orders as its written form "YYYY/MM/DD hh:mm:ss" does.
#include <cstdint>
#include <ctime>
#include <string>

namespace vis {

using SaveTime = std::int64_t;

// `modified` is seconds since the epoch. A time beyond four-digit years is shown as the first or
// last moment four digits can write.
SaveTime save_time_of(std::time_t modified);

struct SaveTimeParts {
    int year, month, day, hour, minute, second;
};
SaveTimeParts split_save_time(SaveTime t);

// The written form, "YYYY/MM/DD hh:mm:ss", appended to `out` (list lines are made often).
void append_save_time(std::string& out, SaveTime t);
std::string save_time_text(SaveTime t);

}  // namespace vis
