#include "catalogue/list_line.h"

#include <cstdio>

namespace vis {

std::string make_list_line(std::time_t modified, const std::string& name) {
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &modified);
#else
    localtime_r(&modified, &local);
#endif
    char date[64];
    std::snprintf(date, sizeof date, "%04d/%02d/%02d %02d:%02d:%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    std::string line = date;
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
