// The editor's canvas: twips to pixels, round pens, lines, boxes, clipping and text.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "editor/canvas.h"
#include "support/canvas_pixels.h"
#include "ui/text_painter.h"

namespace vis {
namespace {

constexpr Colour kInk = rgb(10, 20, 30);
constexpr std::int32_t ink = kInk, grey = rgb(90, 90, 90);
using Pixels = std::set<std::pair<int, int>>;

Picture filled(int w, int h) {
    return {w, h, std::make_shared<const std::vector<std::uint32_t>>(static_cast<std::size_t>(w) * h, 0xFF5A5A5A)};
}

// A canvas in pixel units, so tests can name pixels directly.
Canvas pixel_canvas(int w, int h) {
    Canvas c;
    c.set_background(filled(w, h));
    c.set_scale_mode(ScaleMode::pixels);
    return c;
}

// The pixels in ink, read from the picture bytes whatever the canvas's units.
Pixels inked(const Canvas& c) {
    Pixels at;
    const Picture image = c.image();
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0x0A141E) at.insert({x, y});
    return at;
}

TEST(Canvas, TwipsAddressThePixelThatContainsThemAndClearBringsBackThePicture) {
    Canvas c;
    c.set_background(filled(800, 600));
    EXPECT_EQ(c.width(), 12000);
    EXPECT_EQ(c.height(), 9000);
    c.pset(29, 44, kInk);
    EXPECT_EQ(inked(c), (Pixels{{1, 2}}));
    EXPECT_EQ(test::colour_at(c, 15, 30), ink);
    EXPECT_EQ(test::colour_at(c, 14.9, 30), grey);
    for (const auto& [x, y] : {std::pair{-1.0, 0.0}, {0.0, -0.5}, {12000.0, 0.0}, {0.0, 9000.0}})
        EXPECT_EQ(test::colour_at(c, x, y), -1) << x << "," << y;

    const Picture snapshot = c.image();
    c.pset(600, 450, kInk);
    EXPECT_EQ(snapshot.pixel(40, 30) & 0xFFFFFF, 0x5A5A5Au);  // later drawing is not in it
    c.set_screen(12, 1);
    EXPECT_EQ(test::colour_at(c, 480, 360), ink);
    c.clear();
    EXPECT_TRUE(inked(c).empty());
}

TEST(Canvas, PenDotsAreRoundAndAsWideAsThePen) {
    for (const int width : {1, 2, 3, 4, 10, 11}) {
        Canvas c = pixel_canvas(40, 40);
        c.set_draw_width(width);
        c.pset(20, 20, kInk);
        const Pixels dot = inked(c);
        int x0 = 99, x1 = -1, y0 = 99, y1 = -1;
        for (const auto& [x, y] : dot)
            x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
        for (const auto& [x, y] : dot) EXPECT_TRUE(dot.count({x0 + x1 - x, y0 + y1 - y})) << width;
        EXPECT_EQ(x1 - x0 + 1, width);
        EXPECT_EQ(y1 - y0 + 1, width);
        EXPECT_TRUE(dot.count({20, 20}));
        // Round: wide dots leave their bounding square's corners out.
        EXPECT_EQ(dot.count({x0, y0}), width >= 4 ? 0u : 1u) << width;
    }
}

TEST(Canvas, LinesJoinBothEndsAndMoveTheCurrentPoint) {
    Canvas c = pixel_canvas(20, 20);
    c.set_current_point(2, 3);
    c.line_to(8, 5, kInk);
    EXPECT_EQ(inked(c), (Pixels{{2, 3}, {3, 3}, {4, 4}, {5, 4}, {6, 4}, {7, 5}, {8, 5}}));
    // The next line goes on from the end of the last.
    c.line_to(8, 8, kInk);
    EXPECT_EQ(inked(c).count({8, 6}), 1u);
    EXPECT_EQ(inked(c).size(), 10u);

    // Thickness spreads across the line, round at the ends.
    c.clear();
    c.set_draw_width(5);
    c.line(4, 10, 14, 10, kInk);
    for (int y = 7; y <= 13; ++y) EXPECT_EQ(test::colour_at(c, 9, y) == ink, y >= 8 && y <= 12) << y;
    EXPECT_EQ(test::colour_at(c, 2, 10), ink);
    EXPECT_EQ(test::colour_at(c, 1, 10), grey);
    EXPECT_EQ(test::colour_at(c, 2, 8), grey);
    // Only pixels that took another colour count as changed: over its own ink nothing did.
    c.take_changed();
    c.line(4, 10, 14, 10, kInk);
    EXPECT_TRUE(c.take_changed().empty());
    c.line(4, 10, 16, 10, kInk);
    EXPECT_EQ(c.take_changed(), (PixelRect{16, 8, 3, 5}));  // the new round end
}

TEST(Canvas, BoxesFillBetweenTheirCornersAndGrowWithThePen) {
    Canvas c;
    c.set_background(filled(10, 10));
    c.box_sized(30, 45, 45, -30, kInk);  // pixels 2..5 by 1..3, either direction
    Pixels expected;
    for (int y = 1; y <= 3; ++y)
        for (int x = 2; x <= 5; ++x) expected.insert({x, y});
    EXPECT_EQ(inked(c), expected);
    c.clear();
    c.box_sized(75, 15, -45, 30, kInk);
    EXPECT_EQ(inked(c), expected);

    // A pen of 3 adds a pixel all round, corners included (they lie within its reach).
    c.clear();
    c.set_scale_mode(ScaleMode::pixels);
    c.set_draw_width(3);
    c.box_sized(4, 4, 1, 1, kInk);
    EXPECT_EQ(inked(c).size(), 16u);
    EXPECT_EQ(test::colour_at(c, 3, 3), ink);
}

TEST(Canvas, ClipsWhateverFallsOutsideAndTakesAnEmptyPicture) {
    Canvas c = pixel_canvas(6, 4);
    c.set_draw_width(3);
    c.line(-50, -50, 1, 1, kInk);  // from far outside into the top-left corner
    EXPECT_EQ(test::colour_at(c, 0, 0), ink);
    EXPECT_EQ(test::colour_at(c, 5, 3), grey);
    // A huge pen or huge coordinates cover the canvas and no more, at once.
    c.set_draw_width(1'000'000'000);
    c.line(-1e12, 0, 1e12, 1e12, kInk);
    EXPECT_EQ(inked(c).size(), 24u);
    c.clear();
    c.set_draw_width(0);  // counts as 1
    c.line(-1e15, 2, 1e15, 2, kInk);
    EXPECT_EQ(inked(c).size(), 6u);

    Canvas empty;
    empty.set_background(Picture{});
    empty.set_draw_width(30);
    empty.pset(0, 0, kInk);
    empty.box_sized(0, 0, 100, 100, kInk);
    empty.line(0, 0, 100, 100, kInk);
    EXPECT_EQ(empty.width(), 0);
    EXPECT_EQ(test::colour_at(empty, 0, 0), -1);
}

// Marks the pixel it is given in the text colour and reports a line 7 pixels high.
struct FakePainter : TextPainter {
    DrawnLine draw_line(PixelSurface s, int x, int y, const std::string& text, const Font& font,
                        Colour colour) override {
        s.pixels[static_cast<std::size_t>(y) * s.width + x] = 0xFF000000u | red_of(colour) << 16;
        seen = text + "/" + font.name + "/" + std::to_string(s.twips_per_pixel);
        return {30, 7, {x, y, 1, 1}};
    }
    std::string seen;
};

TEST(Canvas, PrintsALineAtTheCurrentPointThenMovesBelowIt) {
    Canvas c;
    c.set_background(filled(20, 20));
    Font f;
    f.name = "ＭＳ 明朝";
    c.set_font(f);
    c.set_text_colour(rgb(255, 0, 0));
    c.set_current_point(45, 60);
    FakePainter painter;
    c.print("Ｐ", painter);
    EXPECT_EQ(painter.seen, "Ｐ/ＭＳ 明朝/15.000000");
    EXPECT_EQ(test::colour_at(c, 45, 60), static_cast<std::int32_t>(rgb(255, 0, 0)));
    // The next line starts at the left edge, one line (7 pixels) lower.
    c.set_text_colour(rgb(128, 0, 0));
    c.print("Ｑ", painter);
    EXPECT_EQ(test::colour_at(c, 0, 60 + 7 * 15), static_cast<std::int32_t>(rgb(128, 0, 0)));
}

}  // namespace
}  // namespace vis
