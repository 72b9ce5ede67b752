#include "bulk/bulk_run.h"

#include <algorithm>

#include "catalogue/list_line.h"
#include "catalogue/listed_names.h"
#include "services/file_ops.h"
#include "services/paths.h"

namespace vis {

const char* mode_key(BulkMode mode) {
    return mode == BulkMode::move ? "move" : "copy";
}

const char* mode_name(BulkMode mode) {
    return mode == BulkMode::move ? "全て移動" : "全てコピー";
}

std::string confirmation_text(BulkMode mode) {
    const std::string lines = mode == BulkMode::move
                                  ? "スクリーンショットを全て移動します。\r\n実行の際はご注意ください。"
                                  : "スクリーンショットを全てコピーします。\r\nバックアップのように使用できます。";
    return lines + "\r\n\r\n[OK]を押すと開始します。";
}

std::string completion_text(BulkMode mode) {
    return std::string("「") + mode_name(mode) + "」を完了しました。";
}

std::optional<std::string> output_folder_problem(FileSystem& fs, const std::string& output, const std::string& shots) {
    if (fs.kind(output) != PathKind::folder) return "出力先のフォルダが見つかりません。\r\n" + output;
    if (fs.same_file(output, shots))
        return std::string("出力先がスクリーンショットのフォルダと同じです。\r\n別のフォルダを選んでください。");
    if (!folder_takes_files(fs, output)) return "出力先のフォルダに書き込めません。\r\n" + output;
    return std::nullopt;
}

bool transfer(FileSystem& fs, BulkMode mode, const std::string& from, const std::string& to) {
    // A copy that breaks off may still report success: only a complete one counts.
    return mode == BulkMode::move ? safe_move(fs, from, to) == MoveResult::moved : checked_copy(fs, from, to);
}

BulkResult run_bulk(FileSystem& fs, BulkMode mode, const std::string& folder, std::vector<std::string> names,
                    const std::string& output, const std::function<bool(int percent)>& before) {
    std::sort(names.begin(), names.end(), list_line_less);
    BulkResult result;
    const std::size_t n = names.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (!before(static_cast<int>(((i + 1) * 100 + n / 2) / n))) {
            result.stopped = true;
            break;
        }
        const std::string from = join_path(folder, names[i]);
        // Only a failure needs the second look, to tell a file that had gone from one left behind.
        if (!transfer(fs, mode, from, join_path(output, names[i])))
            (fs.size(from) ? result.failed : result.missing).push_back(names[i]);
    }
    return result;
}

namespace {

// A blank line, then the names.
std::string name_lines(const std::vector<std::string>& names) {
    return "\r\n" + listed_names(names, "個");
}

}  // namespace

std::string failure_text(BulkMode mode, const BulkResult& result) {
    const std::string during = std::string("「") + mode_name(mode) + "」の途中で、次の ";
    std::string text;
    if (!result.failed.empty()) {
        text = during + std::to_string(result.failed.size()) + " 個のファイルを" +
               (mode == BulkMode::move ? "移動" : "コピー") +
               "できませんでした。\r\n元のファイルはスクリーンショットのフォルダに残っています。" +
               name_lines(result.failed);
    }
    if (!result.missing.empty()) {
        if (!text.empty()) text += "\r\n\r\n";
        text += during + std::to_string(result.missing.size()) +
                " 個のファイルが見つかりませんでした（移動または削除されています）。" + name_lines(result.missing);
    }
    return text;
}

}  // namespace vis
