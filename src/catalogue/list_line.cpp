#include "catalogue/list_line.h"

namespace vis {

namespace {

// Local time of a moment. Zone offsets and their changes fall on quarter hours, so one
// conversion serves every moment of the same quarter hour: listing a big folder converts each
// quarter hour once rather than each file.
std::tm local_time_of(std::time_t t) {
    constexpr std::time_t kQuarter = 15 * 60;
    thread_local std::time_t cached_start = -1;
    thread_local std::tm cached{};
    const std::time_t start = t - ((t % kQuarter) + kQuarter) % kQuarter;
    if (start != cached_start) {
#ifdef _WIN32
        localtime_s(&cached, &start);
#else
        localtime_r(&start, &cached);
#endif
        cached_start = start;
    }
    std::tm local = cached;
    const int within_hour = local.tm_min * 60 + local.tm_sec + static_cast<int>(t - start);
    if (within_hour >= 3600) {
        // The quarter hour crosses a full hour of an unusual zone: convert this one directly.
#ifdef _WIN32
        localtime_s(&local, &t);
#else
        localtime_r(&t, &local);
#endif
        return local;
    }
    local.tm_min = within_hour / 60;
    local.tm_sec = within_hour % 60;
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
