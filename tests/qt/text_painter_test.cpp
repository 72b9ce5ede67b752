// Text printed into a canvas's own pixel buffer by Qt.
#include <gtest/gtest.h>

#include <algorithm>

#include "editor/canvas.h"
#include "qt/qt_text_painter.h"
#include "support/printed_lines.h"

namespace vis::test {
namespace {

TEST(QtTextPainter, PrintsIntoTheCanvasBufferInTheTextColour) {
    constexpr std::uint32_t kBlack = 0xFF000000u;
    Canvas canvas;
    canvas.set_background({200, 60, std::make_shared<const std::vector<std::uint32_t>>(200 * 60, kBlack)});
    Font font;  // "ＭＳ Ｐゴシック", through its stand-in
    font.size_pt = 20;
    font.bold = true;
    canvas.set_font(font);
    canvas.set_text_colour(rgb(255, 128, 0));
    canvas.set_current_point(75, 75);  // pixel (5, 5)

    QtTextPainter painter;
    canvas.print("ＡＢ", painter);

    const Picture image = canvas.image();
    int in_colour = 0, left_of_text = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = image.pixel(x, y) & 0xFFFFFF;
            if (p == 0xFF8000) ++in_colour;
            if ((x < 5 || y < 5) && p != 0) ++left_of_text;
        }
    EXPECT_GT(in_colour, 50);
    EXPECT_EQ(left_of_text, 0);
    EXPECT_EQ(image.pixel(199, 59) & 0xFFFFFF, 0u);
    // The next line starts at the left edge, one 20-point line down: at least 26 pixels lower.
    canvas.set_text_colour(rgb(0, 128, 255));
    canvas.print("ＡＢ", painter);
    const Picture both = canvas.image();
    int top = both.height, left = both.width;
    for (int y = 0; y < both.height; ++y)
        for (int x = 0; x < both.width; ++x)
            if ((both.pixel(x, y) & 0xFFFFFF) == 0x0080FFu) top = std::min(top, y), left = std::min(left, x);
    EXPECT_GE(top, 5 + 26);
    EXPECT_LT(left, 5);
}

TEST(QtTextPainter, TellsWhereItsGlyphsWentSoThatUndoRemovesThemAll) {
    QtTextPainter painter;
    for (const PrintedLine& line : reaching_lines()) expect_printed_and_undone(painter, line);
}

}  // namespace
}  // namespace vis::test
