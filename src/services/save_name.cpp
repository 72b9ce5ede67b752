#include "services/save_name.h"

#include <filesystem>
#include <system_error>

#include "services/paths.h"

namespace vis {

namespace {

// A file of any attributes at the path counts; a folder does not.
bool file_at(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(to_fs_path(path), ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

}  // namespace

std::optional<std::string> ask_save_name(Prompts& prompts, const FileDialog& dialog, const std::string& app_title) {
    for (;;) {
        const auto chosen = prompts.save_file(dialog);
        if (!chosen) return std::nullopt;
        if (chosen->empty()) {
            prompts.message_box(
                {"ファイル名が入力されていません。", app_title, MsgButtons::ok, MsgIcon::none, 0, dialog.owner});
            continue;
        }
        if (!file_at(*chosen)) return chosen;
        const MsgResult answer =
            prompts.message_box({"そのファイル名は既に存在します。上書きしますか？", "上書き",
                                 MsgButtons::yes_no_cancel, MsgIcon::exclamation, 0, dialog.owner});
        if (answer == MsgResult::yes) return chosen;
        if (answer != MsgResult::no) return std::nullopt;
    }
}

}  // namespace vis
