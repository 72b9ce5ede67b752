#pragma once
// What a player does with the settings dialog and sees on it, in the player's words: the game
// folder and the two options as shown, the browse, the buttons by their captions, the version and
// the notices under it.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "settings_dialog/settings_dialog.h"
#include "support/headless.h"

namespace vis::test {

// The settings dialog's buttons and options as the player reads them.
namespace settings_entry {
inline const std::string kApply = "適用";
inline const std::string kCancel = "キャンセル";
inline const std::string kBrowse = "参照";
inline const std::string kCheckVersion = "最新バージョン確認";
inline const std::string kInformation = "画像情報";
inline const std::string kMusic = "BGMを再生する";
}  // namespace settings_entry

class SettingsSurface {
public:
    SettingsSurface(SettingsDialog& dialog, ScriptedPrompts& prompts) : w_(dialog), prompts_(prompts) {}
    SettingsDialog& window() { return w_; }
    bool shown() const { return w_.visible(); }
    std::string caption() const { return w_.caption(); }
    // Opened because the screenshot folder was missing at start-up.
    bool setup_mode() const { return w_.setup_mode(); }
    void close() { w_.request_close(); }

    // --- the settings as shown: the game folder (locked: it changes through the browse), the options
    std::string game_folder() const { return w_.txt_path.text(); }
    bool folder_typeable() const { return !w_.txt_path.locked(); }
    bool checked(const std::string& option) const { return captioned<CheckBox>(w_, option).value(); }
    // A click on the option when it is not so already.
    void set(const std::string& option, bool on) {
        if (checked(option) != on) click(captioned<CheckBox>(w_, option));
    }
    // "参照" with the open dialog answered so (nothing: cancelled).
    void browse(std::optional<std::string> answer) {
        prompts_.answer_open(std::move(answer));
        press(settings_entry::kBrowse);
    }

    void press(const std::string& button) { click(captioned<Button>(w_, button)); }
    bool can_press(const std::string& button) const { return captioned<Button>(w_, button).enabled(); }

    // --- the version and the two notices under it
    std::string version() const { return w_.lbl_ver.caption(); }
    std::vector<const Label*> notices() const { return {&w_.Label3, &w_.Label5}; }

private:
    SettingsDialog& w_;
    ScriptedPrompts& prompts_;
};

}  // namespace vis::test
