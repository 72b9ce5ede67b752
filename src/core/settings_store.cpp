#include "core/settings_store.h"

#include <utility>

#include "core/app.h"
#include "services/ansi.h"
#include "services/file_ops.h"
#include "services/paths.h"
#include "ui/form.h"

namespace vis {

namespace {

std::string& line_of(SettingsLines& s, SettingsLine line) {
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
    startup_ = loaded.ok ? settings_of(r.lines) : Settings{};
    if (loaded.ok) current_ = startup_;
    return loaded;
}

bool SettingsStore::reread() {
    const SettingsResult r = read();
    if (r.status != SettingsRead::ok) return false;
    take(settings_of(r.lines));
    return true;
}

bool SettingsStore::set_information(bool on, const Form& owner) {
    return update(SettingsLine::info_flag, flag_line(on), owner);
}

bool SettingsStore::set_music(bool on, const Form& owner) {
    return update(SettingsLine::music_flag, flag_line(on), owner);
}

bool SettingsStore::set_save_folder(const std::string& folder, const Form& owner) {
    return update(SettingsLine::save_folder, folder, owner);
}

bool SettingsStore::update(SettingsLine line, const std::string& text, const Form& owner) {
    SettingsResult r = read();
    if (r.status != SettingsRead::ok) {
        report(Failure::unreadable, name_of(line), owner);
        return false;
    }
    line_of(r.lines, line) = text;
    if (!storable(r.lines, owner)) return false;
    if (!write_setting(platform_.files, path_, r.lines)) {
        report(Failure::unwritable, name_of(line), owner);
        return false;
    }
    take(settings_of(r.lines));
    return true;
}

bool SettingsStore::write(const Settings& values, const Form& owner) {
    const SettingsLines lines = lines_of(values);
    if (!storable(lines, owner)) return false;
    if (!write_setting(platform_.files, path_, lines)) {
        report(Failure::unwritable, "", owner);
        return false;
    }
    take(values);
    return true;
}

void SettingsStore::take(const Settings& now) {
    const Settings was = std::exchange(current_, now);
    const struct {
        SettingsLine line;
        bool changed;
    } lines[] = {
        {SettingsLine::game_folder, was.game_folder != now.game_folder},
        {SettingsLine::info_flag, was.information != now.information},
        {SettingsLine::music_flag, was.music != now.music},
        {SettingsLine::save_folder, was.save_folder != now.save_folder},
    };
    for (const auto& l : lines)
        if (l.changed)
            for (const auto& listener : listeners_) listener(l.line);
}

bool SettingsStore::storable(const SettingsLines& values, const Form& owner) {
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
