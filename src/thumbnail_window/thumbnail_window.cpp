#include "thumbnail_window/thumbnail_window.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <utility>

#include "album_window/album_window.h"
#include "catalogue/screenshot_delete.h"
#include "catalogue/screenshot_lists.h"
#include "core/main_window_parts.h"
#include "services/paths.h"
#include "thumbnails/thumbnail_disk_cache.h"
#include "thumbnails/thumbnail_picture.h"
#include "ui/keys.h"
#include "viewer/viewer_window.h"

namespace vis {

namespace {

constexpr const char* kCaption = "サムネイル一覧";
constexpr int kClientWidth = 15450;  // five cells a row at 96 dpi, with the scroll bar
constexpr int kClientHeight = 11400;
// The top row (the album button and the count) above one row of cells.
constexpr int kMinClientWidth = 6600;
constexpr int kMinClientHeight = 3000;
constexpr int kGridTop = 660;
constexpr int kCountLeft = 2700;

// Thumbnails come from the user's cache folder when they were made before, and are kept there.
ThumbnailDecoder::Decode kept_or_decoded(const Platform& p) {
    const std::string folder = p.cache_folder.empty() ? std::string() : join_path(p.cache_folder, "thumbnails");
    return through_disk_cache(std::make_shared<ThumbnailDiskCache>(p.files, folder), decode_thumbnail_of);
}

}  // namespace

int ThumbnailWindow::MainListItems::count() const {
    return windows_.main().lists().descending().count();
}

int ThumbnailWindow::MainListItems::day(int item) const {
    ScreenshotLists& lists = windows_.main().lists();
    return static_cast<int>(lists.record(lists.descending(), item).saved / 1000000);
}

ThumbKey ThumbnailWindow::MainListItems::key(int item) const {
    ScreenshotLists& lists = windows_.main().lists();
    const ListedFile& file = lists.record(lists.descending(), item);
    return {join_path(lists.listing().folder(), file.name), file.size, file.saved};
}

std::string ThumbnailWindow::MainListItems::line(int item) const {
    return windows_.main().lists().descending().item(item);
}

ThumbnailWindow::ThumbnailWindow(WindowOwner& windows)
    : Form(windows.platform().windows, "ThumbnailWindow", kCaption),
      cmd_album(*this, "cmd_album", "アルバムへ(&A)"),
      lbl_count(*this, "lbl_count"),
      grid(*this, "grid"),
      tmr_follow(*this, "tmr_follow", 300, false),
      tmr_preview(*this, "tmr_preview", kPreviewAfterMs, false),
      windows_(windows),
      items_(windows),
      grid_source_(
          items_, [&ws = windows.platform().windows](std::function<void()> task) { ws.post(std::move(task)); },
          kept_or_decoded(windows.platform())) {
    set_client_size(kClientWidth, kClientHeight);
    set_min_client_size(kMinClientWidth, kMinClientHeight);
    set_border_style(BorderStyle::sizable);
    set_min_button(true);
    set_centred(true);
    cmd_album.set_bounds({120, 120, 2400, 420});
    lay_out();
    on_resize = [this] { lay_out(); };

    cmd_album.on_click = [this] { send_to_album(); };
    grid.on_cell_press = [this](int item, int shift) {
        grid_source_.click(item, shift);
        selection_changed();
    };
    grid.on_cell_double = [this](int item) {
        grid_source_.select_only(item);
        selection_changed();
        open_viewer();
    };
    grid.on_key_down = [this](int key_code, int shift) { grid_key(key_code, shift); };
    tmr_follow.on_timer = [this] { follow_lists(); };
    tmr_preview.on_timer = [this] { preview_in_main(); };
    // The main lists change at once (a delete there, a file gone from the folder); the timer may
    // come later than the next paint or click here.
    grid_source_.before_use = [this] { follow_lists(); };
    on_query_unload = [this] {
        tmr_follow.set_timer_enabled(false);
        if (tmr_preview.timer_enabled()) preview_in_main();
        return false;
    };
    grid_source_.show_in(grid);
}

void ThumbnailWindow::lay_out() {
    lbl_count.set_bounds({kCountLeft, 200, std::max(client_width() - kCountLeft - 120, 0), 300});
    grid.set_bounds({0, kGridTop, client_width(), std::max(client_height() - kGridTop, 0)});
}

void ThumbnailWindow::open() {
    show();
    tmr_follow.set_timer_enabled(true);
    follow_lists();
    follow_main_selection();
    grid.set_focus();
}

void ThumbnailWindow::follow_main_selection() {
    if (choosing_) return;
    ScreenshotLists& lists = windows_.main().lists();
    ListBox& list = lists.in_use();
    const int row = list.list_index();
    if (row < 0) return;
    grid_source_.select_only(&list == &lists.descending() ? row : list.count() - 1 - row);
    selection_changed();
}

void ThumbnailWindow::grid_key(int key_code, int shift) {
    if (key_code == key::kReturn) return open_viewer();
    if (key_code == key::kDelete) return delete_selected();
    // The keys that move the cursor by cell, row, page or to an end; Shift widens the selection.
    static constexpr std::pair<int, GridMove> kMoves[] = {
        {key::kLeft, GridMove::left},  {key::kRight, GridMove::right},    {key::kUp, GridMove::up},
        {key::kDown, GridMove::down},  {key::kPageUp, GridMove::page_up}, {key::kPageDown, GridMove::page_down},
        {key::kHome, GridMove::first}, {key::kEnd, GridMove::last}};
    const auto* move =
        std::find_if(std::begin(kMoves), std::end(kMoves), [key_code](const auto& m) { return m.first == key_code; });
    if (move == std::end(kMoves)) return;
    grid_source_.move(move->second, (shift & shift::kShift) != 0);
    selection_changed();
}

void ThumbnailWindow::selection_changed() {
    const int current = grid_source_.selection().current();
    ScreenshotLists& lists = windows_.main().lists();
    kept_selection_.clear();
    if (current >= 0) kept_selection_.push_back(lists.record(lists.descending(), current).name);
    for (std::string& name : selected_names())
        if (kept_selection_.empty() || name != kept_selection_.front()) kept_selection_.push_back(std::move(name));
    show_count();
    if (current >= 0) choose_in_main(current, false);
}

void ThumbnailWindow::show_count() {
    lbl_count.set_caption(std::to_string(grid_source_.selection().selected_count()) + " / " +
                          std::to_string(items_.count()) + " 枚選択");
}

void ThumbnailWindow::choose_in_main(int item, bool for_viewer) {
    MainWindowParts& main = windows_.main();
    ScreenshotLists& lists = main.lists();
    ListBox& list = lists.in_use();
    const int row = &list == &lists.descending() ? item : list.count() - 1 - item;
    if (lists.busy(list) || row < 0 || row >= list.count()) return;
    choosing_ = true;
    {
        // The main window previews it without taking the focus from here.
        const ScreenshotLists::Busy quiet(lists, list);
        list.set_list_index(row);
    }
    choosing_ = false;
    // A key held in the grid moves the choice many times a second: the main window decodes its
    // full-size preview once the choice rests, not at every step.
    tmr_preview.set_timer_enabled(false);
    if (for_viewer)
        preview_in_main(true);
    else
        tmr_preview.set_timer_enabled(true);
}

void ThumbnailWindow::preview_in_main(bool for_viewer) {
    tmr_preview.set_timer_enabled(false);
    MainWindowParts& main = windows_.main();
    ListBox& list = main.lists().in_use();
    if (list.list_index() < 0 || main.lists().busy(list)) return;
    choosing_ = true;
    if (for_viewer)
        main.show_selected(list);
    else
        main.show_chosen_elsewhere(list);
    choosing_ = false;
}

std::vector<std::string> ThumbnailWindow::selected_names() const {
    std::vector<std::string> names;
    ScreenshotLists& lists = windows_.main().lists();
    for (int item : grid_source_.selection().items()) names.push_back(lists.record(lists.descending(), item).name);
    return names;
}

void ThumbnailWindow::follow_lists() {
    ListBox& descending = windows_.main().lists().descending();
    if (descending.lines_revision() == lines_seen_) return;
    lines_seen_ = descending.lines_revision();
    ScreenshotLists& lists = windows_.main().lists();
    std::vector<int> still_there;
    for (const std::string& name : kept_selection_) {
        const int row = lists.row_of(descending, name);
        if (row >= 0) still_there.push_back(row);
    }
    grid_source_.items_changed(still_there);
    show_count();
}

void ThumbnailWindow::delete_selected() {
    follow_lists();
    MainWindowParts& main = windows_.main();
    ScreenshotLists& lists = main.lists();
    const Platform& p = windows_.platform();
    if (delete_screenshots(p.prompts, p.files, lists, selected_names(), *this).empty()) return;
    follow_lists();
    main.show_remaining(lists.in_use());
}

void ThumbnailWindow::send_to_album() {
    follow_lists();
    const std::vector<std::string> names = selected_names();
    if (names.empty()) return;
    AlbumWindow& album = windows_.get<AlbumWindow>();
    if (!album.visible()) album.open();
    album.take_into_album(names);
}

void ThumbnailWindow::open_viewer() {
    follow_lists();
    const int current = grid_source_.selection().current();
    if (current < 0) return;
    choose_in_main(current, true);
    MainWindowParts& main = windows_.main();
    // A screenshot whose picture cannot be shown is described in the main window; nothing to view.
    if (main.preview_picture().empty()) return;
    windows_.get<ViewerWindow>().show_full(true);
}

}  // namespace vis
