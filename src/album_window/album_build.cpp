// The two build buttons of the album window: a copy album or an absolute-path album from the
// album list, through the thumbnail generator.
#include "album/disk_album_output.h"
#include "album_window/album_window.h"
#include "catalogue/listed_names.h"
#include "catalogue/screenshot_lists.h"
#include "core/app.h"
#include "core/main_window_parts.h"
#include "services/pacer.h"
#include "services/paths.h"
#include "ui/window_system.h"

namespace vis {

namespace {

constexpr const char* kNoAlbumList = "アルバムリストがありません";
constexpr const char* kCreateTitle = "作成";
constexpr const char* kDone = "「サムネイル」パターンのアルバムを作成しました。\r\n表示しますか？";
constexpr const char* kDoneTitle = "完了";
constexpr int kThumbnailPattern = 0;
constexpr const char* kShotsGone = "次のスクリーンショットが見つかりませんでした（移動または削除されています）：";

// What went wrong, in the user's words, with the path the generator names.
std::string failure_text(const AlbumResult& r) {
    std::string text = "アルバムを作成できませんでした。\r\n";
    switch (r.failure) {
        case AlbumFailure::no_screenshots:
            // Nothing was made: there is no partial album to speak of.
            return text + kShotsGone + listed_names(r.skipped, "枚");
        case AlbumFailure::make_folder:
            text += "次のフォルダを作成できませんでした：\r\n" + r.failed_path;
            break;
        case AlbumFailure::copy:
            text += "次のファイルをコピーできませんでした：\r\n" + r.failed_path;
            break;
        case AlbumFailure::write:
            text += "次のファイルを書き込めませんでした：\r\n" + r.failed_path;
            break;
        case AlbumFailure::empty_list:
        case AlbumFailure::none:
            break;
    }
    text += "\r\n\r\n";
    if (r.partial_album_left)
        text += "作りかけのアルバムを削除できなかったため、一部が残っています：\r\n" + r.folder;
    else
        text += "作りかけのアルバムは残っていません。";
    return text;
}

}  // namespace

void AlbumWindow::build_copy_album() {
    create_album(kCopyAlbum, "「コピー作成」を実行しますか？");
}

void AlbumWindow::build_path_album() {
    create_album(kAbsolutePathAlbum, "「絶対パス作成」を実行しますか？");
}

void AlbumWindow::create_album(int mode, const std::string& question) {
    Platform& p = windows_.platform();
    if (file_album.count() == 0) {
        p.prompts.message_box({kNoAlbumList, kAppTitle, MsgButtons::ok, MsgIcon::none, 0, this});
        return;
    }
    if (p.prompts.message_box({question, kCreateTitle, MsgButtons::ok_cancel, MsgIcon::question, 0, this}) !=
        MsgResult::ok)
        return;

    const Busy busy(*this);
    if (cmb_pattern.list_index() != kThumbnailPattern) return;
    create_mode = mode;
    // Paint the busy window before the first page is written.
    p.windows.do_events();
    // A program folder laid out by hand may lack the albums' parent folder.
    const std::string albums = join_path(p.program_folder, "album");
    if (!folder_exists(albums)) p.files.make_folder(albums);

    Pacer pacer(p.clock);
    DiskAlbumOutput out(p.files, [this, &pacer](int percent) {
        pgb.set_value(percent);
        let_events_run(pacer);
    });
    const AlbumResult result = write_album(album_input(), p.clock, out);
    // The generator walks the album list from its first entry and leaves it there.
    file_album.set_list_index(0);
    file_album.set_focus();
    if (p.windows.quitting()) return;
    if (result.ok()) {
        if (!result.skipped.empty()) report_skipped(result);
        offer_to_open(result);
    } else {
        report_failure(result);
    }
    pgb.set_value(0);
}

AlbumInput AlbumWindow::album_input() const {
    AlbumInput in;
    in.shots.reserve(static_cast<std::size_t>(album_.count()));
    for (int row = 0; row < album_.count(); ++row) in.shots.push_back(album_.record(row));
    in.shots_folder = windows_.main().lists().listing().folder();
    in.program_folder = windows_.platform().program_folder;
    in.line_colour = cmb_border_color.text();
    in.edge_colour = cmb_con_color.text();
    in.zoom = chk_zoom.value();
    in.link = chk_link.value();
    in.date = chk_date.value();
    in.file_name = chk_file_name.value();
    in.create_mode = create_mode;
    return in;
}

void AlbumWindow::offer_to_open(const AlbumResult& result) {
    Platform& p = windows_.platform();
    if (p.prompts.message_box({kDone, kDoneTitle, MsgButtons::yes_no, MsgIcon::question, 0, this}) != MsgResult::yes)
        return;
    if (!p.shell.open(result.index, p.program_folder)) {
        p.prompts.message_box({"アルバムを開けませんでした。\r\n" + result.index, kAppTitle, MsgButtons::ok,
                               MsgIcon::exclamation, 0, this});
    }
}

void AlbumWindow::report_skipped(const AlbumResult& result) {
    windows_.platform().prompts.message_box({std::string(kShotsGone) + listed_names(result.skipped, "枚") +
                                                 "\r\n\r\nこれらを除いてアルバムを作成しました。",
                                             kAppTitle, MsgButtons::ok, MsgIcon::exclamation, 0, this});
}

void AlbumWindow::report_failure(const AlbumResult& result) {
    windows_.platform().prompts.message_box(
        {failure_text(result), kAppTitle, MsgButtons::ok, MsgIcon::exclamation, 0, this});
}

}  // namespace vis
