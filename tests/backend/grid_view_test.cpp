// The picture grid on each system: drawn from its source's pieces, presses, scrolling and the
// view's size handed back, the current cell's line told to screen readers; and a task posted from
// a worker thread runs on the windows' thread.
#include <thread>
#include <utility>
#include <vector>

#include "backend/backend_driver.h"
#include "support/two_cells.h"
#include "ui/form.h"
#include "ui/keys.h"
#include "ui/picture_grid.h"

namespace vis::test {
namespace {

struct GridForm : Form {
    explicit GridForm(WindowSystem& ws) : Form(ws, "ThumbnailWindow", "サムネイル一覧") {
        set_client_size(6000, 3000);
        grid.set_bounds({0, 0, 6000, 3000});
        grid.set_source(&cells);
        grid.on_cell_press = [this](int item, int shift) { presses.emplace_back(item, shift); };
        grid.on_cell_double = [this](int item) { doubles.push_back(item); };
    }
    TwoCells cells;
    PictureGrid grid{*this, "grid"};
    std::vector<std::pair<int, int>> presses;
    std::vector<int> doubles;
};

TEST_F(BackendTest, PictureGridDrawsItsPiecesAndHandsBackPressesScrollingAndSize) {
    GridForm form(windows);
    form.show();
    ASSERT_TRUE(driver->run_until([&] { return form.grid.view_width() > 0; }));
    const ViewPoint view = driver->client_size(form.grid);
    EXPECT_EQ(form.grid.view_width(), view.x);
    EXPECT_EQ(form.grid.view_height(), view.y);

    EXPECT_EQ(driver->pixel(form.grid, {60, 40}), 0xFF0000u);
    // The unreadable cell's cross passes through its picture box's centre.
    EXPECT_NE(driver->pixel(form.grid, {180, 40}), driver->pixel(form.grid, {150, 40}));

    driver->press(form.grid, {180, 40}, button::kLeft, shift::kCtrl);
    driver->press(form.grid, {120, 40}, button::kLeft);  // between the cells
    driver->press(form.grid, {180, 40}, button::kRight);
    driver->double_click(form.grid, {60, 40});
    EXPECT_EQ(form.presses, (std::vector<std::pair<int, int>>{{1, shift::kCtrl}, {0, 0}}));
    EXPECT_EQ(form.doubles, std::vector<int>{0});

    form.grid.set_spoken("2006/11/05 01:09:15 │ PelmarOnline_2006115_01715.jpg");
    // The program scrolls it; the user's scroll comes back.
    form.grid.set_scroll_top(300);
    windows.do_events();
    EXPECT_EQ(driver->spoken(form.grid), form.grid.spoken());
    EXPECT_EQ(driver->scroll_position(form.grid), 300);
    driver->page_down(form.grid);
    EXPECT_EQ(form.grid.scroll_top(), 300 + view.y);
    EXPECT_EQ(driver->scroll_position(form.grid), 300 + view.y);
}

// A day's header above a cell whose caption is the same text.
struct HeaderOverCaption : GridSource {
    static constexpr const char* kText = "2006/11/05 (28 枚)";
    int content_height() const override { return 200; }
    std::vector<GridPiece> pieces(int, int) override {
        GridPiece header;
        header.kind = GridPiece::Kind::header;
        header.rect = {0, 0, 300, 30};
        header.text = kText;
        GridPiece cell;
        cell.rect = {0, 40, 300, 50};
        cell.picture_height = 20;
        cell.text = kText;
        return {header, cell};
    }
    int item_at(int, int) const override { return -1; }
};

TEST_F(BackendTest, AGridsDayHeadersAreBolderThanItsCaptions) {
    HeaderOverCaption source;
    GridForm form(windows);
    form.grid.set_source(&source);
    form.show();
    ASSERT_TRUE(driver->run_until([&] { return form.grid.view_width() > 0; }));
    const auto ink = [&](int top, int bottom) {
        int dark = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < 300; ++x) {
                const std::uint32_t rgb = driver->pixel(form.grid, {x, y});
                dark += ((rgb >> 16 & 0xFF) + (rgb >> 8 & 0xFF) + (rgb & 0xFF)) < 3 * 128;
            }
        return dark;
    };
    const int header = ink(0, 30), caption = ink(60, 90);
    EXPECT_GT(caption, 30);
    EXPECT_GT(header * 10, caption * 12) << "header " << header << ", caption " << caption;
}

TEST_F(BackendTest, ATaskPostedFromAWorkerRunsOnTheWindowsThread) {
    std::thread::id ran_on;
    std::thread worker([&] { windows.post([&] { ran_on = std::this_thread::get_id(); }); });
    worker.join();
    ASSERT_TRUE(driver->run_until([&] { return ran_on != std::thread::id(); }));
    EXPECT_EQ(ran_on, std::this_thread::get_id());
}

}  // namespace
}  // namespace vis::test
