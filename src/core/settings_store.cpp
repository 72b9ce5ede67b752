#include "core/settings_store.h"

#include <filesystem>
#include <system_error>

#include "core/app.h"
#include "platform/form.h"
#include "platform/paths.h"

namespace vis {

namespace {

std::string& value_of(Settings& s, SettingsLine line) {
    switch (line) {
        case SettingsLine::game_folder:
            return s.game_folder;
        case SettingsLine::info_flag:
            return s.info_flag;
        case SettingsLine::music_flag:
            return s.music_flag;
        case SettingsLine::save_folder:
            break;
    }
    return s.save_folder;
}

// What the user calls the setting a line holds, as the failure message names it.
const char* name_of(SettingsLine line) {
    switch (line) {
        case SettingsLine::game_folder:
            return "インストールディレクトリ";
        case SettingsLine::info_flag:
            return "画像情報";
        case SettingsLine::music_flag:
            return "BGM";
        case SettingsLine::save_folder:
            break;
    }
    return "保存先";
}

}  // namespace

SettingsStore::SettingsStore(Platform& platform)
    : platform_(platform), path_(join_path(join_path(platform.program_folder, "data"), "setting.mto")) {}

SettingsResult SettingsStore::read() const {
    return read_setting(path_);
}

SettingsStore::Loaded SettingsStore::load() {
    Loaded loaded;
    SettingsResult r = read();
    if (r.status == SettingsRead::missing) {
        loaded.first_run = true;
        // A copied program folder may lack data/: make it rather than run without settings.
        std::error_code ec;
        std::filesystem::create_directories(to_fs_path(parent_folder(path_)), ec);
        write_setting(platform_.files, path_, first_run_settings());
        // Read back rather than taken from memory: what counts is what the file holds.
        r = read();
    }
    loaded.ok = r.status == SettingsRead::ok;
    startup_ = loaded.ok ? r.values : Settings{};
    return loaded;
}

bool SettingsStore::update(SettingsLine line, const std::string& value, const Form& owner) {
    SettingsResult r = read();
    if (r.status != SettingsRead::ok) {
        report(Failure::unreadable, name_of(line), owner);
        return false;
    }
    value_of(r.values, line) = value;
    if (write_setting(platform_.files, path_, r.values)) return true;
    report(Failure::unwritable, name_of(line), owner);
    return false;
}

bool SettingsStore::write(const Settings& values, const Form& owner) {
    if (write_setting(platform_.files, path_, values)) return true;
    report(Failure::unwritable, "", owner);
    return false;
}

void SettingsStore::report(Failure failure, const std::string& what, const Form& owner) {
    const std::string cause = failure == Failure::unreadable ? "設定ファイルを読み込めなかったため、"
                                                             : "設定ファイルに書き込めなかったため、";
    const std::string subject = what.empty() ? std::string() : what + "の";
    platform_.prompts.message_box(
        {cause + subject + "設定は変更されていません。", kAppTitle, MsgButtons::ok, MsgIcon::exclamation, 0, &owner});
}

}  // namespace vis
