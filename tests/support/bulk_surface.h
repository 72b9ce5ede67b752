#pragma once
// What a player does with the command window (copy or move every screenshot) and sees on it, in
// the player's words: its mode, the output folder, the buttons by their captions, the progress.
#include <optional>
#include <string>
#include <utility>

#include "bulk/bulk_window.h"
#include "support/headless.h"

namespace vis::test {

// The command window's buttons as the player reads them.
namespace bulk_button {
inline const std::string kStart = "開始";
inline const std::string kCancel = "キャンセル";
inline const std::string kChooseFolder = "...";
}  // namespace bulk_button

class BulkSurface {
public:
    BulkSurface(BulkWindow& window, ScriptedPrompts& prompts) : w_(window), prompts_(prompts) {}
    BulkWindow& window() { return w_; }
    bool shown() const { return w_.visible(); }
    // "全てコピー" or "全て移動", as the line over the folder reads.
    std::string mode() const { return w_.lbl_mode.caption(); }
    std::string output_folder() const { return w_.txt_Output_Path.text(); }
    int progress() const { return w_.pgb.value(); }

    void press(const std::string& button) { click(captioned<Button>(w_, button)); }
    bool can_press(const std::string& button) const { return captioned<Button>(w_, button).enabled(); }
    // "..." with the save dialog answered so (nothing: cancelled): the folder of the answer is the choice.
    void choose_folder(std::optional<std::string> answer) {
        prompts_.answer_save(std::move(answer));
        press(bulk_button::kChooseFolder);
    }
    // "開始" with the question answered so.
    void start(MsgResult answer) {
        prompts_.answer_message(answer);
        press(bulk_button::kStart);
    }
    void close() { w_.request_close(); }

private:
    BulkWindow& w_;
    ScriptedPrompts& prompts_;
};

}  // namespace vis::test
