// The thumbnail window over real screenshots: what the grid shows and when, the selection it
// shares with the main window, Delete on several over a file system that refuses one, the album,
// and a folder that changes while it is open.
#include "thumbnail_window/thumbnail_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "catalogue/screenshot_watch.h"
#include "services/paths.h"
#include "support/album_surface.h"
#include "support/ink_jpeg.h"
#include "support/temp_folder.h"
#include "support/thumbnail_surface.h"
#include "thumbnails/thumbnail_file.h"
#include "ui/keys.h"
#include "viewer_fixture.h"

namespace vis {
namespace {

using test::shot_name;

// A started program over `n` screenshots a minute apart with its thumbnail window open at
// 1008 x 600 pixels (five cells a row), every thumbnail on screen decoded.
struct Thumbs {
    test::App app;
    std::optional<test::ThumbnailSurface> w;

    explicit Thumbs(int n, const std::function<void(test::App&)>& before = {}) {
        app.folders.write_settings("1", "0");
        test::add_viewer_shots(app, n);
        if (before) before(app);
        app.start();
        main().choose_menu(test::entry::kThumbnails);
        w.emplace(test::win<ThumbnailWindow>(*app.form), app.plat.windows);
        w->view_resized(1008, 600);
    }
    test::MainSurface main() { return app.main(); }
    std::string line_of(int item) { return main().newest_first().at(static_cast<std::size_t>(item)); }
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
    EXPECT_TRUE(t.w->shown());
    EXPECT_EQ(t.w->caption(), "サムネイル一覧");
    const std::vector<std::string> texts = t.w->texts();
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0], t.line_of(0).substr(0, 10) + " (4 枚)");
    EXPECT_EQ(texts[1], t.line_of(0).substr(11, 8));  // the newest's time under it
    // Nothing is drawn before it came through the window's thread.
    EXPECT_EQ(t.w->looks(), std::vector<Look>(4, Look::waiting));
    t.w->settle();
    EXPECT_EQ(t.w->looks(), (std::vector<Look>{Look::ready, Look::ready, Look::unreadable, Look::ready}));
    // Kept in the cache folder's packs for the next time, but for the damaged one.
    std::size_t kept = 0;
    for (const auto& entry : std::filesystem::directory_iterator(to_fs_path(join_path(cache, "thumbnails"))))
        if (entry.path().extension() == ".pack")
            kept += whole_thumbnail_records(test::read_file(from_fs_path(entry.path()))).size();
    EXPECT_EQ(kept, 3u);
    // The window opened on the main list's choice (the oldest, its first line).
    EXPECT_EQ(t.w->selected(), std::vector<int>{3});
    EXPECT_EQ(t.w->spoken(), t.line_of(3));

    t.w->click(1);
    EXPECT_EQ(t.main().chosen_line(), t.line_of(1));
    t.app.plat.windows.advance(ThumbnailWindow::kPreviewAfterMs);
    ASSERT_FALSE(t.main().preview().empty());
    EXPECT_EQ(t.main().preview().pixel(10, 10) & 0xFFFFFF, 0xFF0000u);
}

TEST(ThumbnailWindow, SelectionIsSharedWithTheMainWindowAndKeysMoveByCellAndRow) {
    Thumbs t(12);
    test::ThumbnailSurface& w = *t.w;
    w.click(1);
    w.click(3, shift::kCtrl);
    w.click(6, shift::kCtrl | shift::kShift);
    EXPECT_EQ(w.selected(), (std::vector<int>{1, 3, 4, 5, 6}));
    EXPECT_EQ(t.main().chosen_line(), t.line_of(6));
    EXPECT_EQ(w.count_text(), "5 / 12 枚選択");
    w.press(key::kUp);
    EXPECT_EQ(w.selected(), std::vector<int>{1});
    w.press(key::kDown, shift::kShift);
    EXPECT_EQ(w.selected(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    w.press(key::kEnd);
    EXPECT_EQ(t.main().chosen_line(), t.line_of(11));
    // A key held through the grid: the main list follows each step, its full-size preview only
    // the step the choice rests on (item k, newest first, is shot 11 - k).
    const auto previewed = [&](int item) { return t.main().preview_width() == test::shot_width(11 - item); };
    t.app.plat.windows.advance(ThumbnailWindow::kPreviewAfterMs);
    EXPECT_TRUE(previewed(11));
    for (int step = 0; step < 5; ++step) {
        w.press(key::kLeft);
        t.app.plat.windows.advance(ThumbnailWindow::kPreviewAfterMs / 4);
        EXPECT_EQ(t.main().chosen_line(), t.line_of(10 - step));
        EXPECT_TRUE(previewed(11));
    }
    t.app.plat.windows.advance(ThumbnailWindow::kPreviewAfterMs);
    EXPECT_TRUE(previewed(6));

    // A click in the main list selects its screenshot here, alone.
    t.main().choose(4);  // oldest first: item 7
    EXPECT_EQ(w.selected(), std::vector<int>{7});
    EXPECT_EQ(w.spoken(), t.line_of(7));

    w.press(key::kReturn);
    EXPECT_TRUE(t.main().viewer_open());
    EXPECT_EQ(t.main().chosen_line(), t.line_of(7));
}

TEST(ThumbnailWindow, DeleteOnSeveralAsksOnceDeletesExactlyThoseAndNamesTheOneThatStayed) {
    Thumbs t(6);
    test::ThumbnailSurface& w = *t.w;
    t.app.plat.files.locked = shot_name(3);  // item 2: newest first, item k is shot 5 - k
    w.click(1);
    w.click(3, shift::kShift);
    w.click(5, shift::kCtrl);
    t.app.plat.prompts.answer_message(MsgResult::yes);
    t.app.plat.prompts.answer_message(MsgResult::ok);
    w.press(key::kDelete);

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
    EXPECT_EQ(t.main().count(), 3);
    EXPECT_EQ(w.cells(), 3);
    // The one that stayed is still selected.
    EXPECT_EQ(w.selected_names(), std::vector<std::string>{shot_name(3)});

    // No keeps everything.
    t.app.plat.prompts.answer_message(MsgResult::no);
    w.press(key::kDelete);
    EXPECT_EQ(t.main().count(), 3);
}

// A screenshot deleted in the main window, or gone from the folder, before the window's follow
// timer came round: the next paint, click, key or command of the grid already knows, and no cell
// stands for a line that has gone.
TEST(ThumbnailWindow, ALineGoneFromTheMainListLeavesNoCellBehind) {
    const struct {
        const char* what;
        std::function<void(test::ThumbnailSurface&)> use;
    } uses[] = {
        {"paint", [](test::ThumbnailSurface& w) { EXPECT_EQ(w.looks().size(), 2u); }},
        {"click", [](test::ThumbnailSurface& w) { w.click(1); }},
        {"key", [](test::ThumbnailSurface& w) { w.press(key::kEnd); }},
        {"album", [](test::ThumbnailSurface& w) { w.send_to_album(); }},
        {"delete", [](test::ThumbnailSurface& w) { w.press(key::kDelete); }},
    };
    for (const auto& use : uses) {
        SCOPED_TRACE(use.what);
        Thumbs t(3);
        t.w->click(2);  // the oldest, last on screen
        t.w->settle();
        // Deleted from the main list: the oldest goes, the grid has not been told.
        test::MainSurface m = t.main();
        m.choose(m.order_shown() == "newest first" ? 2 : 0);
        m.delete_chosen();
        ASSERT_EQ(m.count(), 2);

        use.use(*t.w);
        EXPECT_EQ(t.w->cells(), 2);
        const std::vector<std::string> texts = t.w->texts();
        ASSERT_EQ(texts.size(), 3u);
        EXPECT_EQ(texts[0], t.line_of(0).substr(0, 10) + " (2 枚)");
        EXPECT_EQ(texts[2], t.line_of(1).substr(11, 8));
    }
}

// The player sizes the window (the system reports the client area): the grid fills it below the
// top row, its rows reflow to as many cells as its view holds, and the selected thumbnail, far
// down the grid, stays in sight.
TEST(ThumbnailWindow, ResizedTheGridFillsTheWindowAndKeepsTheSelectedInSight) {
    Thumbs t(60);
    test::ThumbnailSurface& w = *t.w;
    EXPECT_EQ(w.window().border_style(), BorderStyle::sizable);
    EXPECT_EQ(w.window().min_client_width(), 6600);  // the top row and two cells
    EXPECT_EQ(w.window().min_client_height(), 3000);
    w.window().thumbnails().select_only(37);
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
        w.resize(size.width, size.height);
        EXPECT_EQ(w.grid_box(), (Rect{0, 660, size.width, size.height - 660}));
        EXPECT_EQ(w.count_box(), (Rect{2700, 200, size.width - 2820, 300}));
        // The grid's view: its bounds at 96 dpi less the scroll bar, as the systems report it.
        w.view_resized(size.width / 15 - 17, (size.height - 660) / 15);
        EXPECT_EQ(w.columns(), size.columns);
        EXPECT_EQ(w.scroll_top(), w.laid_out_top());
        EXPECT_TRUE(w.in_sight(37));
        EXPECT_EQ(w.selected(), std::vector<int>{37});
    }
}

TEST(ThumbnailWindow, AlbumTakesTheSelectedAndTheGridFollowsTheFolder) {
    Thumbs t(5);
    test::ThumbnailSurface& w = *t.w;
    w.click(0);
    w.click(2, shift::kCtrl);
    w.send_to_album();
    test::AlbumSurface album(test::win<AlbumWindow>(*t.app.form));
    EXPECT_TRUE(album.shown());
    EXPECT_EQ(album.album(), (std::vector<std::string>{t.line_of(2), t.line_of(0)}));
    EXPECT_EQ(album.screenshots().size(), 3u);

    // A new screenshot comes while the window is open; the selection stays on its files.
    const std::vector<std::string> before = w.selected_names();
    t.app.folders.add_shot(shot_name(9), test::viewer_local_time(9), 64, 48);
    t.app.plat.folder_watch.report({shot_name(9)});
    t.app.plat.windows.advance(2 * ScreenshotWatch::kTickMs + 400);
    EXPECT_EQ(w.cells(), 6);
    EXPECT_EQ(w.selected_names(), before);
    EXPECT_EQ(w.count_text(), "2 / 6 枚選択");
}

}  // namespace
}  // namespace vis
