#include "album_window/album_window.h"

#include "album_window/progress_caption.h"
#include "catalogue/screenshot_lists.h"
#include "core/main_window_parts.h"
#include "imaging/jpeg.h"
#include "services/pacer.h"
#include "ui/font.h"
#include "ui/window_system.h"

namespace vis {

namespace {

constexpr const char* kCaption = " アルバム";
constexpr const char* kListHeader = "　保 存 日 時　│　フ　ァ　イ　ル　名";
constexpr const char* kLoading = "読み込み中... ";
constexpr const char* kSending = " アルバムリストへ移動中... ";
constexpr const char* kReturning = " アルバムリストから削除中... ";

// Both colour combos offer these; what they hold goes into the pages as it is.
constexpr const char* kColours[] = {"Black",  "White",   "Red",  "Blue", "Yellow", "Green", "Silver", "Maroon", "Lime",
                                    "Purple", "Fuchsia", "Gray", "Navy", "Teal",   "Aqua",  "Olive",  "Orange"};
constexpr int kLineColourIndex = 0;   // Black
constexpr int kEdgeColourIndex = 14;  // Aqua

}  // namespace

AlbumWindow::Busy::Busy(AlbumWindow& form) : form_(form) {
    form_.busy_ = true;
    for (Button* b : {&form.cmd_send_list, &form.cmd_send_list_all, &form.cmd_return_list, &form.cmd_return_list_all,
                      &form.cmd_copy_create, &form.cmd_path_create, &form.cmd_cancel}) {
        buttons_.emplace_back(b, b->enabled());
        b->set_enabled(false);
    }
}

AlbumWindow::Busy::~Busy() {
    for (auto& [button, enabled] : buttons_) button->set_enabled(enabled);
    form_.busy_ = false;
}

AlbumWindow::AlbumWindow(WindowOwner& windows)
    : Form(windows.platform().windows, "AlbumWindow", kCaption),
      Label2(*this, "Label2", "▲ スクリーンショット"),
      Label1_0(*this, "Label1(0)", kListHeader),
      file_lst(*this, "file_lst"),
      cmd_send_list(*this, "cmd_send_list", "▽"),
      cmd_send_list_all(*this, "cmd_send_list_all", "▼"),
      cmd_return_list(*this, "cmd_return_list", "△"),
      cmd_return_list_all(*this, "cmd_return_list_all", "▲"),
      Label3(*this, "Label3", "▼ アルバムリスト"),
      Label1_1(*this, "Label1(1)", kListHeader),
      file_album(*this, "file_album"),
      Frame3(*this, "Frame3", "プレビュー"),
      img_pre(*this, "img_pre", true),
      Frame2(*this, "Frame2", "新規作成"),
      Label8(*this, "Label8", "アルバムパターン："),
      cmb_pattern(*this, "cmb_pattern"),
      Label7(*this, "Label7", "オプション："),
      chk_zoom(*this, "chk_zoom", "ズーム"),
      chk_link(*this, "chk_link", "画像リンク"),
      chk_date(*this, "chk_date", "日付"),
      chk_file_name(*this, "chk_file_name", "ファイル名"),
      lbl_border_color(*this, "lbl_border_color", "線色："),
      cmb_border_color(*this, "cmb_border_color"),
      lbl_con_color(*this, "lbl_con_color", "端色："),
      cmb_con_color(*this, "cmb_con_color"),
      cmd_copy_create(*this, "cmd_copy_create", "コピー作成"),
      cmd_path_create(*this, "cmd_path_create", "絶対パス作成"),
      pgb(*this, "pgb"),
      cmd_cancel(*this, "cmd_cancel", "キャンセル"),
      windows_(windows) {
    lay_out();
    for (Button* b : {&cmd_send_list, &cmd_send_list_all, &cmd_return_list, &cmd_return_list_all})
        b->set_enabled(false);
    cmb_pattern.add_item("サムネイル");
    cmb_border_color.set_editable(true);
    cmb_con_color.set_editable(true);
    chk_link.set_value(true);
    chk_date.set_value(true);
    chk_file_name.set_value(true);

    file_lst.set_source(&shots_lines_);
    file_album.set_source(&album_lines_);
    file_lst.on_click = [this] { screenshot_list_clicked(); };
    file_album.on_click = [this] { album_list_clicked(); };
    cmd_send_list.on_click = [this] { send_to_album(); };
    cmd_send_list_all.on_click = [this] { send_all_to_album(); };
    cmd_return_list.on_click = [this] { return_from_album(); };
    cmd_return_list_all.on_click = [this] { return_all_from_album(); };
    cmd_copy_create.on_click = [this] { build_copy_album(); };
    cmd_path_create.on_click = [this] { build_path_album(); };
    cmd_cancel.on_click = [this] { cancel(); };
    on_query_unload = [this] { return on_close_request(); };
}

void AlbumWindow::lay_out() {
    set_border_style(BorderStyle::fixed_single);
    set_min_button(true);
    set_centred(true);
    set_client_size(10560, 7920);

    // Left: the two lists, one above the other, with the arrows between them.
    Label2.set_bounds({120, 120, 6600, 255});
    Label1_0.set_bounds({120, 420, 6600, 255});
    file_lst.set_bounds({120, 675, 6600, 2835});
    cmd_send_list.set_bounds({1920, 3600, 720, 375});
    cmd_send_list_all.set_bounds({2700, 3600, 720, 375});
    cmd_return_list.set_bounds({3420, 3600, 720, 375});
    cmd_return_list_all.set_bounds({4200, 3600, 720, 375});
    Label3.set_bounds({120, 4080, 6600, 255});
    Label1_1.set_bounds({120, 4380, 6600, 255});
    file_album.set_bounds({120, 4635, 6600, 2835});
    pgb.set_bounds({120, 7560, 6600, 255});
    for (Control* c : {static_cast<Control*>(&Label1_0), static_cast<Control*>(&file_lst),
                       static_cast<Control*>(&Label1_1), static_cast<Control*>(&file_album)})
        c->set_font(ms_gothic());

    // Right: the preview above the album options and the buttons that build.
    Frame3.set_bounds({6960, 120, 3480, 2880});
    img_pre.set_bounds({7080, 420, 3240, 2430});
    Frame2.set_bounds({6960, 3120, 3480, 4200});
    Label8.set_bounds({7080, 3420, 3240, 255});
    cmb_pattern.set_bounds({7080, 3705, 3240, 315});
    Label7.set_bounds({7080, 4200, 3240, 255});
    chk_zoom.set_bounds({7200, 4485, 1500, 255});
    chk_link.set_bounds({8760, 4485, 1500, 255});
    chk_date.set_bounds({7200, 4800, 1500, 255});
    chk_file_name.set_bounds({8760, 4800, 1500, 255});
    lbl_border_color.set_bounds({7080, 5340, 720, 255});
    cmb_border_color.set_bounds({7800, 5280, 2520, 315});
    lbl_con_color.set_bounds({7080, 5760, 720, 255});
    cmb_con_color.set_bounds({7800, 5700, 2520, 315});
    cmd_copy_create.set_bounds({7080, 6360, 1560, 435});
    cmd_path_create.set_bounds({8760, 6360, 1560, 435});
    cmd_cancel.set_bounds({9240, 7440, 1200, 375});
}

void AlbumWindow::open() {
    show();
    // Asked again while it works (the menu is still there): the window only comes forward.
    if (busy()) return;
    windows_.main().form().set_window_state(WindowState::minimised);
    load_screenshots();
    fill_colours();
    pgb.set_value(0);
    cmb_pattern.set_list_index(0);
    set_caption(kCaption);
    activate();
}

void AlbumWindow::load_screenshots() {
    // Changes of the folder reach the main lists once these are filled.
    const ScreenshotLists::Hold hold(windows_.main().lists());
    FileList& listing = windows_.main().lists().listing();
    // A folder that has gone lists nothing.
    listing.refresh();
    // The lists keep these records while the main window reads its folder again.
    const std::shared_ptr<const ListedFiles> records = listing.shared_files();

    const Busy busy(*this);
    shots_.assign_none(records);
    album_.assign_none(records);
    file_lst.lines_reset();
    file_album.lines_reset();
    const std::size_t n = records->size();
    Pacer pacer(windows_.platform().clock);
    std::size_t listed = 0;
    for (std::size_t i = 0; i < n; ++i) {
        show_progress(kLoading, static_cast<int>(i + 1), static_cast<int>(n));
        // The list takes what was read so far in one pass, then the window repaints.
        if (i + 1 == n || pacer.due()) {
            shots_.add_records(listed, i + 1);
            listed = i + 1;
            file_lst.lines_reset();
            if (i + 1 < n) windows_.platform().windows.do_events();
        }
    }
}

void AlbumWindow::fill_colours() {
    for (ComboBox* combo : {&cmb_border_color, &cmb_con_color}) {
        combo->clear();
        for (const char* name : kColours) combo->add_item(name);
    }
    cmb_border_color.set_list_index(kLineColourIndex);
    cmb_con_color.set_list_index(kEdgeColourIndex);
}

void AlbumWindow::show_progress(const std::string& prefix, int done, int total) {
    pgb.set_value(static_cast<int>(album_progress(done, total)));
    set_caption(progress_caption(prefix, done, total));
}

void AlbumWindow::let_events_run(Pacer& pacer) {
    if (pacer.due()) windows_.platform().windows.do_events();
}

void AlbumWindow::screenshot_list_clicked() {
    list_clicked(file_lst, cmd_send_list, cmd_send_list_all, cmd_return_list, cmd_return_list_all);
}

void AlbumWindow::album_list_clicked() {
    list_clicked(file_album, cmd_return_list, cmd_return_list_all, cmd_send_list, cmd_send_list_all);
}

void AlbumWindow::list_clicked(ListBox& list, Button& out_one, Button& out_all, Button& in_one, Button& in_all) {
    if (busy()) return;
    out_one.set_enabled(true);
    out_all.set_enabled(true);
    in_one.set_enabled(false);
    in_all.set_enabled(false);
    if (list.list_index() >= 0) preview(order_of(list).record(list.list_index()));
}

void AlbumWindow::preview(const ListedFile& shot) {
    // A screenshot that has gone or cannot be read shows as a blank preview.
    auto picture = decode_jpeg_file(windows_.main().lists().path_of(shot));
    img_pre.set_picture(picture ? std::move(*picture) : Picture{});
}

void AlbumWindow::send_to_album() {
    move_one(file_lst, file_album, cmd_send_list, cmd_send_list_all);
}

void AlbumWindow::return_from_album() {
    move_one(file_album, file_lst, cmd_return_list, cmd_return_list_all);
}

void AlbumWindow::send_all_to_album() {
    move_all(file_lst, file_album, cmd_send_list, cmd_send_list_all, kSending);
}

void AlbumWindow::return_all_from_album() {
    move_all(file_album, file_lst, cmd_return_list, cmd_return_list_all, kReturning);
}

ScreenshotOrder& AlbumWindow::order_of(const ListBox& list) {
    return &list == &file_lst ? shots_ : album_;
}

void AlbumWindow::move_one(ListBox& from, ListBox& to, Button& one, Button& all) {
    const int i = from.list_index();
    if (i < 0) return;
    const int row = order_of(to).take_row(order_of(from), i);
    to.line_inserted(row);
    from.line_removed(i);
    // The line that moved up into the row, or the new last line, as if the user clicked it.
    from.set_list_index(i <= from.count() - 1 ? i : i - 1);
    if (from.count() == 0) {
        one.set_enabled(false);
        all.set_enabled(false);
    }
}

void AlbumWindow::take_into_album(const std::vector<std::string>& names) {
    if (busy()) return;
    int last = -1;
    for (const std::string& name : names) {
        const int row = shots_.find(name);
        if (row < 0) continue;
        last = album_.take_row(shots_, row);
        file_album.line_inserted(last);
        file_lst.line_removed(row);
    }
    if (last < 0) return;
    file_album.set_list_index(last);
    if (file_lst.count() == 0) {
        cmd_send_list.set_enabled(false);
        cmd_send_list_all.set_enabled(false);
    }
}

void AlbumWindow::move_all(ListBox& from, ListBox& to, Button& one, Button& all, const std::string& prefix) {
    const int n = from.count();
    {
        const Busy busy(*this);
        Pacer pacer(windows_.platform().clock);
        int moved = 0;
        for (int i = 0; i < n; ++i) {
            show_progress(prefix, i + 1, n);
            // Lines move in batches between repaints, so each list is rendered once per pass.
            const bool last = i == n - 1;
            if (last || pacer.due()) {
                const int selected = order_of(to).take_first(order_of(from), i + 1 - moved, to.list_index());
                moved = i + 1;
                from.lines_reset();
                // The selected line keeps its highlight wherever the merge moved it.
                to.lines_reset(selected);
                if (!last) windows_.platform().windows.do_events();
            }
        }
    }
    one.set_enabled(false);
    all.set_enabled(false);
    pgb.set_value(0);
    set_caption(kCaption);
}

void AlbumWindow::cancel() {
    hide();
    windows_.main().form().set_window_state(WindowState::normal);
}

bool AlbumWindow::on_close_request() {
    // The window is never destroyed; while it works it stays open until the work is done.
    if (busy()) return true;
    cancel();
    windows_.main().form().activate();
    return true;
}

}  // namespace vis
