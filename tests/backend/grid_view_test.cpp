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

TEST_F(BackendTest, ATaskPostedFromAWorkerRunsOnTheWindowsThread) {
    std::thread::id ran_on;
    std::thread worker([&] { windows.post([&] { ran_on = std::this_thread::get_id(); }); });
    worker.join();
    ASSERT_TRUE(driver->run_until([&] { return ran_on != std::thread::id(); }));
    EXPECT_EQ(ran_on, std::this_thread::get_id());
}

}  // namespace
}  // namespace vis::test
