#include "core/settings.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/ansi.h"
#include "platform/file_ops.h"
#include "platform/file_read.h"
#include "platform/paths.h"

namespace vis {

namespace {

std::string value_of(std::string line) {
    std::size_t start = 0;
    while (start < line.size() && (line[start] == ' ' || line[start] == '\t')) ++start;
    line.erase(0, start);
    if (line.size() >= 2 && line.front() == '"') {
        const auto close = line.find('"', 1);
        if (close != std::string::npos) return line.substr(1, close - 1);
    }
    return line;
}

}  // namespace

SettingsResult read_setting(const std::string& path) {
    SettingsResult r;
    std::error_code ec;
    const auto fs_path = to_fs_path(path);
    if (!std::filesystem::exists(fs_path, ec)) {
        r.status = ec ? SettingsRead::unreadable : SettingsRead::missing;
        return r;
    }
    const auto bytes = read_file_bytes(path);
    if (!bytes) {
        r.status = SettingsRead::unreadable;
        return r;
    }
    return parse_settings(*bytes);
}

SettingsResult parse_settings(const std::string& file_bytes) {
    SettingsResult r;
    const std::string text = from_ansi(file_bytes);
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size() && lines.size() < 4) {
        auto end = text.find('\n', pos);
        const bool last = end == std::string::npos;
        std::string line = text.substr(pos, last ? std::string::npos : end - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        if (last) break;
        pos = end + 1;
    }
    if (lines.size() < 4) {
        r.status = SettingsRead::unreadable;
        return r;
    }
    r.values = {value_of(lines[0]), value_of(lines[1]), value_of(lines[2]), value_of(lines[3])};
    r.status = SettingsRead::ok;
    return r;
}

bool write_setting(FileSystem& fs, const std::string& path, const Settings& s) {
    return write_text_file(fs, path, {s.game_folder, s.info_flag, s.music_flag, s.save_folder});
}

std::string settings_path(const std::string& program_folder) {
    return join_path(join_path(program_folder, "data"), "setting.mto");
}

Settings first_run_settings() {
    return {kDefaultGameFolder, "1", "1", kDefaultGameFolder};
}

bool reads_as_one(const std::string& text) {
    // Blanks go first, wherever they are ("1 0" reads 10); then a sign, digits, a fraction and an
    // exponent ("1e1" reads 10, "10e-1" reads 1). Decided on the digits themselves: no rounding,
    // no locale-dependent number parsing.
    std::string s;
    for (const char c : text)
        if (c != ' ' && c != '\t') s += c;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') return false;
        ++i;
    }
    std::string digits;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') digits += s[i++];
    const std::size_t whole = digits.size();  // how many digits stand before the point
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') digits += s[i++];
    }
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        const bool negative = j < s.size() && s[j] == '-';
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        // An exponent without digits is no exponent: the number ends before the "e".
        if (j < s.size() && s[j] >= '0' && s[j] <= '9') {
            for (; j < s.size() && s[j] >= '0' && s[j] <= '9'; ++j)
                if (exponent < 1'000'000'000) exponent = exponent * 10 + (s[j] - '0');
            if (negative) exponent = -exponent;
        }
    }
    // The value is 1 exactly when its only significant digit is a 1 in the units place.
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos || digits[first] != '1') return false;
    if (digits.find_first_not_of('0', first + 1) != std::string::npos) return false;
    return static_cast<long long>(whole) + exponent == static_cast<long long>(first) + 1;
}

std::string flag_text(bool on) {
    return on ? " 1" : " 0";
}

}  // namespace vis
