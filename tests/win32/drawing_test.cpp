// What the Win32 backend draws itself: a canvas kept inside its frame, lines over what lies
// beneath them, the program's icons on graphical buttons, and the editor's pointer. Pixels are
// read back from the form's window after it painted.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "backend/tool_icon.h"
#include "services/paths.h"
#include "support/stored_png_bytes.h"
#include "support/temp_folder.h"
#include "ui/form.h"
#include "win32/control_view.h"
#include "win32/form_window.h"
#include "win32/line_pixels.h"
#include "win32/wide.h"
#include "win32/win32_window_system.h"

namespace vis::win32 {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

class Win32Drawing : public ::testing::Test {
protected:
    Win32Drawing() {
        const std::string data = join_path(root.path(), "data");
        CreateDirectoryW(widen(data).c_str(), nullptr);
        test::write_file(join_path(data, "tool.png"), test::rgba_png_bytes(16, 16, test::tool_icon()));
        form.set_back_colour(rgb(255, 255, 255));
        form.set_client_size(3000, 3000);
    }

    FormWindow& window() { return *windows->window_of(&form); }
    HWND hwnd_of(const Control& c) { return window().view_of(c)->hwnd(); }
    void show() {
        form.show();
        windows->render();
        RedrawWindow(window().hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    // The colour on screen at a point of the form's client area, in pixels.
    COLORREF at(int x, int y) {
        HDC dc = GetDC(window().hwnd());
        const COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(window().hwnd(), dc);
        return c;
    }
    int count_of(COLORREF colour, const RECT& area) {
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) n += at(x, y) == colour ? 1 : 0;
        return n;
    }

    test::TempFolder root;
    std::unique_ptr<Win32WindowSystem> windows = std::make_unique<Win32WindowSystem>(root.path());
    Form form{*windows, "F", "描画"};
};

Picture solid_picture(int width, int height, std::uint32_t colour) {
    Picture p;
    p.width = width;
    p.height = height;
    p.pixels = std::make_shared<std::vector<std::uint32_t>>(static_cast<std::size_t>(width * height), colour);
    return p;
}

TEST(LinePixels, CoverTheLineFromEndToEnd) {
    struct Case {
        int x0, y0, x1, y1, pen;
        std::vector<PixelRun> runs;
    };
    const Case cases[] = {
        {0, 0, 4, 0, 1, {{0, 0, 5}}},
        {0, 0, 3, 3, 1, {{0, 0, 1}, {1, 1, 1}, {2, 2, 1}, {3, 3, 1}}},
        {0, 3, 3, 0, 1, {{0, 3, 1}, {1, 2, 1}, {2, 1, 1}, {3, 0, 1}}},
        {0, 0, 4, 2, 1, {{0, 0, 1}, {1, 1, 2}, {3, 2, 2}}},
        {2, 2, 2, 2, 1, {{2, 2, 1}}},
        // An odd pen is centred on the pixels, an even one between them: either covers `pen` rows.
        {1, 1, 5, 1, 3, {{0, 0, 7}, {0, 1, 7}, {0, 2, 7}}},
        {1, 1, 5, 1, 2, {{0, 0, 6}, {0, 1, 6}}},
        // Round ends: the corners of a wide dot stay empty.
        {2, 2, 2, 2, 5, {{1, 0, 3}, {0, 1, 5}, {0, 2, 5}, {0, 3, 5}, {1, 4, 3}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(line_pixels(c.x0, c.y0, c.x1, c.y1, c.pen), c.runs)
            << c.x0 << "," << c.y0 << " to " << c.x1 << "," << c.y1 << " pen " << c.pen;
}

// The editor's viewport: a frame holding a larger canvas at its own size. The canvas covers the
// frame's border wherever the navigator scrolls it, and nothing of it shows outside the frame.
TEST_F(Win32Drawing, ACanvasInAFrameCoversItsBorderAndStaysInsideItWhenScrolled) {
    Frame viewport(form, "frm_pct", "");
    viewport.set_bounds({150, 150, 1500, 1500});
    PictureBox canvas(form, "pct_ss");
    canvas.set_container(viewport);
    canvas.set_bounds({0, 0, 3000, 3000});
    canvas.set_picture(solid_picture(200, 200, 0x0000FFu));
    const COLORREF blue = RGB(0, 0, 255);
    for (const int offset : {0, -450}) {
        canvas.move(offset, offset);
        show();
        // The frame spans pixels 10 to 109, its border and caption line included.
        EXPECT_EQ(count_of(blue, {10, 10, 110, 110}), 100 * 100) << offset;
        EXPECT_EQ(at(9, 60), kWhite) << offset;
        EXPECT_EQ(at(110, 60), kWhite) << offset;
        EXPECT_EQ(at(60, 110), kWhite) << offset;
    }
}

TEST_F(Win32Drawing, ALineJoinsTheCornersOfItsBoundsEvenBackwards) {
    Line line(form, "lne");
    // From (20, 80) up to (120, 30).
    line.set_bounds({300, 1200, 1500, -750});
    line.set_border_colour(rgb(0, 128, 0));
    show();
    const COLORREF green = RGB(0, 128, 0);
    EXPECT_EQ(at(20, 80), green);
    EXPECT_EQ(at(120, 30), green);
    EXPECT_EQ(at(70, 55), green);
    EXPECT_EQ(at(70, 53), kWhite);
    // The other diagonal stays empty.
    EXPECT_EQ(at(20, 30), kWhite);
    EXPECT_EQ(at(120, 80), kWhite);

    line.set_border_width(5);
    windows->render();
    RedrawWindow(window().hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // Five pixels wide: about two and a half each side of the line.
    EXPECT_EQ(at(70, 53), green);
    EXPECT_EQ(at(70, 50), kWhite);
    EXPECT_EQ(at(18, 80), green);
}

TEST_F(Win32Drawing, AGraphicalButtonShowsItsIconOnceAboveItsCaption) {
    Button tool(form, "cmd_pnt_1", "鉛筆");
    tool.set_bounds({0, 0, 855, 615});
    tool.set_icon({"tool.png", 16, 16});
    Button lost(form, "cmd_pnt_3", "直線");
    lost.set_bounds({0, 720, 855, 615});
    lost.set_icon({"no_such.png", 16, 16});
    int clicks = 0;
    tool.on_click = [&] { ++clicks; };
    show();
    // 57 x 41 pixels; the whole icon's red quarter, at its own size, in the upper half.
    EXPECT_EQ(count_of(kRed, {0, 0, 57, 41}), 64);
    EXPECT_EQ(count_of(kRed, {0, 20, 57, 41}), 0);
    EXPECT_EQ(count_of(kRed, {0, 48, 57, 89}), 0);
    wchar_t text[32] = {};
    GetWindowTextW(hwnd_of(lost), text, 32);
    EXPECT_EQ(std::wstring(text), L"直線");
    SendMessageW(hwnd_of(tool), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Win32Drawing, ThePictureBoxPointerIsItsIconWithTheTipAtTheBottomRight) {
    PictureBox picture(form, "pct_ss");
    picture.set_bounds({0, 0, 1500, 1500});
    picture.set_mouse_icon({"tool.png", 16, 16});
    show();
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    SendMessageW(hwnd_of(picture), WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd_of(picture)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    const HCURSOR pointer = GetCursor();
    ASSERT_NE(pointer, nullptr);
    EXPECT_NE(pointer, arrow);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(pointer, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 15u);
    EXPECT_EQ(info.yHotspot, 15u);
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof(colour), &colour);
    EXPECT_EQ(colour.bmWidth, 16);
    EXPECT_EQ(colour.bmHeight, 16);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    // With the icon missing, the arrow.
    picture.set_mouse_icon({"no_such.png", 16, 16});
    windows->render();
    SendMessageW(hwnd_of(picture), WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd_of(picture)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), arrow);
}

}  // namespace
}  // namespace vis::win32
