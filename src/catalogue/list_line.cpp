#include "catalogue/list_line.h"

#include <algorithm>

namespace vis {

std::string format_list_line(SaveTime saved, std::string_view name) {
    std::string line;
    line.reserve(kLinePrefixBytes + name.size());
    append_save_time(line, saved);
    line += " │ ";
    line += name;
    return line;
}

std::string make_list_line(std::time_t modified, const std::string& name) {
    return format_list_line(save_time_of(modified), name);
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

namespace {
char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

bool list_line_less(std::string_view a, std::string_view b) {
    const auto n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char x = lower(a[i]), y = lower(b[i]);
        if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

}  // namespace vis
