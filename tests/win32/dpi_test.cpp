// A window moved to a monitor of another scale: every control's place and font follow the new DPI,
// and pictures at their own size keep one image pixel per device pixel.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "backend_fixture.h"

namespace vis::win32 {
namespace {

// A rectangle's edges, as gtest prints and compares them.
std::vector<LONG> edges(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

std::vector<LONG> doubled(const RECT& r) {
    return {r.left * 2, r.top * 2, r.right * 2, r.bottom * 2};
}

LONG font_height(HWND hwnd) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return font.lfHeight;
}

// From a combo's top to the bottom of the list it drops, in pixels.
LONG combo_reach(HWND combo) {
    RECT box, dropped;
    GetWindowRect(combo, &box);
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    return dropped.bottom - box.top;
}

class Lines : public ListSource {
public:
    int count() const override { return 100; }
    std::string line(int row) const override { return "行 " + std::to_string(row); }
};

class Win32Dpi : public Win32Backend {
protected:
    // Sends what the system sends when the window reaches a monitor at `dpi`, with the frame
    // scaled as the system suggests.
    void move_to_dpi(UINT dpi) {
        RECT frame;
        GetWindowRect(window().hwnd(), &frame);
        const UINT old = static_cast<UINT>(1440.0 / window().twips_per_pixel() + 0.5);
        RECT suggested{frame.left, frame.top, frame.left + MulDiv(frame.right - frame.left, dpi, old),
                       frame.top + MulDiv(frame.bottom - frame.top, dpi, old)};
        SendMessageW(window().hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    }
    RECT client() {
        RECT r;
        GetClientRect(window().hwnd(), &r);
        return r;
    }
};

TEST_F(Win32Dpi, EveryControlAndFontDoublesAt192AndPicturesKeepTheirPixels) {
    form.set_client_size(9000, 6000);
    Label label(form, "lbl_info", "情報");
    label.set_bounds({150, 300, 1500, 450});
    Lines lines;
    ListBox list(form, "file_lst");
    list.set_bounds({1800, 150, 3000, 3000});
    list.set_source(&lines);
    Button button(form, "cmd_ok", "OK");
    button.set_bounds({150, 4500, 1200, 375});
    CheckBox check(form, "chk_info", "表示する");
    check.set_bounds({1500, 4500, 1800, 375});
    Frame frame(form, "fra_bgm", "BGM");
    frame.set_bounds({5100, 150, 3000, 1500});
    Label inside(form, "lbl_bgm", "曲");
    inside.set_container(frame);
    inside.set_bounds({150, 300, 900, 300});
    ComboBox combo(form, "cmb_style");
    combo.set_bounds({150, 5100, 1800, 300});
    combo.add_item("一");
    ProgressBar progress(form, "pgb");
    progress.set_bounds({5100, 1800, 3000, 300});
    ImageBox preview(form, "img_pre", true);
    preview.set_bounds({5100, 2400, 1800, 1350});
    PictureBox canvas(form, "pct_canvas");
    canvas.set_bounds({5100, 4050, 600, 600});
    canvas.set_picture({40, 30, std::make_shared<std::vector<std::uint32_t>>(40 * 30, 0xFF336699u)});
    Label overlay(form, "lbl_count", "1/3");
    overlay.set_container(canvas);
    overlay.set_bounds({150, 300, 450, 225});
    std::vector<int> press, canvas_press;
    preview.on_mouse_down = [&](int, int, int x, int y) { press = {x, y}; };
    canvas.on_mouse_down = [&](int, int, int x, int y) { canvas_press = {x, y}; };
    show();

    const std::vector<const Control*> scaled{&label, &list, &button, &check, &frame, &inside, &progress, &preview};
    std::map<const Control*, RECT> at_96;
    for (const Control* c : scaled) at_96[c] = place_of(hwnd_of(*c));
    const RECT client_96 = client();
    const RECT canvas_96 = place_of(hwnd_of(canvas));
    const RECT overlay_96 = place_of(hwnd_of(overlay));
    SendMessageW(hwnd_of(canvas), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 6));
    SendMessageW(hwnd_of(canvas), WM_LBUTTONUP, 0, MAKELPARAM(4, 6));
    const std::vector<int> canvas_press_96 = canvas_press;
    const LONG font_96 = font_height(hwnd_of(label));
    const LONG combo_reach_96 = combo_reach(hwnd_of(combo));
    ASSERT_EQ(canvas_96.right - canvas_96.left, 40);
    ASSERT_NE(font_96, 0);

    const ScreenInfo screen_96 = windows.screen();
    ASSERT_EQ(screen_96.twips_per_pixel_x, 15.0);

    move_to_dpi(192);
    // The program lays out in twips of the monitor its window is on: the screen has twice the
    // pixels per twip and the same size.
    EXPECT_EQ(windows.screen().twips_per_pixel_x, 7.5);
    EXPECT_EQ(windows.screen().twips_per_pixel_y, 7.5);
    EXPECT_NEAR(windows.screen().width_twips, screen_96.width_twips / 2, 1);
    for (const Control* c : scaled) EXPECT_EQ(edges(place_of(hwnd_of(*c))), doubled(at_96[c])) << c->name();
    EXPECT_EQ(edges(client()), doubled(client_96));
    EXPECT_EQ(font_height(hwnd_of(label)), 2 * font_96);
    EXPECT_EQ(font_height(hwnd_of(list)), 2 * font_96);
    // The list a combo drops grows with the rest (the box's own part, by its font, varies a little).
    EXPECT_NEAR(combo_reach(hwnd_of(combo)), 2 * combo_reach_96, 40);
    // The picture moves with the layout and still shows each of its pixels on one device pixel.
    const RECT canvas_192 = place_of(hwnd_of(canvas));
    EXPECT_EQ(canvas_192.left, 2 * canvas_96.left);
    EXPECT_EQ(canvas_192.top, 2 * canvas_96.top);
    EXPECT_EQ(canvas_192.right - canvas_192.left, 40);
    EXPECT_EQ(canvas_192.bottom - canvas_192.top, 30);
    // Over it, the program still counts in the picture's pixels: what lies on its pixel (4, 6)
    // stays there, and a press on that pixel is where it was.
    EXPECT_EQ(edges(place_of(hwnd_of(overlay))), edges(overlay_96));
    SendMessageW(hwnd_of(canvas), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 6));
    SendMessageW(hwnd_of(canvas), WM_LBUTTONUP, 0, MAKELPARAM(4, 6));
    EXPECT_EQ(canvas_press, canvas_press_96);
    // The pointer is in twips at the new DPI: a device pixel is half as many.
    SendMessageW(hwnd_of(preview), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 6));
    EXPECT_EQ(press, (std::vector<int>{30, 45}));
    // Changed at the new DPI, a control is placed at it.
    label.set_bounds({300, 300, 1500, 450});
    windows.render();
    EXPECT_EQ(place_of(hwnd_of(label)).left, 40);

    // Back on a 96 DPI monitor, all is where it was.
    label.set_bounds({150, 300, 1500, 450});
    move_to_dpi(96);
    for (const Control* c : scaled) EXPECT_EQ(edges(place_of(hwnd_of(*c))), edges(at_96[c])) << c->name();
    EXPECT_EQ(edges(client()), edges(client_96));
    EXPECT_EQ(windows.screen().twips_per_pixel_x, 15.0);
    EXPECT_EQ(font_height(hwnd_of(label)), font_96);
}

}  // namespace
}  // namespace vis::win32
