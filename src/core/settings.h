#pragma once
// The settings file "data/setting.mto": four CR LF lines in the system's ANSI code page.
//   1 game folder, 2 information overlay flag, 3 music flag, 4 default save folder.
#include <optional>
#include <string>

#include "services/file_system.h"

namespace vis {

inline constexpr const char* kDefaultGameFolder = "C:\\Program Files\\QUORIX\\Pelmar Online";

struct Settings {
    std::string game_folder;
    std::string info_flag;
    std::string music_flag;
    std::string save_folder;
};

enum class SettingsRead { ok, missing, unreadable };

// The values as a reader takes them: leading blanks skipped, one pair of enclosing double
// quotes removed. The whole line is the value, so a folder with a comma in its name survives.
struct SettingsResult {
    SettingsRead status = SettingsRead::missing;
    Settings values;
};
SettingsResult read_setting(FileSystem& fs, const std::string& path);
// The same reading of the file's bytes as they are on disk: `unreadable` when they hold fewer
// than four lines.
SettingsResult parse_settings(const std::string& file_bytes);

// Writes the four values whole: to a temporary file beside the settings file, then renamed over
// it, so a failed write never leaves a half-written file. False when it could not be written.
bool write_setting(FileSystem& fs, const std::string& path, const Settings& s);

// The values written on the very first start.
Settings first_run_settings();

// True exactly when the text reads as the number 1: the number at its start, blanks ignored
// ("1", " 1", "01", " 1.0").
bool reads_as_one(const std::string& text);
// The numeric form the toggles and the settings dialog write: " 1" or " 0".
std::string flag_text(bool on);

}  // namespace vis
