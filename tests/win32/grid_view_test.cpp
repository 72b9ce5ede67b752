// The picture grid on Windows: drawn from its source's pieces, presses, scrolling and the view's
// size handed back, the current cell's line as the window's text for screen readers; and a task
// posted from a worker thread runs on the windows' thread.
#include <thread>
#include <vector>

#include "backend_fixture.h"
#include "support/two_cells.h"
#include "ui/keys.h"

namespace vis::win32 {
namespace {

class GridBackend : public Win32Backend {
protected:
    GridBackend() {
        form.set_client_size(6000, 3000);
        grid.set_bounds({0, 0, 6000, 3000});
        grid.set_source(&cells);
        grid.on_cell_press = [this](int item, int shift) { presses.emplace_back(item, shift); };
        grid.on_cell_double = [this](int item) { doubles.push_back(item); };
    }
    TwoCells cells;
    PictureGrid grid{form, "grid"};
    std::vector<std::pair<int, int>> presses;
    std::vector<int> doubles;
};

TEST_F(GridBackend, DrawsItsPiecesAndHandsBackPressesScrollingAndSize) {
    show();
    const HWND hwnd = hwnd_of(grid);
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(grid.view_width(), client.right);
    EXPECT_EQ(grid.view_height(), client.bottom);

    UpdateWindow(hwnd);
    HDC dc = GetDC(hwnd);
    EXPECT_EQ(GetPixel(dc, 60, 40), RGB(255, 0, 0));
    EXPECT_NE(GetPixel(dc, 180, 40), GetPixel(dc, 150, 40));  // the cross through the unreadable one
    ReleaseDC(hwnd, dc);

    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(180, 40));
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(120, 40));  // between the cells
    SendMessageW(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(60, 40));
    EXPECT_EQ(presses, (std::vector<std::pair<int, int>>{{1, shift::kCtrl}}));
    EXPECT_EQ(doubles, std::vector<int>{0});

    grid.set_spoken("2006/11/05 01:09:15 │ PelmarOnline_2006115_01715.jpg");
    grid.set_scroll_top(300);
    windows.render();
    EXPECT_EQ(text_of(hwnd), grid.spoken());
    EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), 300);
    SendMessageW(hwnd, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(grid.scroll_top(), 300 + client.bottom);
}

TEST_F(GridBackend, ATaskPostedFromAWorkerRunsOnTheWindowsThread) {
    DWORD ran_on = 0;
    std::thread worker([&] { windows.post([&] { ran_on = GetCurrentThreadId(); }); });
    worker.join();
    for (int i = 0; i < 200 && ran_on == 0; ++i) {
        windows.do_events();
        Sleep(5);
    }
    EXPECT_EQ(ran_on, GetCurrentThreadId());
}

}  // namespace
}  // namespace vis::win32
