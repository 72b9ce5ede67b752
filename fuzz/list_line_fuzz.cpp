// List lines: a screenshot's time (any a file system can store) and name made into a line, and
// the date and name read back; also lines of any bytes read as lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "catalogue/list_line.h"

namespace {

// "YYYY/MM/DD HH:MM:SS"
bool date_shape(const std::string& d) {
    static const char shape[] = "0000/00/00 00:00:00";
    if (d.size() != sizeof shape - 1) return false;
    for (std::size_t i = 0; i < d.size(); ++i) {
        const bool digit = d[i] >= '0' && d[i] <= '9';
        if (shape[i] == '0' ? !digit : d[i] != shape[i]) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Any bytes as a line: reading never fails and never reaches past the line.
    const std::string raw(reinterpret_cast<const char*>(data), size);
    if (vis::line_date(raw).size() > vis::kLineDateLength) std::abort();
    if (vis::line_name(raw).size() > raw.size()) std::abort();

    std::int64_t seconds = 0;
    if (size < sizeof seconds) return 0;
    std::memcpy(&seconds, data, sizeof seconds);
    const std::string name(reinterpret_cast<const char*>(data) + sizeof seconds, size - sizeof seconds);
    const std::string line = vis::make_list_line(static_cast<std::time_t>(seconds), name);
    if (!date_shape(vis::line_date(line))) std::abort();
    if (line.size() != vis::kLinePrefixBytes + name.size()) std::abort();
    if (vis::line_name(line) != name) std::abort();
    return 0;
}
