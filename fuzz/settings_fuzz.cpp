// The settings file as a user's editor (or a damaged disk) may leave it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/settings.h"

namespace {

bool one_line(const std::string& value) {
    return value.find('\n') == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const vis::SettingsResult r = vis::parse_settings(bytes);
    if (r.status == vis::SettingsRead::missing) std::abort();  // bytes are never a missing file
    if (r.status != vis::SettingsRead::ok) return 0;
    const vis::SettingsLines& s = r.lines;
    // Each value is one line of the file, never longer than the file.
    for (const std::string* v : {&s.game_folder, &s.info_flag, &s.music_flag, &s.save_folder}) {
        if (!one_line(*v) || v->size() > size) std::abort();
        (void)vis::flag_of_line(*v);
    }
    // The flags as the toggles write them read back as what they mean.
    if (!vis::flag_of_line(vis::flag_line(true)) || vis::flag_of_line(vis::flag_line(false))) std::abort();
    // What the program takes from the lines is what it writes back.
    if (vis::settings_of(vis::lines_of(vis::settings_of(s))) != vis::settings_of(s)) std::abort();
    return 0;
}
