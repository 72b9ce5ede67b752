#include "catalogue/screenshot_delete.h"

#include "catalogue/screenshot_lists.h"
#include "services/paths.h"

namespace vis {

namespace {

void report(Prompts& prompts, const std::string& text, const Form& owner) {
    prompts.message_box({text, "削除", MsgButtons::ok, MsgIcon::exclamation, 0, &owner});
}

}  // namespace

bool ask_delete(Prompts& prompts, const std::string& name, const Form& owner) {
    const MessageBox box{"ＳＳ [" + name + "]を削除しますか？\r\n削除をすると元には戻せません。",
                         "削除",
                         MsgButtons::yes_no,
                         MsgIcon::exclamation,
                         0,
                         &owner};
    return prompts.message_box(box) == MsgResult::yes;
}

bool delete_screenshot(Prompts& prompts, FileSystem& fs, const std::string& folder, const std::string& name,
                       const Form& owner) {
    const std::string path = join_path(folder, name);
    if (fs.kind(path) == PathKind::missing) {
        // Gone already (deleted from outside): nothing left to delete, so the line may go.
        report(prompts, "ＳＳ [" + name + "]は既に削除されています。", owner);
        return true;
    }
    if (fs.remove(path)) return true;
    report(prompts, "ＳＳ [" + name + "]を削除できませんでした。\r\nファイルが使用中か、書き込みが禁止されています。",
           owner);
    return false;
}

std::vector<std::string> delete_screenshots(Prompts& prompts, FileSystem& fs, ScreenshotLists& lists,
                                            const std::vector<std::string>& names, const Form& owner) {
    if (names.empty()) return {};
    const MessageBox question{"選択した " + std::to_string(names.size()) + " 個のスクリーンショットを削除しますか？",
                              "削除",
                              MsgButtons::yes_no,
                              MsgIcon::exclamation,
                              0,
                              &owner};
    if (prompts.message_box(question) != MsgResult::yes) return {};
    std::vector<std::string> gone;
    std::string stayed;
    for (const std::string& name : names) {
        const std::string path = join_path(lists.listing().folder(), name);
        if (fs.kind(path) == PathKind::missing || fs.remove(path))
            gone.push_back(name);
        else
            stayed += "\r\n" + name;
    }
    for (const std::string& name : gone) lists.drop_file(name);
    if (!stayed.empty())
        report(
            prompts,
            "次のスクリーンショットを削除できませんでした。\r\nファイルが使用中か、書き込みが禁止されています。\r\n" +
                stayed,
            owner);
    return gone;
}

bool delete_selected_line(Prompts& prompts, FileSystem& fs, ScreenshotLists& lists, ListBox& list, const Form& owner) {
    const int row = list.list_index();
    if (lists.busy(list) || row < 0) return false;
    const std::string name = lists.record(list, row).name;
    // Busy while the question waits too: changes of the folder must not move the row meanwhile.
    const ScreenshotLists::Busy quiet(lists, list);
    if (!ask_delete(prompts, name, owner)) return false;
    // A file that stays is reported, and its line stays with it.
    if (!delete_screenshot(prompts, fs, lists.listing().folder(), name, owner)) return false;
    lists.remove_line(list, row);
    return true;
}

}  // namespace vis
