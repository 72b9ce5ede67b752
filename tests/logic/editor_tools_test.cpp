// The editor's tools without a window: a press, moves and a release over a canvas, then the
// pixels changed and what lies over the canvas; fill, clear all and text insertion.
#include <gtest/gtest.h>

#include <vector>

#include "editor/canvas.h"
#include "editor/canvas_tool.h"
#include "editor/clear_all_tool.h"
#include "editor/fill_tool.h"
#include "editor/text_tool.h"
#include "ui/text_painter.h"

namespace vis {
namespace {

constexpr Colour kRed = rgb(255, 0, 0);

Canvas grey_canvas() {
    Canvas c;
    c.set_background({40, 30, std::make_shared<const std::vector<std::uint32_t>>(40 * 30, 0xFF5A5A5A)});
    return c;
}

// The pixels that changed, as a bounding rectangle, and how many.
struct Changed {
    PixelRect bounds;
    int count = 0;
    bool operator==(const Changed&) const = default;
};

Changed changed(const Canvas& c) {
    Changed out;
    const Picture p = c.image();
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (p.pixel(x, y) != 0xFF5A5A5A) {
                out.bounds = united(out.bounds, {x, y, 1, 1});
                ++out.count;
            }
    return out;
}

struct Point {
    double x, y;
};

TEST(EditorTools, PressMovesAndReleaseGivePixelsAndOverlay) {
    struct Case {
        const char* name;
        ToolKind tool;
        int width;
        std::vector<Point> points;  // press, moves, release
        Changed pixels;
        Overlay overlay;  // after the release
        bool ask_text = false;
        std::vector<Point> hovers = {};  // pointer moves before the press, no button held
    };
    Overlay selected;
    selected.selection = Rect{100, 150, 200, 150};
    selected.selection_colour = kRed;
    Overlay slid = selected;
    slid.selection = Rect{45, 150, 200, 150};
    Overlay text_moved;
    text_moved.text_at = TwipsPoint{600, 450};
    text_moved.text_colour = kRed;
    const Overlay none;
    // The rubber band is gone; its colour and width stay for the next one.
    Overlay line_done;
    line_done.line_colour = kRed;
    line_done.line_width = 1;
    const Case cases[] = {
        {"pencil dot", ToolKind::pencil, 1, {{150, 150}, {150, 150}}, {{10, 10, 1, 1}, 1}, none},
        {"pencil stroke", ToolKind::pencil, 1, {{150, 150}, {450, 150}, {450, 150}}, {{10, 10, 21, 1}, 21}, none},
        {"wide dot", ToolKind::pencil, 3, {{150, 150}, {150, 150}}, {{9, 9, 3, 3}, 9}, none},
        {"line drawn at the release",
         ToolKind::line,
         1,
         {{150, 300}, {600, 300}, {450, 300}},
         {{10, 20, 21, 1}, 21},
         line_done},
        {"selection grows", ToolKind::select, 1, {{100, 150}, {300, 300}, {300, 300}}, {}, selected},
        {"selection slides", ToolKind::select, 1, {{100, 150}, {300, 300}, {45, 300}, {45, 300}}, {}, slid},
        {"text follows the drag", ToolKind::text, 1, {{300, 300}, {600, 450}, {600, 450}}, {}, text_moved, true},
        {"pencil moves without a button draw nothing",
         ToolKind::pencil,
         1,
         {{150, 150}, {150, 150}},
         {{10, 10, 1, 1}, 1},
         none,
         false,
         {{450, 450}, {30, 300}}},
        {"line moves without a button start nothing",
         ToolKind::line,
         1,
         {{150, 300}, {450, 300}},
         {{10, 20, 21, 1}, 21},
         line_done,
         false,
         {{600, 30}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas = grey_canvas();
        EditorState state;
        state.tool = c.tool;
        state.colour = kRed;
        state.width = c.width;
        for (const Point& p : c.hovers) {
            const ToolResult hovered = tool_move(canvas, state, p.x, p.y);
            EXPECT_FALSE(hovered.drew);
            EXPECT_EQ(hovered.overlay, Overlay{});
        }
        EXPECT_EQ(changed(canvas).count, 0);
        const ToolResult pressed = tool_press(canvas, state, c.points.front().x, c.points.front().y);
        EXPECT_EQ(pressed.ask_text, c.ask_text);
        for (std::size_t k = 1; k + 1 < c.points.size(); ++k) tool_move(canvas, state, c.points[k].x, c.points[k].y);
        const ToolResult released = tool_release(canvas, state, c.points.back().x, c.points.back().y);
        EXPECT_EQ(changed(canvas), c.pixels);
        EXPECT_EQ(released.overlay, c.overlay);
        EXPECT_FALSE(state.pressed);
    }
}

TEST(EditorTools, TheRubberBandFollowsAndOnlyAStartedLineDraws) {
    Canvas canvas = grey_canvas();
    EditorState state;
    state.tool = ToolKind::line;
    state.width = 4;
    tool_press(canvas, state, 150, 300);
    const Overlay during = tool_move(canvas, state, 600, 450).overlay;
    ASSERT_TRUE(during.line);
    EXPECT_EQ(*during.line, std::pair(TwipsPoint{150, 300}, TwipsPoint{600, 450}));
    EXPECT_EQ(during.line_width, 4);
    EXPECT_EQ(changed(canvas).count, 0);
    // The cancel drops the line: its release draws nothing, and moves after it nothing either.
    tool_cancel(state);
    tool_move(canvas, state, 300, 300);
    EXPECT_FALSE(tool_release(canvas, state, 300, 300).drew);
    EXPECT_EQ(changed(canvas).count, 0);

    // Another tool's press drops the selection; the selection tool's own keeps making one.
    state.tool = ToolKind::select;
    tool_press(canvas, state, 30, 30);
    tool_release(canvas, state, 30, 30);
    ASSERT_TRUE(state.overlay.selection);
    state.tool = ToolKind::pencil;
    EXPECT_FALSE(tool_press(canvas, state, 300, 300).overlay.selection);
}

// Fills the pixel at the point it is given and reports a line 5 x 3 pixels.
struct DotPainter : TextPainter {
    DrawnLine draw_line(PixelSurface s, int x, int y, const std::string& text, const Font& font, Colour) override {
        s.pixels[static_cast<std::size_t>(y) * s.width + x] = 0xFF000000u;
        printed.push_back(text + "/" + font.name);
        return {5, 3, {x, y, 1, 1}};
    }
    std::vector<std::string> printed;
};

TEST(EditorTools, FillClearAllAndTextInsertion) {
    Canvas canvas = grey_canvas();
    EditorState state;
    state.colour = kRed;
    canvas.set_draw_width(1);
    EXPECT_FALSE(fill_selection(canvas, state));
    EXPECT_EQ(changed(canvas).count, 0);
    // Inset 70 twips from the left and top, 80 from the right and bottom.
    state.overlay.selection = Rect{0, 0, 300, 450};
    EXPECT_TRUE(fill_selection(canvas, state));
    EXPECT_EQ(changed(canvas), (Changed{{4, 4, 11, 21}, 11 * 21}));

    clear_all(canvas);
    EXPECT_EQ(changed(canvas).count, 0);
    EXPECT_TRUE(state.overlay.selection);  // the overlays stay

    DotPainter painter;
    EXPECT_FALSE(insert_text(canvas, state, painter));  // no preview shown
    state.overlay.text_at = TwipsPoint{150, 300};
    state.text.text = "Ab";
    state.text.font.name = "ＭＳ 明朝";
    state.text.font.bold = true;
    EXPECT_TRUE(insert_text(canvas, state, painter));
    EXPECT_EQ(painter.printed, std::vector<std::string>{"Ab/ＭＳ 明朝"});
    EXPECT_EQ(changed(canvas), (Changed{{10, 20, 1, 1}, 1}));
    EXPECT_FALSE(state.overlay.text_at);
    EXPECT_EQ(state.text.text, "");
    EXPECT_EQ(canvas.font(), state.text.font);
    EXPECT_EQ(canvas.text_colour(), kRed);
}

}  // namespace
}  // namespace vis
