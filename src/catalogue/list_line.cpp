#include "catalogue/list_line.h"

#include "platform/local_time.h"

namespace vis {

namespace {

// Local time of a moment, asked of the system for each moment: zone changes may fall on any
// minute (St. John's changed at 00:01 for years) or, in old zones, any second, so a conversion
// shared across a stretch of time lists wrong times after them. One conversion costs little
// beside reading the file's time.
// A file's time may lie beyond four-digit years (a tool set it, or the file system is damaged):
// it is shown as the first or last moment four digits can write, so the line keeps its shape
// and sorts where the time belongs.
std::tm local_time_of(std::time_t t) {
    std::tm local{};
    const bool converted = to_local_time(t, local);
    const bool late = converted ? local.tm_year + 1900 > 9999 : t > 0;
    const bool early = converted ? local.tm_year + 1900 < 0 : t <= 0;
    if (late || early) {
        local = std::tm{};
        local.tm_year = late ? 9999 - 1900 : -1900;
        local.tm_mon = late ? 11 : 0;
        local.tm_mday = late ? 31 : 1;
        local.tm_hour = late ? 23 : 0;
        local.tm_min = late ? 59 : 0;
        local.tm_sec = late ? 59 : 0;
    }
    return local;
}

void put_digits(std::string& out, int value, int width) {
    char buf[8];
    for (int i = width - 1; i >= 0; --i, value /= 10) buf[i] = static_cast<char>('0' + value % 10);
    out.append(buf, static_cast<std::size_t>(width));
}

}  // namespace

std::string make_list_line(std::time_t modified, const std::string& name) {
    const std::tm local = local_time_of(modified);
    std::string line;
    line.reserve(kLinePrefixBytes + name.size());
    put_digits(line, local.tm_year + 1900, 4);
    line += '/';
    put_digits(line, local.tm_mon + 1, 2);
    line += '/';
    put_digits(line, local.tm_mday, 2);
    line += ' ';
    put_digits(line, local.tm_hour, 2);
    line += ':';
    put_digits(line, local.tm_min, 2);
    line += ':';
    put_digits(line, local.tm_sec, 2);
    line += " │ ";
    line += name;
    return line;
}

std::string line_date(const std::string& line) {
    return line.substr(0, kLineDateLength);
}

std::string line_name(const std::string& line) {
    return line.size() > kLinePrefixBytes ? line.substr(kLinePrefixBytes) : std::string();
}

std::string size_kb_text(std::uintmax_t bytes) {
    return std::to_string(bytes / 1024);
}

namespace {
// Tenths written in their shortest form: 28 -> "2.8", 20 -> "2".
std::string tenths_text(std::uintmax_t tenths) {
    std::string s = std::to_string(tenths / 10);
    if (tenths % 10 != 0) s += "." + std::to_string(tenths % 10);
    return s;
}
}  // namespace

std::string total_size_text(std::uintmax_t bytes) {
    constexpr std::uintmax_t kMiB = 1024 * 1024;
    if (bytes > kMiB) return tenths_text(bytes * 10 / kMiB) + " MB";
    return tenths_text(bytes * 10 / 1024) + " KB";
}

}  // namespace vis
