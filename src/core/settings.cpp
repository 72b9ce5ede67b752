#include "core/settings.h"

#include <limits>
#include <vector>

#include "services/ansi.h"
#include "services/file_ops.h"
#include "services/number_text.h"
#include "services/whole_file.h"

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

SettingsResult read_setting(FileSystem& fs, const std::string& path) {
    SettingsResult r;
    // Only a file that is surely not there is made anew: a drive that does not answer is no
    // reason to write the first-run values over the player's own.
    const PathKind kind = fs.kind(path);
    if (kind != PathKind::file) {
        r.status = kind == PathKind::missing ? SettingsRead::missing : SettingsRead::unreadable;
        return r;
    }
    const auto bytes = read_whole_file(path, std::numeric_limits<std::uintmax_t>::max());
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
    r.lines = {value_of(lines[0]), value_of(lines[1]), value_of(lines[2]), value_of(lines[3])};
    r.status = SettingsRead::ok;
    return r;
}

bool write_setting(FileSystem& fs, const std::string& path, const SettingsLines& s) {
    return write_text_file(fs, path, {s.game_folder, s.info_flag, s.music_flag, s.save_folder});
}

Settings settings_of(const SettingsLines& lines) {
    return {lines.game_folder, flag_of_line(lines.info_flag), flag_of_line(lines.music_flag), lines.save_folder};
}

SettingsLines lines_of(const Settings& s) {
    return {s.game_folder, flag_line(s.information), flag_line(s.music), s.save_folder};
}

SettingsLines first_run_settings() {
    return {kDefaultGameFolder, "1", "1", kDefaultGameFolder};
}

bool flag_of_line(const std::string& text) {
    // Blanks go first, wherever they are ("1 0" reads 10); the value is then decided on its
    // digits: 1 exactly when its only significant digit is a 1 in the units place.
    std::string s;
    for (const char c : text)
        if (c != ' ' && c != '\t') s += c;
    const NumberText n = read_number(s);
    if (!n.found || n.negative) return false;
    const std::size_t first = n.digits.find_first_not_of('0');
    if (first == std::string::npos || n.digits[first] != '1') return false;
    if (n.digits.find_first_not_of('0', first + 1) != std::string::npos) return false;
    return n.point == static_cast<long long>(first) + 1;
}

std::string flag_line(bool on) {
    return on ? " 1" : " 0";
}

}  // namespace vis
