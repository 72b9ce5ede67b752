#include "core/settings_store.h"

#include "core/app.h"
#include "services/ansi.h"
#include "services/file_ops.h"
#include "services/paths.h"
#include "ui/form.h"

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
    return read_setting(platform_.files, path_);
}

SettingsStore::Loaded SettingsStore::load() {
    Loaded loaded;
    SettingsResult r = read();
    if (r.status == SettingsRead::missing) {
        loaded.first_run = true;
        // A copied program folder may lack data/: make it rather than run without settings.
        make_folders(platform_.files, parent_folder(path_));
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
    if (!storable(r.values, owner)) return false;
    if (write_setting(platform_.files, path_, r.values)) return true;
    report(Failure::unwritable, name_of(line), owner);
    return false;
}

bool SettingsStore::write(const Settings& values, const Form& owner) {
    if (!storable(values, owner)) return false;
    if (write_setting(platform_.files, path_, values)) return true;
    report(Failure::unwritable, "", owner);
    return false;
}

bool SettingsStore::storable(const Settings& values, const Form& owner) {
    // The file is in the system's code page: a folder holding a character it lacks would be
    // stored with "?" in its place, naming a folder that does not exist.
    for (const SettingsLine line : {SettingsLine::game_folder, SettingsLine::save_folder}) {
        const std::string& folder = line == SettingsLine::game_folder ? values.game_folder : values.save_folder;
        if (fits_ansi(folder)) continue;
        tell("フォルダ [" + folder + "]の名前には設定ファイルに保存できない文字が含まれているため、", name_of(line),
             owner);
        return false;
    }
    return true;
}

void SettingsStore::report(Failure failure, const std::string& what, const Form& owner) {
    tell(failure == Failure::unreadable ? "設定ファイルを読み込めなかったため、"
                                        : "設定ファイルに書き込めなかったため、",
         what, owner);
}

void SettingsStore::tell(const std::string& cause, const std::string& what, const Form& owner) {
    const std::string subject = what.empty() ? std::string() : what + "の";
    platform_.prompts.message_box(
        {cause + subject + "設定は変更されていません。", kAppTitle, MsgButtons::ok, MsgIcon::exclamation, 0, &owner});
}

}  // namespace vis
