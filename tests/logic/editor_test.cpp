// The editor window: opening and closing, the navigator, the drawing tools, the cancel and the
// text dialog, driven headless over an 800 x 600 screenshot.
#include <gtest/gtest.h>

#include <cmath>

#include "support/editor_surface.h"
#include "ui/keys.h"
#include "viewer_fixture.h"

namespace vis {
namespace {

using test::App;
using test::AskedPrompt;
using namespace test::editor_button;

constexpr std::int32_t kBlack = 0;
constexpr auto kRed = static_cast<std::int32_t>(rgb(255, 0, 0));

struct Editor : ::testing::Test {
    App app;
    test::EditorSurface e{app};

    void SetUp() override {
        app.folders.write_settings("1", "0");
        app.folders.add_shot("PelmarOnline_2006115_01715.jpg", test::viewer_local_time(0), 800, 600);
        app.start();
    }
    void open() {
        app.main().choose_menu(test::entry::kEdit);
        ASSERT_TRUE(e.open());
    }
};

TEST_F(Editor, OpensOverTheMinimisedMainWindowAndTheNavigatorScrollsTheCanvasToItsFarCorner) {
    open();
    EXPECT_TRUE(e.shown());
    EXPECT_EQ(app.main().state(), WindowState::minimised);

    // The canvas (12000 x 9000) shows a quarter at a time; a drag on the navigator scrolls it.
    // Moving over the navigator without a button changes nothing.
    e.move_on_navigator(2400, 1800);
    EXPECT_EQ(e.canvas_box().left, 0);
    e.press_on_navigator(1000, 1000);
    EXPECT_EQ(e.canvas_box().left, 0);  // the press itself moves nothing
    e.move_on_navigator(2400, 1800, 1);
    EXPECT_EQ(e.view_box(), (Rect{1320, 1020, 1200, 900}));
    EXPECT_EQ(e.canvas_box(), (Rect{-6000, -4500, 12000, 9000}));
    e.move_on_navigator(0, 0, 1);
    EXPECT_EQ(e.view_box(), (Rect{120, 120, 1200, 900}));
    EXPECT_EQ(e.canvas_box().left, 0);
    e.release_on_navigator(0, 0);
    e.move_on_navigator(2400, 1800);
    EXPECT_EQ(e.canvas_box().left, 0);
}

TEST_F(Editor, PencilDrawsAtTheDrawingPointAndTheNavigatorFollowsTheStroke) {
    open();
    const std::uint32_t navigator_before = e.navigator().pixel(30, 19);
    e.press_at(1500, 1500);
    EXPECT_EQ(e.colour_at(1500, 1500), kBlack);
    // Not where the pointer itself is: the tools act up and left of it.
    EXPECT_NE(e.colour_at(1500 + test::kAhead + 60, 1500 + test::kAhead + 60), kBlack);
    e.move_to(3000, 1500);
    e.release_at(3000, 1500);
    for (int x = 1500; x <= 3000; x += 150) EXPECT_EQ(e.colour_at(x, 1500), kBlack) << x;
    EXPECT_NE(e.colour_at(2250, 1500 + 150), kBlack);  // width 10: 5 pixels either side
    EXPECT_NE(e.navigator().pixel(30, 19), navigator_before);
    EXPECT_EQ(e.navigator().pixel(30, 19) & 0xFFFFFF, 0u);
    // Moves after the release draw nothing.
    e.move_to(3000, 4500, 0);
    EXPECT_NE(e.colour_at(3000, 4500), kBlack);
}

TEST_F(Editor, StraightLineIsDrawnOnceAtTheReleaseInTheColourAndWidthThen) {
    open();
    e.click(kLine);
    const auto before = e.pixels();
    e.press_at(1500, 3000);
    e.move_to(4500, 3000);
    EXPECT_EQ(e.line(), (Rect{1500, 3000, 3000, 0}));
    EXPECT_EQ(e.pixels(), before);  // only the rubber band so far

    e.pick_colour(rgb(255, 0, 0));
    e.set_width(3);
    e.release_at(4500, 3000);
    EXPECT_FALSE(e.line());
    EXPECT_EQ(e.colour_at(3000, 3000), kRed);
    EXPECT_NE(e.colour_at(3000, 3000 + 45), kRed);  // 3 pixels wide
    EXPECT_FALSE(e.document().overlay().line);

    // A right press shows the pop-up and draws nothing, not even when its release comes.
    const auto with_line = e.pixels();
    e.popup(6000, 6000, "");
    e.release_at(6000, 6000, button::kRight);
    EXPECT_EQ(e.pixels(), with_line);
    ASSERT_EQ(app.plat.prompts.asked().back().kind, AskedPrompt::Kind::popup);
    EXPECT_EQ(app.plat.prompts.asked().back().menu, "mEditMenu");
}

TEST_F(Editor, SelectionGrowsAndSlidesAndTheFillIsInsetInIt) {
    open();
    e.click(kSelect);
    e.press_at(1000, 1000);
    e.move_to(3000, 2500);
    EXPECT_EQ(e.selection(), (Rect{1000, 1000, 2000, 1500}));
    e.move_to(500, 2500);
    EXPECT_EQ(e.selection(), (Rect{500, 1000, 2000, 1500}));
    // The pointer beyond the canvas's corner keeps the selection on it.
    e.move_to(-900 - test::kAhead, -900 - test::kAhead);
    ASSERT_TRUE(e.selection());
    EXPECT_EQ(e.selection()->left, 0);
    EXPECT_EQ(e.selection()->top, 0);
    e.move_to(3000, 3000);
    e.release_at(3000, 3000);
    EXPECT_EQ(e.selection(), (Rect{0, 0, 3000, 3000}));

    // The box runs from (70, 70) with size 2850, widened by the pen's 5 pixels each way.
    e.set_width(1);
    e.click(kFill);
    EXPECT_TRUE(e.selection());
    EXPECT_EQ(e.colour_at(75, 75), kBlack);
    EXPECT_EQ(e.colour_at(2920, 2920), kBlack);
    EXPECT_NE(e.colour_at(45, 1500), kBlack);
    EXPECT_NE(e.colour_at(2940, 1500), kBlack);

    // Another tool's press drops the selection.
    e.click(kPencil);
    e.stroke({{6000, 6000}});
    EXPECT_FALSE(e.selection());
}

TEST_F(Editor, ClearAllAskedNoKeepsTheDrawingAndYesBringsBackTheScreenshot) {
    open();
    const auto original = e.pixels();
    e.stroke({{1500, 1500}, {4500, 4500}});
    const auto drawn = e.pixels();

    e.clear_all(MsgResult::no);
    const AskedPrompt& asked = app.plat.prompts.asked().back();
    EXPECT_EQ(asked.box.text, "全消去しますか？\r\n一度実行すると元には戻せません。");
    EXPECT_EQ(asked.box.title, "AC");
    EXPECT_EQ(asked.box.buttons, MsgButtons::yes_no);
    EXPECT_EQ(e.pixels(), drawn);

    e.clear_all(MsgResult::yes);
    EXPECT_EQ(e.pixels(), original);
    EXPECT_NE(e.navigator().pixel(30, 30) & 0xFFFFFF, 0u);
}

TEST_F(Editor, CancelDropsTheSelectionAndLineOnTheNextTickWithoutTouchingPixels) {
    open();
    const auto before = e.pixels();
    e.select(1000, 1000, 3000, 3000);
    e.popup(5000, 5000, "mEdit_cancel");
    EXPECT_TRUE(e.selection());  // the menu only starts the timer
    app.plat.windows.advance(1);
    EXPECT_FALSE(e.selection());

    e.click(kLine);
    e.press_at(4000, 4000);
    e.popup(5000, 5000, "mEdit_cancel");
    app.plat.windows.advance(1);
    EXPECT_FALSE(e.line());
    EXPECT_FALSE(e.document().pressed());
    EXPECT_FALSE(e.document().overlay().line);
    // The left button's release after the cancel draws no line from the canvas's corner.
    e.release_at(6000, 6000);
    EXPECT_EQ(e.pixels(), before);

    // The cancel happened once: a selection made afterwards stays.
    e.select(1000, 1000, 3000, 3000);
    app.plat.windows.advance(5);
    EXPECT_TRUE(e.selection());
}

TEST_F(Editor, ClosingRestoresTheMainWindowAndTheNextOpeningIsLaidOutAfresh) {
    open();
    e.click(kSelect);
    e.pick_colour(rgb(0, 0, 255));
    e.drag_width({20, 25});
    e.stroke({{1000, 1000}, {3000, 3000}});

    e.close();
    EXPECT_EQ(app.main().state(), WindowState::normal);
    EXPECT_TRUE(app.form->visible());
    EXPECT_FALSE(e.open());

    open();
    // A fresh pencil in black: the tool shown, the colour shown and the document's own.
    EXPECT_EQ(e.tool_picture(), "tool_pencil.png");
    EXPECT_EQ(e.colour_shown(), rgb(0, 0, 0));
    EXPECT_EQ(e.document().tool(), ToolKind::pencil);
    EXPECT_EQ(e.document().colour(), rgb(0, 0, 0));
    EXPECT_EQ(e.width_shown(), 10);
    EXPECT_FALSE(e.selection());
    EXPECT_EQ(e.pointer_picture(), "tool_pencil.png");
}

TEST_F(Editor, FromTheViewerItHidesTheViewerAndClosingShowsOnlyTheMainWindow) {
    test::ViewerSurface viewer = app.main().view(0);
    app.plat.prompts.answer_popup("mEdit_F");
    viewer.press_on_picture(button::kRight, 10, 10);
    ASSERT_TRUE(e.open());
    EXPECT_FALSE(viewer.shown());
    EXPECT_EQ(e.size_px(), std::pair(800, 600));
    e.close();
    EXPECT_EQ(app.main().state(), WindowState::normal);
    EXPECT_FALSE(viewer.shown());
}

TEST_F(Editor, WidthShowsWhileTheThumbIsDraggedAndAppliesWhenLetGo) {
    open();
    e.hold_width_thumb_at(17);
    EXPECT_EQ(e.width_tip(), "17");
    e.let_go_width_thumb();
    EXPECT_FALSE(e.width_tip());
    EXPECT_EQ(e.document().pen_width(), 17);
    EXPECT_EQ(e.line_width(), 17);
}

TEST(EditorWithoutPicture, DoesNotOpen) {
    App app;
    app.folders.write_settings("1", "0");
    app.start();
    test::MainSurface m = app.main();
    ASSERT_TRUE(m.preview().empty());
    m.choose_menu(test::entry::kEdit);
    EXPECT_FALSE(test::EditorSurface(app).open());
    EXPECT_EQ(m.state(), WindowState::normal);
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
        app.start();
        app.main().choose_menu(test::entry::kEdit);
        test::EditorSurface e(app);
        // The picture pixel that holds a drawing point given in twips.
        const double twips = 15.0 / ratio;
        const auto px = [&](double v) { return static_cast<int>(std::floor(v / twips)); };
        if (cropped) {
            // Keeps all but the first 60 pixel rows and columns.
            e.select(900 / ratio, 900 / ratio, 12000 / ratio, 9000 / ratio);
            e.open_effects().click(test::effects_button::kCrop);
            e.click(kPencil);
        }
        const int width = cropped ? 740 : 800, height = cropped ? 540 : 600;
        ASSERT_EQ(e.size_px(), std::pair(width, height));
        EXPECT_EQ(e.canvas_box().width, width * 15 / ratio);
        EXPECT_EQ(e.canvas_box().height, height * 15 / ratio);
        EXPECT_EQ(e.viewport_box().width, width * 15 / ratio / 2);  // a quarter of the picture
        EXPECT_EQ(e.viewport_box().height, height * 15 / ratio / 2);

        // A pencil dot of width 1: the one pixel under the point (a pointer 237 twips on).
        e.set_width(1);
        Picture before = e.picture();
        e.stroke({{1003, 707}});
        EXPECT_EQ(changed_between(before, e.picture()), (PixelRect{px(1003.5), px(707.5), 1, 1}));

        // A straight line of width 1 from its start, kept in whole twips, to the release's point (half a
        // twip on, as the pointer lies 237 twips on).
        e.click(kLine);
        before = e.picture();
        e.stroke({{3000 / ratio, 3600 / ratio}, {4500 / ratio, 3600 / ratio}});
        EXPECT_EQ(
            changed_between(before, e.picture()),
            (PixelRect{px(3000.0 / ratio), px(3600.0 / ratio), px(4500.0 / ratio + 0.5) - px(3000.0 / ratio) + 1, 1}));

        // A fill lies inside the selection rectangle as drawn, inset 70 and 80 twips.
        e.select(1500, 1200, 4500, 3000);
        ASSERT_EQ(e.selection(), (Rect{1500, 1200, 3000, 1800}));
        before = e.picture();
        e.click(kFill);
        EXPECT_EQ(changed_between(before, e.picture()),
                  (PixelRect{px(1570), px(1270), px(4420) - px(1570) + 1, px(2920) - px(1270) + 1}));

        // Printed text starts at the preview's top-left corner.
        e.click(kText);
        e.stroke({{2003, 4003}});
        app.plat.windows.advance(1);
        test::TextSurface d = e.text_dialog();
        d.type("Ab");
        ASSERT_TRUE(e.text_preview_box());
        const Rect preview = *e.text_preview_box();
        before = e.picture();
        d.ok();
        const PixelRect text = changed_between(before, e.picture());
        EXPECT_EQ(std::pair(text.left, text.top), std::pair(px(preview.left), px(preview.top)));
    }
}

// --- the text dialog

TEST_F(Editor, TextDialogLoadsFontsThenPrintsThePreviewWhereItLies) {
    open();
    e.click(kText);
    e.pick_colour(rgb(255, 0, 0));
    e.stroke({{2000, 1000}, {3000, 1500}});
    ASSERT_TRUE(e.text_dialog_loaded());
    test::TextSurface d = e.text_dialog();
    EXPECT_TRUE(d.shown());
    EXPECT_EQ(d.caption(), " フォント読み込み中...");
    app.plat.windows.advance(1);
    EXPECT_EQ(d.caption(), " 文字");
    EXPECT_EQ(d.fonts().size(), 3u);
    EXPECT_EQ(d.font(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(d.style(), "標準");
    EXPECT_TRUE(d.typing_has_focus());

    // Sizes out of range are put back in it.
    for (const auto& [typed, kept] : {std::pair{"0", "1"}, {"abc", "1"}, {"-3", "1"}, {"5000", "999"}}) {
        d.type_size(typed);
        EXPECT_EQ(d.size(), kept) << typed;
    }
    d.type_size("18");
    d.choose_style("斜体＋太字");
    d.type("Ab");
    ASSERT_TRUE(e.text_preview_box());
    const Rect preview = *e.text_preview_box();
    EXPECT_EQ(e.text_preview(), "Ab");
    EXPECT_EQ(e.text_preview_colour(), rgb(255, 0, 0));
    EXPECT_EQ(preview.left, 3000);
    EXPECT_TRUE(e.text_preview_font().bold && e.text_preview_font().italic);
    EXPECT_EQ(e.text_preview_font().size_pt, 18);

    d.ok();
    EXPECT_EQ(app.plat.painter.lines.back(), "Ab");
    EXPECT_EQ(e.colour_at(preview.left + 20, preview.top + 20), kRed);
    EXPECT_NE(e.colour_at(preview.left - 20, preview.top + 20), kRed);
    EXPECT_TRUE(e.document().canvas().font().bold && e.document().canvas().font().italic);
    EXPECT_FALSE(e.text_preview_box());
    EXPECT_FALSE(d.shown());
    EXPECT_EQ(d.text(), "");
}

TEST_F(Editor, TextDialogOutlivesTheEditorAndItsCloseBoxUnloadsIt) {
    open();
    e.click(kText);
    e.stroke({{1000, 1000}});
    app.plat.windows.advance(1);
    ASSERT_TRUE(e.text_dialog_loaded());
    test::TextSurface d = e.text_dialog();
    e.close();
    d.type("x");
    d.ok();
    EXPECT_FALSE(d.shown());
    EXPECT_FALSE(e.open());

    d.close();
    EXPECT_FALSE(e.text_dialog_loaded());
}

// The test painter prints a line as one block: with "縁取り" the block gets a rim as wide as the
// size asks, in black or white against the drawing colour, and the text itself stays on top.
TEST_F(Editor, OutlinedTextGetsARimInTheContrastingColourAndTheChoiceOutlivesTheDialog) {
    open();
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
        e.pick_colour(row.colour);
        e.click(kText);
        e.stroke({{1500, y}});
        app.plat.windows.advance(1);
        test::TextSurface d = e.text_dialog();
        // Closed and opened again between rows: the box stays ticked.
        EXPECT_TRUE(d.outlined() || &row == rows);
        if (!d.outlined()) d.switch_outline();
        d.type_size(row.size);
        d.type("Ab");
        const std::int32_t beyond = e.colour_at((1500 / 15 - row.width - 1) * 15, y + 30);
        d.ok();
        const int x0 = 1500 / 15, y0 = y / 15 + 2;
        const auto at = [&](int x) { return e.colour_at(x * 15, y0 * 15); };
        EXPECT_EQ(at(x0), static_cast<std::int32_t>(row.colour));
        for (int k = 1; k <= row.width; ++k) EXPECT_EQ(at(x0 - k), static_cast<std::int32_t>(row.rim)) << k;
        // Just beyond the rim the screenshot is untouched.
        EXPECT_EQ(at(x0 - row.width - 1), beyond);
        d.close();
        ASSERT_FALSE(e.text_dialog_loaded());
        y += 1500;
    }
}

}  // namespace
}  // namespace vis
