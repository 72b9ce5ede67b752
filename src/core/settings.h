#pragma once
// The settings file "data/setting.mto": four CR LF lines in the system's ANSI code page.
//   1 game folder, 2 information overlay flag, 3 music flag, 4 default save folder.
#include <optional>
#include <string>

#include "services/file_system.h"

namespace vis {

inline constexpr const char* kDefaultGameFolder = "C:\\Program Files\\QUORIX\\Pelmar Online";

// The four lines as the file holds them. A line the program does not change is written back as
// it was read, so a flag stored as "01" stays "01".
struct SettingsLines {
    std::string game_folder;
    std::string info_flag;
    std::string music_flag;
    std::string save_folder;
};

// The settings as the program uses them. Before any file is read the flags are on, as the menus
// are laid out, and the folders empty.
struct Settings {
    std::string game_folder;
    bool information = true;
    bool music = true;
    std::string save_folder;
    bool operator==(const Settings&) const = default;
};
Settings settings_of(const SettingsLines& lines);
// The lines that store `s`, each flag as " 1" or " 0".
SettingsLines lines_of(const Settings& s);

enum class SettingsRead { ok, missing, unreadable };

// The values as a reader takes them: leading blanks skipped, one pair of enclosing double
// quotes removed. The whole line is the value, so a folder with a comma in its name survives.
struct SettingsResult {
    SettingsRead status = SettingsRead::missing;
    SettingsLines lines;
};
SettingsResult read_setting(FileSystem& fs, const std::string& path);
// The same reading of the file's bytes as they are on disk: `unreadable` when they hold fewer
// than four lines.
SettingsResult parse_settings(const std::string& file_bytes);

// Writes the four values whole: to a temporary file beside the settings file, then renamed over
// it, so a failed write never leaves a half-written file. False when it could not be written.
bool write_setting(FileSystem& fs, const std::string& path, const SettingsLines& s);

// The lines written on the very first start.
SettingsLines first_run_settings();

// A flag line is on exactly when it reads as the number 1: the number at its start, blanks
// ignored ("1", " 1", "01", " 1.0").
bool flag_of_line(const std::string& line);
// The numeric form the toggles and the settings dialog write: " 1" or " 0".
std::string flag_line(bool on);

}  // namespace vis
