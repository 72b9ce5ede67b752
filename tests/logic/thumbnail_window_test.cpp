// The thumbnail window over real screenshots: what the grid shows and when, the selection it
// shares with the main window, Delete on several over a file system that refuses one, the album,
// and a folder that changes while it is open.
#include "thumbnail_window/thumbnail_window.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "album_window/album_window.h"
#include "catalogue/screenshot_watch.h"
#include "services/paths.h"
#include "support/ink_jpeg.h"
#include "ui/keys.h"
#include "viewer/viewer_window.h"
#include "viewer_fixture.h"

namespace vis {
namespace {

using test::shot_name;

// A started program over `n` screenshots a minute apart with its thumbnail window open at
// 1008 x 600 pixels (five cells a row), every thumbnail on screen decoded.
struct Thumbs {
    test::App app;
    MainWindow* f = nullptr;
    ThumbnailWindow* w = nullptr;

    explicit Thumbs(int n, const std::function<void(test::App&)>& before = {}) {
        app.folders.write_settings("1", "0");
        test::add_viewer_shots(app, n);
        if (before) before(app);
        f = &app.start();
        test::click_menu(f->mThumbnails);
        w = &test::win<ThumbnailWindow>(*f);
        w->grid.view_resized(1008, 600, 1.0);
    }
    void settle() {
        w->thumbnails().thumbnails().decoder().wait_idle();
        app.plat.windows.run_posted();
    }
    void click(int item, int shift = 0) {
        const PixelRect r = w->thumbnails().view().layout().cell(item);
        w->grid.press(r.left + r.width / 2, r.top + r.height / 2, shift);
    }
    void key(int code, int shift = 0) { test::press_key(*w, code, shift); }
    std::vector<int> selected() const { return w->thumbnails().selection().items(); }
    // The looks of the cells on screen, in item order.
    std::vector<GridPiece::Look> looks() const {
        std::vector<GridPiece::Look> got;
        for (const GridPiece& p : w->thumbnails().pieces(w->grid.scroll_top(), w->grid.scroll_top() + 600))
            if (p.kind == GridPiece::Kind::cell) got.push_back(p.look);
        return got;
    }
    std::string main_line() {
        const ListBox& list = f->lists().in_use();
        return list.list_index() < 0 ? std::string() : list.item(list.list_index());
    }
    std::string line_of(int item) const { return f->file_sort.item(item); }
};

using Look = GridPiece::Look;

TEST(ThumbnailWindow, OpensNewestFirstAndDrawsEachThumbnailOnlyWhenItCame) {
    // The real disk, as the decoders write their thumbnails side by side.
    test::SystemFileSystem disk;
    std::string cache;
    // Shot 1 is damaged; shot 2 is in printers' inks, which the preview shows in colour too.
    Thumbs t(4, [&](test::App& app) {
        cache = join_path(app.folders.root.path(), "cache");
        app.plat.cache_folder = cache;
        app.plat.use(disk);
        const std::string damaged = join_path(app.folders.shots, shot_name(1));
        const std::string inks = join_path(app.folders.shots, shot_name(2));
        test::write_file(damaged, "not a picture");
        std::vector<test::Inks> red(48 * 27, test::Inks{255, 0, 0, 255});
        test::write_file(inks, test::ink_jpeg(48, 27, red, false));
        test::set_modified(damaged, test::viewer_local_time(1));
        test::set_modified(inks, test::viewer_local_time(2));
    });
    EXPECT_TRUE(t.w->visible());
    EXPECT_EQ(t.w->caption(), "サムネイル一覧");
    const auto pieces = t.w->thumbnails().pieces(0, 600);
    ASSERT_EQ(pieces.size(), 5u);
    EXPECT_EQ(pieces[0].text, t.line_of(0).substr(0, 10) + " (4 枚)");
    EXPECT_EQ(pieces[1].text, t.line_of(0).substr(11, 8));  // the newest's time under it
    // Nothing is drawn before it came through the window's thread.
    EXPECT_EQ(t.looks(), std::vector<Look>(4, Look::waiting));
    t.settle();
    EXPECT_EQ(t.looks(), (std::vector<Look>{Look::ready, Look::ready, Look::unreadable, Look::ready}));
    // Kept in the cache folder for the next time, but for the damaged one.
    int kept = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(to_fs_path(join_path(cache, "thumbnails"))))
        kept += entry.path().extension() == ".thumb";
    EXPECT_EQ(kept, 3);
    // The window opened on the main list's choice (the oldest, its first line).
    EXPECT_EQ(t.selected(), std::vector<int>{3});
    EXPECT_EQ(t.w->grid.spoken(), t.line_of(3));

    t.click(1);
    EXPECT_EQ(t.main_line(), t.line_of(1));
    t.app.plat.windows.advance(ThumbnailWindow::kPreviewAfterMs);
    ASSERT_FALSE(t.f->preview_picture().empty());
    EXPECT_EQ(t.f->preview_picture().pixel(10, 10) & 0xFFFFFF, 0xFF0000u);
}

TEST(ThumbnailWindow, SelectionIsSharedWithTheMainWindowAndKeysMoveByCellAndRow) {
    Thumbs t(12);
    t.click(1);
    t.click(3, shift::kCtrl);
    t.click(6, shift::kCtrl | shift::kShift);
    EXPECT_EQ(t.selected(), (std::vector<int>{1, 3, 4, 5, 6}));
    EXPECT_EQ(t.main_line(), t.line_of(6));
    EXPECT_EQ(t.w->lbl_count.caption(), "5 / 12 枚選択");
    t.key(key::kUp);
    EXPECT_EQ(t.selected(), std::vector<int>{1});
    t.key(key::kDown, shift::kShift);
    EXPECT_EQ(t.selected(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    t.key(key::kEnd);
    EXPECT_EQ(t.main_line(), t.line_of(11));
    // A key held through the grid: the main list follows each step, its full-size preview only
    // the step the choice rests on.
    t.app.plat.windows.advance(ThumbnailWindow::kPreviewAfterMs);
    for (int step = 0; step < 5; ++step) {
        t.key(key::kLeft);
        t.app.plat.windows.advance(ThumbnailWindow::kPreviewAfterMs / 4);
        EXPECT_EQ(t.main_line(), t.line_of(10 - step));
        EXPECT_TRUE(t.f->preview_picture().empty());
    }
    t.app.plat.windows.advance(ThumbnailWindow::kPreviewAfterMs);
    EXPECT_FALSE(t.f->preview_picture().empty());

    // A click in the main list selects its screenshot here, alone.
    test::click_row(t.f->lists().in_use(), 4);  // oldest first: item 7
    EXPECT_EQ(t.selected(), std::vector<int>{7});
    EXPECT_EQ(t.w->grid.spoken(), t.line_of(7));

    t.key(key::kReturn);
    ViewerWindow& viewer = test::win<ViewerWindow>(*t.f);
    EXPECT_TRUE(viewer.visible());
    EXPECT_EQ(t.main_line(), t.line_of(7));
}

TEST(ThumbnailWindow, DeleteOnSeveralAsksOnceDeletesExactlyThoseAndNamesTheOneThatStayed) {
    Thumbs t(6);
    t.app.plat.files.locked = shot_name(3);  // item 2: newest first, item k is shot 5 - k
    t.click(1);
    t.click(3, shift::kShift);
    t.click(5, shift::kCtrl);
    t.app.plat.prompts.answer_message(MsgResult::yes);
    t.app.plat.prompts.answer_message(MsgResult::ok);
    t.key(key::kDelete);

    const auto& asked = t.app.plat.prompts.asked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].box.text, "選択した 4 個のスクリーンショットを削除しますか？");
    EXPECT_EQ(asked[0].box.title, "削除");
    EXPECT_EQ(asked[0].box.buttons, MsgButtons::yes_no);
    EXPECT_EQ(
        asked[1].box.text,
        "次のスクリーンショットを削除できませんでした。\r\nファイルが使用中か、書き込みが禁止されています。\r\n\r\n" +
            shot_name(3));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(file_exists(join_path(t.app.folders.shots, shot_name(i))), i == 1 || i == 3 || i == 5) << i;
    EXPECT_EQ(t.f->file_lst.count(), 3);
    EXPECT_EQ(t.w->thumbnails().view().layout().count(), 3);
    // The one that stayed is still selected.
    EXPECT_EQ(t.w->selected_names(), std::vector<std::string>{shot_name(3)});

    // No keeps everything.
    t.app.plat.prompts.answer_message(MsgResult::no);
    t.key(key::kDelete);
    EXPECT_EQ(t.f->file_lst.count(), 3);
}

// A screenshot deleted in the main window, or gone from the folder, before the window's follow
// timer came round: the next paint, click, key or command of the grid already knows, and no cell
// stands for a line that has gone.
TEST(ThumbnailWindow, ALineGoneFromTheMainListLeavesNoCellBehind) {
    const struct {
        const char* what;
        std::function<void(Thumbs&)> use;
    } uses[] = {
        {"paint", [](Thumbs& t) { EXPECT_EQ(t.looks().size(), 2u); }},
        {"click", [](Thumbs& t) { t.click(1); }},
        {"key", [](Thumbs& t) { t.key(key::kEnd); }},
        {"album", [](Thumbs& t) { test::click(t.w->cmd_album); }},
        {"delete", [](Thumbs& t) { t.key(key::kDelete); }},
    };
    for (const auto& use : uses) {
        SCOPED_TRACE(use.what);
        Thumbs t(3);
        t.click(2);  // the oldest, last on screen
        t.settle();
        // Deleted from the main list: the oldest goes, the grid has not been told.
        ListBox& list = t.f->lists().in_use();
        test::click_row(list, &list == &t.f->file_sort ? 2 : 0);
        t.app.plat.prompts.answer_message(MsgResult::yes);
        test::press_key(*t.f, key::kDelete);
        ASSERT_EQ(list.count(), 2);

        use.use(t);
        EXPECT_EQ(t.w->thumbnails().view().layout().count(), 2);
        const auto pieces = t.w->thumbnails().pieces(0, 600);
        ASSERT_EQ(pieces.size(), 3u);
        EXPECT_EQ(pieces[0].text, t.line_of(0).substr(0, 10) + " (2 枚)");
        EXPECT_EQ(pieces[2].text, t.line_of(1).substr(11, 8));
    }
}

// The player sizes the window (the system reports the client area): the grid fills it below the
// top row, its rows reflow to as many cells as its view holds, and the selected thumbnail, far
// down the grid, stays in sight.
TEST(ThumbnailWindow, ResizedTheGridFillsTheWindowAndKeepsTheSelectedInSight) {
    Thumbs t(60);
    EXPECT_EQ(t.w->border_style(), BorderStyle::sizable);
    EXPECT_EQ(t.w->min_client_width(), 6600);  // the top row and two cells
    EXPECT_EQ(t.w->min_client_height(), 3000);
    t.w->thumbnails().select_only(37);
    const struct {
        int width, height;  // the client area in twips
        int columns;
    } sizes[] = {
        {28800, 15300, 9},  // maximised on 1920 x 1080
        {6600, 3000, 2},    // the least
        {12300, 9000, 3},
        {15450, 11400, 5},  // back to the size it opens at
    };
    for (const auto& size : sizes) {
        SCOPED_TRACE(size.width);
        t.w->client_resized(size.width, size.height);
        EXPECT_EQ(t.w->grid.bounds(), (Rect{0, 660, size.width, size.height - 660}));
        EXPECT_EQ(t.w->lbl_count.bounds(), (Rect{2700, 200, size.width - 2820, 300}));
        // The grid's view: its bounds at 96 dpi less the scroll bar, as the systems report it.
        t.w->grid.view_resized(size.width / 15 - 17, (size.height - 660) / 15, 1.0);
        const ThumbnailView& view = t.w->thumbnails().view();
        EXPECT_EQ(view.layout().columns(), size.columns);
        EXPECT_EQ(t.w->grid.scroll_top(), view.top());
        const auto [first, last] = view.visible();
        EXPECT_TRUE(first <= 37 && 37 < last) << first << ".." << last;
        EXPECT_EQ(t.selected(), std::vector<int>{37});
    }
}

TEST(ThumbnailWindow, AlbumTakesTheSelectedAndTheGridFollowsTheFolder) {
    Thumbs t(5);
    t.click(0);
    t.click(2, shift::kCtrl);
    test::click(t.w->cmd_album);
    AlbumWindow& album = test::win<AlbumWindow>(*t.f);
    EXPECT_TRUE(album.visible());
    EXPECT_EQ(album.file_album.items(), (std::vector<std::string>{t.line_of(2), t.line_of(0)}));
    EXPECT_EQ(album.file_lst.count(), 3);

    // A new screenshot comes while the window is open; the selection stays on its files.
    const std::vector<std::string> before = t.w->selected_names();
    t.app.folders.add_shot(shot_name(9), test::viewer_local_time(9), 64, 48);
    t.app.plat.folder_watch.report({shot_name(9)});
    t.app.plat.windows.advance(2 * ScreenshotWatch::kTickMs + 400);
    EXPECT_EQ(t.w->thumbnails().view().layout().count(), 6);
    EXPECT_EQ(t.w->selected_names(), before);
    EXPECT_EQ(t.w->lbl_count.caption(), "2 / 6 枚選択");
}

}  // namespace
}  // namespace vis
