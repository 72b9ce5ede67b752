#pragma once
// The one home of the settings: the file, where it lies, the values read at start-up and the live
// copy the windows show, which tells its listeners of every change. Every change is written to the
// file first; each failure is told to the user the same way and changes nothing.
#include <functional>
#include <string>
#include <vector>

#include "core/settings.h"
#include "services/platform.h"

namespace vis {

class Form;

enum class SettingsLine { game_folder, info_flag, music_flag, save_folder };

class SettingsStore {
public:
    // The file is program folder/data/setting.mto.
    explicit SettingsStore(Platform& platform);

    const std::string& path() const { return path_; }

    // Start-up: reads the file, first creating it (and its folder) with the first-run values
    // when it is missing. The values read become the start-up values and the live copy; the
    // listeners are not called, as nothing has shown the settings yet.
    struct Loaded {
        bool ok = false;
        bool first_run = false;
    };
    Loaded load();
    // The values read at start-up: they stay until the program ends, whatever is written since.
    // The folders the main window lists and saves to are these. Empty when the file could not be
    // read.
    const Settings& startup() const { return startup_; }

    // The settings as the file held them when last read or written.
    const Settings& current() const { return current_; }
    // Reads the file again into the live copy; false, the copy unchanged, when it cannot be read.
    bool reread();

    // Each reads the file, replaces its one line and writes the file back whole; the other lines
    // stay as the file held them. When the file cannot be read, or a folder holds a character the
    // file's code page lacks, nothing is written. A failure is told to the user over `owner`,
    // naming the setting; false then.
    bool set_information(bool on, const Form& owner);
    bool set_music(bool on, const Form& owner);
    bool set_save_folder(const std::string& folder, const Form& owner);
    // Writes all four values whole, refusing and reporting as the others do.
    bool write(const Settings& values, const Form& owner);

    // Called with each line whose value changed, once the live copy holds the new value. A
    // listener lives as long as the store.
    void listen(std::function<void(SettingsLine)> listener) { listeners_.push_back(std::move(listener)); }

private:
    enum class Failure { unreadable, unwritable };
    SettingsResult read() const;
    bool update(SettingsLine line, const std::string& text, const Form& owner);
    bool storable(const SettingsLines& lines, const Form& owner);
    // The live copy becomes `now`; the listeners hear of each value that differs.
    void take(const Settings& now);
    void report(Failure failure, const std::string& what, const Form& owner);
    // "<cause><what>の設定は変更されていません。"
    void tell(const std::string& cause, const std::string& what, const Form& owner);

    Platform& platform_;
    std::string path_;
    Settings startup_;
    Settings current_;
    std::vector<std::function<void(SettingsLine)>> listeners_;
};

}  // namespace vis
