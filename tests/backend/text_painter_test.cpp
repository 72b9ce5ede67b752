// Text on each system: a line drawn into a pixel buffer in its colour, only where it says, clipped
// rather than wrapped and measured as wide as it is drawn; printed on the editor's canvas, the next
// line starts at the left edge a line lower; and the painter tells where its glyphs went, so that
// undo removes them all.
#include <algorithm>
#include <memory>

#include "backend/backend_driver.h"
#include "editor/canvas.h"
#include "support/printed_lines.h"

namespace vis::test {
namespace {

TEST_F(BackendTest, ALineIsDrawnInItsColourWhereItSaysAndMeasuresAsDrawn) {
    constexpr int kWidth = 200, kHeight = 40;
    constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
    std::vector<std::uint32_t> pixels(kWidth * kHeight, kWhite);
    const std::unique_ptr<TextPainter> painter = driver->text_painter();
    const std::unique_ptr<TextMetrics> metrics = driver->text_metrics();
    const Font font;  // "ＭＳ Ｐゴシック" 9 pt
    const PixelSurface surface{pixels.data(), kWidth, kHeight, 15.0};
    const DrawnLine size = painter->draw_line(surface, 10, 5, "保存しました", font, rgb(255, 0, 0));
    ASSERT_GT(size.width, 30);
    ASSERT_GT(size.height, 8);
    int drawn = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const std::uint32_t p = pixels[static_cast<std::size_t>(y) * kWidth + x];
            EXPECT_EQ(p >> 24, 0xFFu) << "the unused byte stays";
            if (p == kWhite) continue;
            ++drawn;
            const PixelRect& c = size.changed;
            EXPECT_TRUE(x >= c.left && x < c.left + c.width && y >= c.top && y < c.top + c.height) << x << "," << y;
            // Red on white: only green and blue fall.
            EXPECT_EQ((p >> 16) & 0xFF, 0xFFu);
        }
    }
    EXPECT_GT(drawn, 20);

    // Measured in twips on this screen (15 twips a pixel), the same line is as wide as drawn.
    const TextSize measured = metrics->measure("保存しました", font);
    EXPECT_EQ(measured.width, size.width * 15);
    EXPECT_EQ(metrics->measure("保存しました\r\n保存", font).height, 2 * measured.height);

    // A line that starts left of the surface and runs past its bottom is clipped, not wrapped.
    std::vector<std::uint32_t> small(20 * 6, kWhite);
    const DrawnLine clipped = painter->draw_line({small.data(), 20, 6, 15.0}, -5, 2, "保存", font, rgb(0, 0, 0));
    EXPECT_EQ(clipped.width * 15, metrics->measure("保存", font).width);
    EXPECT_NE(std::count(small.begin(), small.end(), kWhite), static_cast<long>(small.size()));
}

TEST_F(BackendTest, TheCanvasPrintsInTheTextColourAndTheNextLineStartsAtTheLeft) {
    constexpr std::uint32_t kBlack = 0xFF000000u;
    Canvas canvas;
    canvas.set_background({200, 60, std::make_shared<const std::vector<std::uint32_t>>(200 * 60, kBlack)});
    Font font;  // "ＭＳ Ｐゴシック", through its stand-in
    font.size_pt = 20;
    font.bold = true;
    canvas.set_font(font);
    canvas.set_text_colour(rgb(255, 128, 0));
    canvas.set_current_point(75, 75);  // pixel (5, 5)

    const std::unique_ptr<TextPainter> painter = driver->text_painter();
    canvas.print("ＡＢ", *painter);

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
    canvas.print("ＡＢ", *painter);
    const Picture both = canvas.image();
    int top = both.height, left = both.width;
    for (int y = 0; y < both.height; ++y)
        for (int x = 0; x < both.width; ++x)
            if ((both.pixel(x, y) & 0xFFFFFF) == 0x0080FFu) top = std::min(top, y), left = std::min(left, x);
    EXPECT_GE(top, 5 + 26);
    EXPECT_LT(left, 5);
}

TEST_F(BackendTest, ThePainterTellsWhereItsGlyphsWentSoThatUndoRemovesThemAll) {
    const std::unique_ptr<TextPainter> painter = driver->text_painter();
    for (const PrintedLine& line : reaching_lines()) expect_printed_and_undone(*painter, line);
}

}  // namespace
}  // namespace vis::test
