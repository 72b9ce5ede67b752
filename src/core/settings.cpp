#include "core/settings.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "platform/ansi.h"
#include "platform/file_ops.h"
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
    std::ifstream in(fs_path, std::ios::binary);
    if (!in) {
        r.status = SettingsRead::unreadable;
        return r;
    }
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string text = from_ansi(buffer.str());
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
    // Decided on the digits themselves: no locale-dependent number parsing.
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.size() && text[i] == '+') ++i;
    std::string whole;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') whole += text[i++];
    bool fraction_zero = true;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') fraction_zero = fraction_zero && text[i++] == '0';
    }
    const auto first = whole.find_first_not_of('0');
    return first != std::string::npos && whole.substr(first) == "1" && fraction_zero;
}

std::string flag_text(bool on) {
    return on ? " 1" : " 0";
}

}  // namespace vis
