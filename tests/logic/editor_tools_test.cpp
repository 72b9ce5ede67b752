// The editor's tools through its document, without a window: a press, moves and a release over
// a canvas, then the pixels changed and what lies over the canvas; fill, clear all and text
// insertion.
#include <gtest/gtest.h>

#include <vector>

#include "editor/editor_document.h"
#include "ui/text_painter.h"

namespace vis {
namespace {

constexpr Colour kRed = rgb(255, 0, 0);

// A document on a grey picture 40 x 30 pixels, drawing in red.
struct GreyDocument : EditorDocument {
    GreyDocument() {
        open({40, 30, std::make_shared<const std::vector<std::uint32_t>>(40 * 30, 0xFF5A5A5A)}, 15, 1);
        set_colour(kRed);
    }
};

// The pixels that changed, as a bounding rectangle, and how many.
struct Changed {
    PixelRect bounds;
    int count = 0;
    bool operator==(const Changed&) const = default;
};

Changed changed(const EditorDocument& doc) {
    Changed out;
    const Picture p = doc.canvas().image();
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
        Overlay overlay;                 // after the release
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
        {"text follows the drag", ToolKind::text, 1, {{300, 300}, {600, 450}, {600, 450}}, {}, text_moved},
        {"pencil moves without a button draw nothing",
         ToolKind::pencil,
         1,
         {{150, 150}, {150, 150}},
         {{10, 10, 1, 1}, 1},
         none,
         {{450, 450}, {30, 300}}},
        {"line moves without a button start nothing",
         ToolKind::line,
         1,
         {{150, 300}, {450, 300}},
         {{10, 20, 21, 1}, 21},
         line_done,
         {{600, 30}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GreyDocument doc;
        doc.set_tool(c.tool);
        doc.set_pen_width(c.width);
        for (const Point& p : c.hovers) doc.move(p.x, p.y);
        EXPECT_EQ(changed(doc).count, 0);
        EXPECT_EQ(doc.overlay(), Overlay{});
        doc.press(c.points.front().x, c.points.front().y);
        for (std::size_t k = 1; k + 1 < c.points.size(); ++k) doc.move(c.points[k].x, c.points[k].y);
        doc.release(c.points.back().x, c.points.back().y);
        EXPECT_EQ(changed(doc), c.pixels);
        EXPECT_EQ(doc.overlay(), c.overlay);
        EXPECT_FALSE(doc.pressed());
    }
}

TEST(EditorTools, TheRubberBandFollowsAndOnlyAStartedLineDraws) {
    GreyDocument doc;
    doc.set_tool(ToolKind::line);
    doc.press(150, 300);
    doc.move(600, 450);
    ASSERT_TRUE(doc.overlay().line);
    EXPECT_EQ(*doc.overlay().line, std::pair(TwipsPoint{150, 300}, TwipsPoint{600, 450}));
    EXPECT_EQ(changed(doc).count, 0);
    // The cancel drops the line: its release draws nothing, and moves after it nothing either.
    doc.cancel();
    doc.move(300, 300);
    doc.release(300, 300);
    EXPECT_EQ(changed(doc).count, 0);
    EXPECT_FALSE(doc.history().can_undo());

    // Another tool's press drops the selection; the selection tool's own keeps making one.
    doc.set_tool(ToolKind::select);
    doc.press(30, 30);
    doc.release(30, 30);
    ASSERT_TRUE(doc.overlay().selection);
    doc.set_tool(ToolKind::pencil);
    doc.press(300, 300);
    EXPECT_FALSE(doc.overlay().selection);
}

// Fills the pixel at the point it is given and reports a line 5 x 3 pixels.
struct DotPainter : TextPainter {
    DrawnLine draw_line(PixelSurface s, int x, int y, const std::string& text, const Font& font, Colour) override {
        if (s.pixels == nullptr) return {5, 3, {}};
        s.pixels[static_cast<std::size_t>(y) * s.width + x] = 0xFF000000u;
        printed.push_back(text + "/" + font.name);
        return {5, 3, {x, y, 1, 1}};
    }
    std::vector<std::string> printed;
};

TEST(EditorTools, FillClearAllAndTextInsertion) {
    GreyDocument doc;
    doc.set_pen_width(1);
    EXPECT_FALSE(doc.fill());
    EXPECT_EQ(changed(doc).count, 0);
    // Inset 70 twips from the left and top, 80 from the right and bottom.
    doc.set_tool(ToolKind::select);
    doc.press(0, 0);
    doc.move(300, 450);
    doc.release(300, 450);
    EXPECT_TRUE(doc.fill());
    EXPECT_EQ(changed(doc), (Changed{{4, 4, 11, 21}, 11 * 21}));

    EXPECT_TRUE(doc.clear_all());
    EXPECT_EQ(changed(doc).count, 0);
    EXPECT_TRUE(doc.overlay().selection);  // the overlays stay

    DotPainter painter;
    EXPECT_TRUE(doc.insert_text(painter));  // no preview shown: nothing printed
    EXPECT_TRUE(painter.printed.empty());
    doc.set_tool(ToolKind::text);
    doc.press(150, 300);
    doc.release(150, 300);
    TextSettings text;
    text.text = "Ab";
    text.font.name = "ＭＳ 明朝";
    text.font.bold = true;
    doc.set_text(text);
    EXPECT_TRUE(doc.insert_text(painter));
    EXPECT_EQ(painter.printed, std::vector<std::string>{"Ab/ＭＳ 明朝"});
    EXPECT_EQ(changed(doc), (Changed{{10, 20, 1, 1}, 1}));
    EXPECT_FALSE(doc.overlay().text_at);
    EXPECT_EQ(doc.text().text, "");
    EXPECT_EQ(doc.canvas().font(), text.font);
    EXPECT_EQ(doc.canvas().text_colour(), kRed);
}

}  // namespace
}  // namespace vis
