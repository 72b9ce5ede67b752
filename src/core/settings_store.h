#pragma once
// The one owner of the settings file: where it lies, the values read at start-up, and every
// change written back, each failure told to the user the same way.
#include <string>

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
    // The file as it is now on disk.
    SettingsResult read() const;

    // Start-up: reads the file, first creating it (and its folder) with the first-run values
    // when it is missing. The values read are kept as the start-up values.
    struct Loaded {
        bool ok = false;
        bool first_run = false;
    };
    Loaded load();
    // The values read at start-up: they stay until the program ends, whatever is written since.
    // Empty when the file could not be read.
    const Settings& startup() const { return startup_; }

    // Reads the file, replaces one line and writes the file back whole. When the file cannot be
    // read, or a folder holds a character the file's code page lacks, nothing is written. A
    // failure is told to the user over `owner`, naming such a folder; false then.
    bool update(SettingsLine line, const std::string& value, const Form& owner);
    // Writes all four values whole, refusing and reporting as `update` does.
    bool write(const Settings& values, const Form& owner);

private:
    enum class Failure { unreadable, unwritable };
    bool storable(const Settings& values, const Form& owner);
    void report(Failure failure, const std::string& what, const Form& owner);
    // "<cause><what>の設定は変更されていません。"
    void tell(const std::string& cause, const std::string& what, const Form& owner);

    Platform& platform_;
    std::string path_;
    Settings startup_;
};

}  // namespace vis
