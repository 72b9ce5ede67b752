// The Win32 backend: controls made from the model, read back through the system's messages, and
// the user's input sent as messages reaching the program's handlers.

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "backend/counter_over_picture.h"
#include "backend_fixture.h"
#include "win32/free_place.h"
#include "win32/gdi_font.h"
#include "win32/gdi_text_metrics.h"

namespace vis::win32 {
namespace {

// The viewer's counter over the picture, faded (see-through, blank) and shown again: its text
// outlives a repaint of what lies beneath it. (Its colours are rows of the shared label table.)
TEST_F(Win32Backend, AFadedLabelKeepsItsTextWhenWhatLiesBeneathIsDrawnAgain) {
    test::CounterOverPicture scene(form, rgb(0, 0, 0));
    ImageBox& picture = scene.picture;
    Label& counter = scene.counter;
    show();
    // The counter's pixels in a colour.
    const auto pixels_in = [&](COLORREF colour) {
        RedrawWindow(window().hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const HWND hwnd = hwnd_of(counter);
        HDC dc = GetDC(hwnd);
        int n = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 80; ++x) n += GetPixel(dc, x, y) == colour ? 1 : 0;
        ReleaseDC(hwnd, dc);
        return n;
    };
    counter.set_opaque(false);
    counter.set_caption(std::string(16, ' '));
    windows.render();
    counter.set_opaque(true);
    counter.set_caption(test::CounterOverPicture::kText);
    windows.render();

    // Its text outlives a repaint of what lies beneath (a new picture, the form drawn again).
    counter.set_opaque(false);
    counter.set_caption("■■■■");
    windows.render();
    picture.set_picture({2, 2, std::make_shared<std::vector<std::uint32_t>>(4, 0xFFFF0000u)});
    windows.render();
    RedrawWindow(window().hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_GT(pixels_in(RGB(255, 255, 255)), 20);

    // Straight on the form (the splash's notices), it keeps its text when the form is drawn anew
    // (raised to the top).
    picture.set_visible(false);
    counter.set_fore_colour(rgb(0, 0, 0));
    windows.render();
    form.set_back_colour(rgb(255, 255, 255));
    windows.render();
    form.set_topmost(true);
    windows.render();
    EXPECT_GT(pixels_in(RGB(0, 0, 0)), 20);
}

// A window is painted as it shows, before the program goes on: the splash is followed at once by
// the long listing of the screenshots, with no turn of the message loop in between.
TEST_F(Win32Backend, AWindowIsPaintedAsItShowsBeforeAnyMessageIsHandled) {
    Label notice(form, "notice", "本ソフトウェアは運営会社とは関係のない非公式のツールです。");
    notice.set_font(ms_gothic(9.0, true));
    notice.set_opaque(false);
    notice.set_bounds({120, 120, 6000, 600});
    form.set_back_colour(rgb(255, 255, 255));
    form.set_border_style(BorderStyle::none);
    form.set_client_size(6240, 840);
    show();
    RECT pending{};
    EXPECT_FALSE(GetUpdateRect(window().hwnd(), &pending, FALSE));
    EXPECT_FALSE(GetUpdateRect(hwnd_of(notice), &pending, FALSE));
}

namespace {

// Counts the frame's layouts and paints of the window it subclasses.
LRESULT CALLBACK count_frame_work(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR counts) {
    auto* c = reinterpret_cast<int*>(counts);
    if (msg == WM_NCCALCSIZE) ++c[0];
    if (msg == WM_NCPAINT) ++c[1];
    return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

TEST_F(Win32Backend, AChangedMenuEntryRepaintsTheBarOnlyForItsOwnEntriesAndLaysNothingOut) {
    Menu file("mFile", "ファイル(&F)");
    Menu save("mSave", "保存(&S)");
    Menu edit("mEdit", "編集(&E)");
    file.add(save);
    form.add_menu(file);
    form.add_menu(edit);
    show();
    const HWND hwnd = window().hwnd();
    struct Row {
        const char* change;
        std::function<void()> make;
        int paints;
    };
    const Row rows[] = {
        {"an entry inside a menu", [&] { save.set_enabled(false); }, 0},
        {"a caption inside a menu", [&] { save.set_caption("別名で保存(&A)"); }, 0},
        {"an entry of the bar", [&] { edit.set_enabled(false); }, 1},
    };
    for (const Row& row : rows) {
        int counts[2] = {0, 0};
        SetWindowSubclass(hwnd, count_frame_work, 7, reinterpret_cast<DWORD_PTR>(counts));
        row.make();
        windows.render();
        RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW);
        RemoveWindowSubclass(hwnd, count_frame_work, 7);
        EXPECT_EQ(counts[0], 0) << row.change;
        EXPECT_EQ(counts[1] > 0, row.paints > 0) << row.change;
    }
    EXPECT_EQ(GetMenuState(GetMenu(hwnd), 1, MF_BYPOSITION) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(GetMenuState(GetSubMenu(GetMenu(hwnd), 0), 0, MF_BYPOSITION) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
}

}  // namespace
}  // namespace vis::win32

namespace vis::win32 {
namespace {

// The metrics of the font a window draws with.
TEXTMETRICW metrics_of(HFONT font) {
    TEXTMETRICW metrics{};
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, font);
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return metrics;
}

// How many of a window's pixels are darker than mid-grey, as it shows them now.
int dark_pixels(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT r;
    GetClientRect(hwnd, &r);
    HDC shown = GetDC(hwnd);
    HDC copy = CreateCompatibleDC(shown);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(copy, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, r.right, r.bottom, shown, 0, 0, SRCCOPY);
    int dark = 0;
    for (int i = 0; i < r.right * r.bottom; ++i) dark += (static_cast<const std::uint32_t*>(bits)[i] & 0xFF) < 128;
    SelectObject(copy, previous);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(hwnd, shown);
    return dark;
}

// Text is drawn as on Linux: in a Japanese face even where the one asked for is missing (a
// proportional one for "ＭＳ Ｐゴシック"), bold where asked, a frame's caption in the frame's font,
// and each caption on one line where the Linux build shows it so.
TEST_F(Win32Backend, TextIsDrawnInTheFaceWeightAndSizeTheWindowsAskFor) {
    struct Case {
        const char* what;
        Font font;
        const char* caption;
        int width_twips;
        bool proportional;
    };
    const Case cases[] = {
        {"viewer information", ms_gothic(14.25, true), "画像情報", 1500, false},
        {"viewer counter", ms_gothic(11.25, true), "9999/9999", 1500, false},
        {"splash notice", ms_gothic(9.0, true), "本ソフトウェアについて運営会社へのお問い合わせはご遠慮ください。",
         9375, false},
        {"settings folder label", Font{},
         "Pelmarオンラインがインストールされている場所を指定：（通常は変更しないでOKです）", 7080, true},
        {"frame caption", Font{}, "バージョン情報・その他", 7320, true},
    };
    // The same caption in the same face, regular: a bold one draws clearly more ink, at the
    // viewer's size and at the splash's small one alike.
    std::vector<std::unique_ptr<Label>> inked;
    for (const double points : {14.25, 9.0})
        for (const bool bold : {false, true}) {
            inked.push_back(std::make_unique<Label>(form, bold ? "bold" : "regular", "ファイル名：PelmarOnline"));
            inked.back()->set_font(ms_gothic(points, bold));
            inked.back()->set_back_colour(rgb(255, 255, 255));
            inked.back()->set_bounds({0, 1800 + 600 * static_cast<int>(inked.size()), 6000, 450});
        }
    std::vector<std::unique_ptr<Control>> controls;
    for (const Case& c : cases) {
        if (std::string(c.what) == "frame caption")
            controls.push_back(std::make_unique<Frame>(form, c.what, c.caption));
        else
            controls.push_back(std::make_unique<Label>(form, c.what, c.caption));
        controls.back()->set_font(c.font);
        controls.back()->set_bounds({0, 0, c.width_twips, 600});
    }
    form.set_client_size(9600, 4800);
    show();
    for (std::size_t i = 0; i < inked.size(); i += 2)
        EXPECT_GT(dark_pixels(hwnd_of(*inked[i + 1])), dark_pixels(hwnd_of(*inked[i])) * 13 / 10)
            << inked[i]->font().size_pt << " pt";
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        HWND shown = hwnd_of(*controls[i]);
        if (controls[i]->kind() == ControlKind::frame) shown = FindWindowExW(shown, nullptr, L"BUTTON", nullptr);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(shown, WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr) << c.what;
        const TEXTMETRICW m = metrics_of(font);
        EXPECT_EQ(m.tmCharSet, SHIFTJIS_CHARSET) << c.what;
        EXPECT_EQ(m.tmWeight >= FW_BOLD, c.font.bold) << c.what;
        // The flag named "fixed pitch" is set for a proportional face.
        EXPECT_EQ((m.tmPitchAndFamily & TMPF_FIXED_PITCH) != 0, c.proportional) << c.what;
        // The em as asked (the system may round it to the next pixel).
        EXPECT_NEAR(m.tmHeight - m.tmInternalLeading, c.font.size_pt * 96 / 72, 1) << c.what;
        HDC dc = GetDC(shown);
        const HGDIOBJ previous = SelectObject(dc, font);
        SIZE extent{};
        const std::wstring caption = widen(c.caption);
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
        SelectObject(dc, previous);
        ReleaseDC(shown, dc);
        RECT client;
        GetClientRect(shown, &client);
        EXPECT_LE(extent.cx, client.right) << c.what;
    }
    // The text the editor prints with its default font is in the same face as the windows' text.
    const GdiFont printed(Font{}, 96 / 72.0);
    const TEXTMETRICW m = metrics_of(static_cast<HFONT>(GetCurrentObject(printed.dc(), OBJ_FONT)));
    EXPECT_EQ(m.tmCharSet, SHIFTJIS_CHARSET);
    EXPECT_NE(m.tmPitchAndFamily & TMPF_FIXED_PITCH, 0);
    // The text dialog offers that face, its default, even where a stand-in draws it.
    const std::vector<std::string> offered = GdiTextMetrics().font_names();
    EXPECT_NE(std::find(offered.begin(), offered.end(), Font{}.name), offered.end());
}

// A window the program does not centre goes where a window manager puts it: in the free band
// beside the program's shown windows, so the effects dialog leaves the editor's controls in view.
TEST(Win32Placement, ANewWindowGoesWhereTheProgramsWindowsLeaveRoom) {
    const RECT work{0, 0, 1280, 1000};
    struct Case {
        const char* what;
        std::vector<RECT> taken;
        SIZE size;
        POINT expected;
    };
    const Case cases[] = {
        {"nothing shown: centred", {}, {400, 200}, {440, 400}},
        {"the editor in the middle: above it", {{140, 238, 1140, 786}}, {290, 170}, {495, 34}},
        {"no room above: below", {{140, 100, 1140, 786}}, {290, 170}, {495, 808}},
        {"no room above or below: left", {{400, 50, 1140, 980}}, {290, 170}, {55, 415}},
        {"two windows count as one", {{0, 300, 200, 400}, {1000, 200, 1100, 900}}, {290, 170}, {495, 15}},
        {"no room anywhere: centred", {{10, 10, 1270, 990}}, {290, 170}, {495, 415}},
        {"larger than the work area: its corner in view", {}, {1400, 1200}, {0, 0}},
        {"a window on another monitor takes no room", {{-1300, 0, -100, 900}}, {400, 200}, {440, 400}},
    };
    for (const Case& c : cases) {
        const POINT p = free_place(c.size, work, c.taken);
        EXPECT_EQ(p.x, c.expected.x) << c.what;
        EXPECT_EQ(p.y, c.expected.y) << c.what;
    }
}

TEST_F(Win32Backend, AWindowNotCentredOpensBesideTheShownOneAndACentredOneInTheMiddle) {
    form.set_centred(true);
    form.set_client_size(15000, 9000);
    show();
    Form dialog(windows, "D", "効果");
    dialog.set_client_size(4335, 2190);
    dialog.show();
    windows.render();
    RECT main, opened, overlap;
    GetWindowRect(window().hwnd(), &main);
    GetWindowRect(windows.window_of(&dialog)->hwnd(), &opened);
    EXPECT_FALSE(IntersectRect(&overlap, &main, &opened));
    MONITORINFO monitor{sizeof(MONITORINFO), {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(window().hwnd(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    EXPECT_NEAR((main.left + main.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((main.top + main.bottom) / 2, (work.top + work.bottom) / 2, 1);
    // Centred in the band above the main window.
    EXPECT_NEAR((opened.left + opened.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((opened.top + opened.bottom) / 2, (work.top + main.top) / 2, 1);
}

}  // namespace
}  // namespace vis::win32

namespace vis::win32 {
namespace {

// Controls laid over a frame (made after it), labels and an outline over a picture: the system's
// hit test finds each control that takes the mouse at its own place, and a frame's picture shows.
TEST_F(Win32Backend, EachControlTakesTheMouseAtItsPlaceOverFramesAndPictures) {
    form.set_client_size(6000, 6000);
    Frame frame(form, "fra", "その他設定");
    frame.set_bounds({0, 0, 6000, 2700});
    CheckBox check(form, "chk", "画像情報");
    check.set_bounds({150, 300, 1800, 300});
    Button button(form, "cmd", "参照");
    button.set_bounds({2400, 300, 1500, 375});
    ImageBox icon(form, "img", false);
    icon.set_bounds({150, 900, 480, 480});
    icon.set_picture({8, 8, std::make_shared<std::vector<std::uint32_t>>(64, 0xFFFF0000u)});
    ImageBox view(form, "view", true);
    view.set_bounds({0, 3000, 6000, 3000});
    view.set_picture({2, 2, std::make_shared<std::vector<std::uint32_t>>(4, 0xFF0000FFu)});
    view.on_mouse_down = [](int, int, int, int) {};
    Label info(form, "info", "画像情報");
    info.set_bounds({150, 3150, 1500, 300});
    info.on_click = [] {};
    Label counter(form, "cnt", "1/5");
    counter.set_bounds({150, 3750, 1500, 300});
    counter.set_opaque(false);
    counter.on_mouse_move = [](int, int, int, int) {};
    Label plain(form, "lbl", "注記");
    plain.set_bounds({3000, 3150, 1500, 300});
    Shape outline(form, "shp");
    outline.set_bounds({3000, 3750, 1500, 1500});
    outline.set_border_colour(rgb(255, 0, 0));
    show();

    struct Row {
        const Control& at;
        const Control& takes;
    };
    const Row rows[] = {{check, check},     {button, button}, {icon, icon},    {info, info},
                        {counter, counter}, {plain, view},    {outline, view}, {view, view}};
    for (const Row& row : rows) {
        RECT r;
        GetWindowRect(hwnd_of(row.at), &r);
        const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        EXPECT_EQ(WindowFromPoint(centre), hwnd_of(row.takes)) << row.at.name();
    }

    RedrawWindow(window().hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(hwnd_of(icon));
    EXPECT_EQ(GetPixel(dc, 4, 4), RGB(255, 0, 0));
    ReleaseDC(hwnd_of(icon), dc);
}

// Whenever a window is activated the keyboard goes to the control that last had it: the one the
// program chose while the window was hidden, the one the user left, else the first tab stop.
TEST_F(Win32Backend, ActivationHandsTheFocusToTheControlThatLastHadIt) {
    ListBox list(form, "lst");
    list.set_bounds({0, 0, 3000, 1500});
    Button button(form, "cmd", "OK");
    button.set_bounds({0, 1650, 1200, 375});
    Form other(windows, "G", "別");
    Button other_button(other, "cmd2", "閉じる");
    other_button.set_bounds({0, 0, 1200, 375});
    list.set_focus();
    windows.render();
    show();
    EXPECT_EQ(GetFocus(), hwnd_of(list));

    const auto away_and_back = [&] {
        other.show();
        windows.render();
        SetActiveWindow(windows.window_of(&other)->hwnd());
        EXPECT_EQ(GetFocus(), windows.window_of(&other)->view_of(other_button)->hwnd());
        SetActiveWindow(window().hwnd());
        return GetFocus();
    };
    SetFocus(hwnd_of(button));
    EXPECT_EQ(away_and_back(), hwnd_of(button));
    button.set_visible(false);
    windows.render();
    EXPECT_EQ(away_and_back(), hwnd_of(list));
}

}  // namespace
}  // namespace vis::win32
