// The editor window: opening and closing, the navigator, the drawing tools, the cancel and the
// text dialog, driven headless over an 800 x 600 screenshot.
#include <gtest/gtest.h>

#include <cmath>

#include "editor_fixture.h"
#include "editor_window/editor_window.h"
#include "editor_window/effects_dialog.h"
#include "editor_window/text_dialog.h"
#include "support/canvas_pixels.h"
#include "ui/keys.h"

namespace vis {
namespace {

using test::App;
using test::AskedPrompt;
using test::click;
using test::mouse_down;
using test::mouse_move;
using test::mouse_up;

constexpr std::int32_t kBlack = 0;
using test::kAhead;

struct Editor : ::testing::Test {
    App app;
    MainWindow* main = nullptr;

    void SetUp() override {
        app.folders.write_settings("1", "0");
        app.folders.add_shot("PelmarOnline_2006115_01715.jpg", test::viewer_local_time(0), 800, 600);
        main = &app.start();
    }
    EditorWindow& open() {
        test::click_menu(main->mEdit);
        EditorWindow* e = test::loaded<EditorWindow>(*main);
        EXPECT_NE(e, nullptr);
        return *e;
    }
    // A press, moves and release of the left button at drawing points (twips).
    static void stroke(EditorWindow& e, std::initializer_list<std::pair<int, int>> points) {
        auto it = points.begin();
        mouse_down(e.pct_ss, button::kLeft, it->first + kAhead, it->second + kAhead);
        for (++it; it != points.end(); ++it) mouse_move(e.pct_ss, it->first + kAhead, it->second + kAhead, 1);
        const auto last = *(points.end() - 1);
        mouse_up(e.pct_ss, button::kLeft, last.first + kAhead, last.second + kAhead);
    }
    static bool same_pixels(const Picture& a, const Picture& b) { return *a.pixels == *b.pixels; }
};

TEST_F(Editor, OpensOverTheMinimisedMainWindowAndTheNavigatorScrollsTheCanvasToItsFarCorner) {
    EditorWindow& e = open();
    EXPECT_TRUE(e.visible());
    EXPECT_EQ(main->window_state(), WindowState::minimised);

    // The canvas (12000 x 9000) shows a quarter at a time; a drag on the navigator scrolls it.
    // Moving over the navigator without a button changes nothing.
    mouse_move(e.img_pre, 2400, 1800);
    EXPECT_EQ(e.pct_ss.left(), 0);
    mouse_down(e.img_pre, button::kLeft, 1000, 1000);
    EXPECT_EQ(e.pct_ss.left(), 0);  // the press itself moves nothing
    mouse_move(e.img_pre, 2400, 1800, 1);
    EXPECT_EQ(e.shp_pos.bounds(), (Rect{1320, 1020, 1200, 900}));
    EXPECT_EQ(e.pct_ss.left(), -6000);
    EXPECT_EQ(e.pct_ss.top(), -4500);
    mouse_move(e.img_pre, 0, 0, 1);
    EXPECT_EQ(e.shp_pos.bounds(), (Rect{120, 120, 1200, 900}));
    EXPECT_EQ(e.pct_ss.left(), 0);
    mouse_up(e.img_pre, button::kLeft, 0, 0);
    mouse_move(e.img_pre, 2400, 1800);
    EXPECT_EQ(e.pct_ss.left(), 0);
}

TEST_F(Editor, PencilDrawsAtTheDrawingPointAndTheNavigatorFollowsTheStroke) {
    EditorWindow& e = open();
    const std::uint32_t navigator_before = e.img_pre.picture().pixel(30, 19);
    mouse_down(e.pct_ss, button::kLeft, 1500 + kAhead, 1500 + kAhead);
    EXPECT_EQ(test::colour_at(e.canvas(), 1500, 1500), kBlack);
    // Not where the pointer itself is: the tools act up and left of it.
    EXPECT_NE(test::colour_at(e.canvas(), 1500 + kAhead + 60, 1500 + kAhead + 60), kBlack);
    mouse_move(e.pct_ss, 3000 + kAhead, 1500 + kAhead, 1);
    mouse_up(e.pct_ss, button::kLeft, 3000 + kAhead, 1500 + kAhead);
    for (int x = 1500; x <= 3000; x += 150) EXPECT_EQ(test::colour_at(e.canvas(), x, 1500), kBlack) << x;
    EXPECT_NE(test::colour_at(e.canvas(), 2250, 1500 + 150), kBlack);  // width 10: 5 pixels either side
    EXPECT_NE(e.img_pre.picture().pixel(30, 19), navigator_before);
    EXPECT_EQ(e.img_pre.picture().pixel(30, 19) & 0xFFFFFF, 0u);
    // Moves after the release draw nothing.
    mouse_move(e.pct_ss, 3000 + kAhead, 4500 + kAhead);
    EXPECT_NE(test::colour_at(e.canvas(), 3000, 4500), kBlack);
}

TEST_F(Editor, StraightLineIsDrawnOnceAtTheReleaseInTheColourAndWidthThen) {
    EditorWindow& e = open();
    click(e.cmd_pnt_3);
    const Picture before = e.canvas().image();
    mouse_down(e.pct_ss, button::kLeft, 1500 + kAhead, 3000 + kAhead);
    mouse_move(e.pct_ss, 4500 + kAhead, 3000 + kAhead, 1);
    EXPECT_TRUE(e.lne_str.visible());
    EXPECT_EQ(e.lne_str.bounds(), (Rect{1500, 3000, 3000, 0}));
    EXPECT_TRUE(same_pixels(e.canvas().image(), before));  // only the rubber band so far

    app.plat.prompts.answer_colour(rgb(255, 0, 0));
    click(e.lbl_pnt_color);
    test::scroll_to(e.scr_width, 3);
    mouse_up(e.pct_ss, button::kLeft, 4500 + kAhead, 3000 + kAhead);
    EXPECT_FALSE(e.lne_str.visible());
    EXPECT_EQ(test::colour_at(e.canvas(), 3000, 3000), static_cast<std::int32_t>(rgb(255, 0, 0)));
    EXPECT_NE(test::colour_at(e.canvas(), 3000, 3000 + 45),
              static_cast<std::int32_t>(rgb(255, 0, 0)));  // 3 pixels wide
    EXPECT_FALSE(e.document().overlay().line);

    // A right press shows the pop-up and draws nothing, not even when its release comes.
    const Picture with_line = e.canvas().image();
    app.plat.prompts.answer_popup("");
    mouse_down(e.pct_ss, button::kRight, 6000, 6000);
    mouse_up(e.pct_ss, button::kRight, 6000, 6000);
    EXPECT_TRUE(same_pixels(e.canvas().image(), with_line));
    ASSERT_EQ(app.plat.prompts.asked().back().kind, AskedPrompt::Kind::popup);
    EXPECT_EQ(app.plat.prompts.asked().back().menu, "mEditMenu");
}

TEST_F(Editor, SelectionGrowsAndSlidesAndTheFillIsInsetInIt) {
    EditorWindow& e = open();
    app.plat.prompts.answer_message(MsgResult::ok);
    click(e.cmd_pnt_4);
    EXPECT_EQ(app.plat.prompts.asked().back().box.text, "ERR:選択範囲がありません");

    click(e.cmd_pnt_0);
    mouse_down(e.pct_ss, button::kLeft, 1000 + kAhead, 1000 + kAhead);
    mouse_move(e.pct_ss, 3000 + kAhead, 2500 + kAhead, 1);
    EXPECT_EQ(e.shp_sel.bounds(), (Rect{1000, 1000, 2000, 1500}));
    mouse_move(e.pct_ss, 500 + kAhead, 2500 + kAhead, 1);
    EXPECT_EQ(e.shp_sel.bounds(), (Rect{500, 1000, 2000, 1500}));
    mouse_move(e.pct_ss, -900, -900, 1);
    EXPECT_EQ(e.shp_sel.left(), 0);
    EXPECT_EQ(e.shp_sel.top(), 0);
    mouse_move(e.pct_ss, 3000 + kAhead, 3000 + kAhead, 1);
    mouse_up(e.pct_ss, button::kLeft, 3000 + kAhead, 3000 + kAhead);
    EXPECT_EQ(e.shp_sel.bounds(), (Rect{0, 0, 3000, 3000}));

    // The box runs from (70, 70) with size 2850, widened by the pen's 5 pixels each way.
    test::scroll_to(e.scr_width, 1);
    click(e.cmd_pnt_4);
    EXPECT_TRUE(e.shp_sel.visible());
    EXPECT_EQ(test::colour_at(e.canvas(), 75, 75), kBlack);
    EXPECT_EQ(test::colour_at(e.canvas(), 2920, 2920), kBlack);
    EXPECT_NE(test::colour_at(e.canvas(), 45, 1500), kBlack);
    EXPECT_NE(test::colour_at(e.canvas(), 2940, 1500), kBlack);

    // Another tool's press drops the selection.
    click(e.cmd_pnt_1);
    stroke(e, {{6000, 6000}});
    EXPECT_FALSE(e.shp_sel.visible());
}

TEST_F(Editor, ClearAllAskedNoKeepsTheDrawingAndYesBringsBackTheScreenshot) {
    EditorWindow& e = open();
    const Picture original = e.canvas().image();
    stroke(e, {{1500, 1500}, {4500, 4500}});
    const Picture drawn = e.canvas().image();

    app.plat.prompts.answer_message(MsgResult::no);
    click(e.cmd_all_crear);
    const AskedPrompt& asked = app.plat.prompts.asked().back();
    EXPECT_EQ(asked.box.text, "全消去しますか？\r\n一度実行すると元には戻せません。");
    EXPECT_EQ(asked.box.title, "AC");
    EXPECT_EQ(asked.box.buttons, MsgButtons::yes_no);
    EXPECT_TRUE(same_pixels(e.canvas().image(), drawn));

    app.plat.prompts.answer_message(MsgResult::yes);
    click(e.cmd_all_crear);
    EXPECT_TRUE(same_pixels(e.canvas().image(), original));
    EXPECT_NE(e.img_pre.picture().pixel(30, 30) & 0xFFFFFF, 0u);
}

TEST_F(Editor, CancelDropsTheSelectionAndLineOnTheNextTickWithoutTouchingPixels) {
    EditorWindow& e = open();
    const Picture before = e.canvas().image();
    click(e.cmd_pnt_0);
    stroke(e, {{1000, 1000}, {3000, 3000}});
    app.plat.prompts.answer_popup("mEdit_cancel");
    mouse_down(e.pct_ss, button::kRight, 5000, 5000);
    EXPECT_TRUE(e.shp_sel.visible());  // the menu only starts the timer
    app.plat.windows.advance(1);
    EXPECT_FALSE(e.shp_sel.visible());

    click(e.cmd_pnt_3);
    mouse_down(e.pct_ss, button::kLeft, 4000 + kAhead, 4000 + kAhead);
    app.plat.prompts.answer_popup("mEdit_cancel");
    mouse_down(e.pct_ss, button::kRight, 5000, 5000);
    app.plat.windows.advance(1);
    EXPECT_FALSE(e.lne_str.visible());
    EXPECT_FALSE(e.document().pressed());
    EXPECT_FALSE(e.document().overlay().line);
    EXPECT_FALSE(e.tmr_cancel_tool.timer_enabled());
    // The left button's release after the cancel draws no line from the canvas's corner.
    mouse_up(e.pct_ss, button::kLeft, 6000 + kAhead, 6000 + kAhead);
    EXPECT_TRUE(same_pixels(e.canvas().image(), before));
}

TEST_F(Editor, ClosingRestoresTheMainWindowAndTheNextOpeningIsLaidOutAfresh) {
    EditorWindow& e = open();
    click(e.cmd_pnt_0);
    app.plat.prompts.answer_colour(rgb(0, 0, 255));
    click(e.lbl_pnt_color);
    test::drag_thumb(e.scr_width, {20, 25});
    stroke(e, {{1000, 1000}, {3000, 3000}});

    e.request_close();
    EXPECT_EQ(main->window_state(), WindowState::normal);
    EXPECT_TRUE(main->visible());
    EXPECT_EQ(test::loaded<EditorWindow>(*main), nullptr);

    EditorWindow& again = open();
    // A fresh pencil in black: the tool shown, the colour shown and the document's own.
    EXPECT_EQ(again.img_cur.resource(), "tool_pencil.png");
    EXPECT_EQ(again.lbl_pnt_color.back_colour(), rgb(0, 0, 0));
    EXPECT_EQ(again.document().tool(), ToolKind::pencil);
    EXPECT_EQ(again.document().colour(), rgb(0, 0, 0));
    EXPECT_EQ(again.scr_width.value(), 10);
    EXPECT_FALSE(again.shp_sel.visible());
    EXPECT_EQ(again.pct_ss.mouse_icon().resource, "tool_pencil.png");
}

TEST_F(Editor, FromTheViewerItHidesTheViewerAndClosingShowsOnlyTheMainWindow) {
    ViewerWindow& viewer = test::open_viewer_at(*main, 0);
    test::click_menu(main->mEdit_F);
    EditorWindow* e = test::loaded<EditorWindow>(*main);
    ASSERT_NE(e, nullptr);
    EXPECT_FALSE(viewer.visible());
    EXPECT_EQ(e->canvas().width(), 12000);
    e->request_close();
    EXPECT_EQ(main->window_state(), WindowState::normal);
    EXPECT_FALSE(viewer.visible());
}

TEST_F(Editor, WidthShowsWhileTheThumbIsDraggedAndAppliesWhenLetGo) {
    EditorWindow& e = open();
    e.scr_width.drag_to(17);
    EXPECT_TRUE(e.lbl_width.visible());
    EXPECT_EQ(e.lbl_width.caption(), "17");
    e.scr_width.end_drag();
    EXPECT_FALSE(e.lbl_width.visible());
    EXPECT_EQ(e.document().pen_width(), 17);
    EXPECT_EQ(e.lne_str.border_width(), 17);
}

TEST(EditorWithoutPicture, DoesNotOpen) {
    App app;
    app.folders.write_settings("1", "0");
    MainWindow& main = app.start();
    ASSERT_TRUE(main.preview_picture().empty());
    test::click_menu(main.mEdit);
    EXPECT_EQ(test::loaded<EditorWindow>(main), nullptr);
    EXPECT_EQ(main.window_state(), WindowState::normal);
}

// --- a scaled screen

// The pixels that differ between two pictures of one size, as their bounding rectangle.
PixelRect changed_between(const Picture& a, const Picture& b) {
    PixelRect r;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) r = united(r, {x, y, 1, 1});
    return r;
}

// Also after a crop, which must leave every tool acting under its point on the smaller canvas.
TEST(EditorOnAScaledScreen, ShowsOnePicturePixelPerDevicePixelAndEachToolActsUnderItsPoint) {
    for (const auto& [ratio, cropped] : {std::pair{1, false}, {2, false}, {1, true}, {2, true}}) {
        SCOPED_TRACE(testing::Message() << ratio << (cropped ? " cropped" : ""));
        App app;
        ScreenInfo screen;
        screen.device_pixel_ratio = ratio;
        app.plat.windows.set_screen(screen);
        app.folders.write_settings("1", "0");
        app.folders.add_shot("PelmarOnline_2006115_01715.jpg", test::viewer_local_time(0), 800, 600);
        MainWindow& main = app.start();
        test::click_menu(main.mEdit);
        EditorWindow& e = *test::loaded<EditorWindow>(main);
        // The picture pixel that holds a drawing point given in twips.
        const double twips = 15.0 / ratio;
        const auto px = [&](double v) { return static_cast<int>(std::floor(v / twips)); };
        if (cropped) {
            // Keeps all but the first 60 pixel rows and columns.
            click(e.cmd_pnt_0);
            Editor::stroke(e, {{900 / ratio, 900 / ratio}, {12000 / ratio, 9000 / ratio}});
            click(e.cmd_pnt_eff);
            click(test::loaded<EffectsDialog>(main)->cmd_crop);
            click(e.cmd_pnt_1);
        }
        const int width = cropped ? 740 : 800, height = cropped ? 540 : 600;
        ASSERT_EQ(std::pair(e.canvas().width_px(), e.canvas().height_px()), std::pair(width, height));
        EXPECT_EQ(e.pct_ss.width(), width * 15 / ratio);
        EXPECT_EQ(e.pct_ss.height(), height * 15 / ratio);
        EXPECT_EQ(e.frm_pct.width(), width * 15 / ratio / 2);  // a quarter of the picture
        EXPECT_EQ(e.frm_pct.height(), height * 15 / ratio / 2);

        // A pencil dot of width 1: the one pixel under the point (a pointer 237 twips on).
        test::scroll_to(e.scr_width, 1);
        Picture before = e.canvas().image();
        Editor::stroke(e, {{1003, 707}});
        EXPECT_EQ(changed_between(before, e.canvas().image()), (PixelRect{px(1003.5), px(707.5), 1, 1}));

        // A straight line of width 1 from its start, kept in whole twips, to the release's point (half a
        // twip on, as the pointer lies 237 twips on).
        click(e.cmd_pnt_3);
        before = e.canvas().image();
        Editor::stroke(e, {{3000 / ratio, 3600 / ratio}, {4500 / ratio, 3600 / ratio}});
        EXPECT_EQ(
            changed_between(before, e.canvas().image()),
            (PixelRect{px(3000.0 / ratio), px(3600.0 / ratio), px(4500.0 / ratio + 0.5) - px(3000.0 / ratio) + 1, 1}));

        // A fill lies inside the selection rectangle as drawn, inset 70 and 80 twips.
        click(e.cmd_pnt_0);
        Editor::stroke(e, {{1500, 1200}, {4500, 3000}});
        ASSERT_EQ(e.shp_sel.bounds(), (Rect{1500, 1200, 3000, 1800}));
        before = e.canvas().image();
        click(e.cmd_pnt_4);
        EXPECT_EQ(changed_between(before, e.canvas().image()),
                  (PixelRect{px(1570), px(1270), px(4420) - px(1570) + 1, px(2920) - px(1270) + 1}));

        // Printed text starts at the preview's top-left corner.
        click(e.cmd_pnt_5);
        Editor::stroke(e, {{2003, 4003}});
        app.plat.windows.advance(1);
        TextDialog& d = *test::loaded<TextDialog>(main);
        test::type_text(d.txt_5, "Ab");
        const Rect preview = e.lbl_pnt_5.bounds();
        before = e.canvas().image();
        click(d.cmd_ok);
        const PixelRect text = changed_between(before, e.canvas().image());
        EXPECT_EQ(std::pair(text.left, text.top), std::pair(px(preview.left), px(preview.top)));
    }
}

// --- the text dialog

TEST_F(Editor, TextDialogLoadsFontsThenPrintsThePreviewWhereItLies) {
    EditorWindow& e = open();
    click(e.cmd_pnt_5);
    app.plat.prompts.answer_colour(rgb(255, 0, 0));
    click(e.lbl_pnt_color);
    stroke(e, {{2000, 1000}, {3000, 1500}});
    TextDialog* d = test::loaded<TextDialog>(*main);
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->visible());
    EXPECT_EQ(d->caption(), " フォント読み込み中...");
    app.plat.windows.advance(1);
    EXPECT_EQ(d->caption(), " 文字");
    EXPECT_EQ(d->cmb_font.count(), 3);
    EXPECT_EQ(d->cmb_font.text(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(d->cmb_style.text(), "標準");
    EXPECT_EQ(d->focus(), &d->txt_5);

    // Sizes out of range are put back in it.
    for (const auto& [typed, kept] : {std::pair{"0", "1"}, {"abc", "1"}, {"-3", "1"}, {"5000", "999"}}) {
        test::type_text(d->txt_size, typed);
        EXPECT_EQ(d->txt_size.text(), kept) << typed;
    }
    test::type_text(d->txt_size, "18");
    d->cmb_style.set_list_index(3);
    test::type_text(d->txt_5, "Ab");
    const Label& preview = e.lbl_pnt_5;
    EXPECT_TRUE(preview.visible());
    EXPECT_EQ(preview.caption(), "Ab");
    EXPECT_EQ(preview.fore_colour(), rgb(255, 0, 0));
    EXPECT_EQ(preview.bounds().left, 3000);
    EXPECT_TRUE(preview.font().bold && preview.font().italic);
    EXPECT_EQ(preview.font().size_pt, 18);

    click(d->cmd_ok);
    EXPECT_EQ(app.plat.painter.lines.back(), "Ab");
    EXPECT_EQ(test::colour_at(e.canvas(), preview.left() + 20, preview.top() + 20),
              static_cast<std::int32_t>(rgb(255, 0, 0)));
    EXPECT_NE(test::colour_at(e.canvas(), preview.left() - 20, preview.top() + 20),
              static_cast<std::int32_t>(rgb(255, 0, 0)));
    EXPECT_TRUE(e.canvas().font().bold && e.canvas().font().italic);
    EXPECT_FALSE(preview.visible());
    EXPECT_FALSE(d->visible());
    EXPECT_EQ(d->txt_5.text(), "");
}

TEST_F(Editor, TextDialogOutlivesTheEditorAndItsCloseBoxUnloadsIt) {
    EditorWindow& e = open();
    click(e.cmd_pnt_5);
    stroke(e, {{1000, 1000}});
    app.plat.windows.advance(1);
    TextDialog* d = test::loaded<TextDialog>(*main);
    ASSERT_NE(d, nullptr);
    e.request_close();
    test::type_text(d->txt_5, "x");
    click(d->cmd_ok);
    EXPECT_FALSE(d->visible());
    EXPECT_EQ(test::loaded<EditorWindow>(*main), nullptr);

    d->request_close();
    EXPECT_EQ(test::loaded<TextDialog>(*main), nullptr);
}

// The test painter prints a line as one block: with "縁取り" the block gets a rim as wide as the
// size asks, in black or white against the drawing colour, and the text itself stays on top.
TEST_F(Editor, OutlinedTextGetsARimInTheContrastingColourAndTheChoiceOutlivesTheDialog) {
    EditorWindow& e = open();
    const struct {
        const char* size;
        Colour colour;
        Colour rim;
        int width;
    } rows[] = {{"10", rgb(255, 0, 0), rgb(255, 255, 255), 1},
                {"18", rgb(255, 255, 0), rgb(0, 0, 0), 2},
                {"36", rgb(0, 0, 128), rgb(255, 255, 255), 3}};
    int y = 600;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.size);
        app.plat.prompts.answer_colour(row.colour);
        click(e.lbl_pnt_color);
        click(e.cmd_pnt_5);
        stroke(e, {{1500, y}});
        app.plat.windows.advance(1);
        TextDialog& d = *test::loaded<TextDialog>(*main);
        // Closed and opened again between rows: the box stays ticked.
        EXPECT_TRUE(d.chk_outline.value() || &row == rows);
        if (!d.chk_outline.value()) click(d.chk_outline);
        test::type_text(d.txt_size, row.size);
        test::type_text(d.txt_5, "Ab");
        const std::int32_t beyond = test::colour_at(e.canvas(), (1500 / 15 - row.width - 1) * 15, y + 30);
        click(d.cmd_ok);
        const int x0 = 1500 / 15, y0 = y / 15 + 2;
        const auto at = [&](int x) { return test::colour_at(e.canvas(), x * 15, y0 * 15); };
        EXPECT_EQ(at(x0), static_cast<std::int32_t>(row.colour));
        for (int k = 1; k <= row.width; ++k) EXPECT_EQ(at(x0 - k), static_cast<std::int32_t>(row.rim)) << k;
        // Just beyond the rim the screenshot is untouched.
        EXPECT_EQ(at(x0 - row.width - 1), beyond);
        d.request_close();
        ASSERT_EQ(test::loaded<TextDialog>(*main), nullptr);
        y += 1500;
    }
}

}  // namespace
}  // namespace vis
