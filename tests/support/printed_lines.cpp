#include "printed_lines.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "editor/canvas.h"
#include "editor/history.h"

namespace vis::test {

namespace {

constexpr int kWidth = 640, kHeight = 300;
// Where the line's box starts, in pixels: on the corner of a tile of the undo history, so that
// what the glyphs draw left of or above the box lies in tiles of its own.
constexpr int kX = 2 * History::kTileWidth, kY = 3 * History::kTileHeight;

// Every pixel differs from its neighbours, so no drawn pixel goes unseen.
std::vector<std::uint32_t> pattern() {
    std::vector<std::uint32_t> out(std::size_t{kWidth} * kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            out[static_cast<std::size_t>(y) * kWidth + x] =
                0xFF000000u | static_cast<std::uint32_t>((x * 37 + y * 11) % 200) << 16 |
                static_cast<std::uint32_t>((x * 5 + y * 29) % 200) << 8 | static_cast<std::uint32_t>((x + y) % 200);
    return out;
}

Font font(const char* name, double size_pt, bool bold, bool italic) {
    Font f;
    f.name = name;
    f.size_pt = size_pt;
    f.bold = bold;
    f.italic = italic;
    return f;
}

}  // namespace

std::vector<PrintedLine> reaching_lines() {
    return {
        {"serif italic tails", font("DejaVu Serif", 72, false, true), "fjord", true},
        {"accents over capitals", font("DejaVu Sans", 48, false, false), "jÅÉ", true},
        {"bold italic, Japanese", font("ＭＳ Ｐゴシック", 40, true, true), "保存ｆÅ", false},
    };
}

void expect_printed_and_undone(TextPainter& painter, const PrintedLine& line) {
    SCOPED_TRACE(line.name);
    const std::vector<std::uint32_t> before = pattern();
    constexpr Colour kInk = rgb(250, 250, 250);

    std::vector<std::uint32_t> pixels = before;
    const DrawnLine drawn =
        painter.draw_line({pixels.data(), kWidth, kHeight, 15.0}, kX, kY, line.text, line.font, kInk);
    PixelRect really;
    int outside = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * kWidth + x;
            if (pixels[i] == before[i]) continue;
            really = united(really, {x, y, 1, 1});
            if (x < kX || y < kY) ++outside;
        }
    ASSERT_FALSE(really.empty());
    EXPECT_EQ(drawn.changed, really);
    if (line.reaches_out) {
        EXPECT_GT(outside, 0) << "glyphs cut at the line's box";
    }

    Canvas canvas;
    canvas.set_background({kWidth, kHeight, std::make_shared<const std::vector<std::uint32_t>>(before)});
    History history;
    history.reset(canvas);
    canvas.take_changed();
    canvas.set_font(line.font);
    canvas.set_text_colour(kInk);
    canvas.set_current_point(kX * 15, kY * 15);
    canvas.print(line.text, painter);
    // The history compares only where the canvas says it drew.
    history.note(canvas.take_changed());
    ASSERT_TRUE(history.record(canvas));
    EXPECT_EQ(*canvas.image().pixels, pixels) << "printed as drawn";
    history.undo(canvas);
    EXPECT_EQ(*canvas.image().pixels, before) << "pixels left after undo";
}

}  // namespace vis::test
