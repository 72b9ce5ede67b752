// The four effects on a canvas: exact pixels, the selection's edges, stopping and progress.
#include <gtest/gtest.h>

#include <functional>

#include "editor/canvas.h"
#include "editor/effects.h"

namespace vis {
namespace {

using PixelFn = std::function<Colour(int x, int y)>;

Canvas canvas_of(int w, int h, const PixelFn& colour) {
    auto pixels = std::make_shared<std::vector<std::uint32_t>>();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Colour c = colour(x, y);
            pixels->push_back(0xFF000000u | red_of(c) << 16 | green_of(c) << 8 | blue_of(c));
        }
    Canvas canvas;
    canvas.set_background({w, h, pixels});
    return canvas;
}

Colour at(const Canvas& c, int x, int y) {
    return static_cast<Colour>(c.point(x * 15, y * 15));
}

// Pixels to the twips of a selection.
Rect px(int left, int top, int width, int height) {
    return {left * 15, top * 15, width * 15, height * 15};
}

TEST(EffectGreyAndNegative, ExactComponentsInsideTheSelectionOnly) {
    const Colour row[] = {rgb(10, 20, 31), rgb(255, 255, 254), rgb(0, 200, 0), rgb(0, 128, 255), rgb(255, 255, 255)};
    Canvas grey = canvas_of(5, 2, [&](int x, int) { return row[x]; });
    grey.set_draw_width(10);
    EXPECT_EQ(monochrome(grey, px(0, 0, 2, 0)), EffectEnd::completed);
    EXPECT_EQ(at(grey, 0, 0), rgb(20, 20, 20));
    EXPECT_EQ(at(grey, 1, 0), rgb(254, 254, 254));
    EXPECT_EQ(at(grey, 2, 0), rgb(66, 66, 66));
    EXPECT_EQ(at(grey, 3, 0), row[3]);  // right of the selection
    EXPECT_EQ(at(grey, 0, 1), row[0]);  // below it
    // The canvas is given back as it was lent.
    EXPECT_EQ(grey.draw_width(), 10);
    EXPECT_EQ(grey.scale_mode(), ScaleMode::twips);

    Canvas neg = canvas_of(5, 1, [&](int x, int) { return x == 0 ? rgb(0, 0, 0) : row[x]; });
    EXPECT_EQ(negative(neg, px(0, 0, 4, 0)), EffectEnd::completed);
    EXPECT_EQ(at(neg, 0, 0), rgb(255, 255, 255));
    EXPECT_EQ(at(neg, 3, 0), rgb(255, 128, 1));
    EXPECT_EQ(at(neg, 4, 0), rgb(1, 1, 1));  // white does not come back as black
}

TEST(EffectBlur, SpreadsAPixelOverItsNeighboursFromTheSnapshot) {
    Canvas c = canvas_of(9, 9, [](int x, int y) { return x == 4 && y == 4 ? rgb(255, 255, 255) : 0; });
    EXPECT_EQ(blur(c, px(0, 0, 8, 8)), EffectEnd::completed);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            EXPECT_EQ(at(c, x, y), x >= 3 && x <= 5 && y >= 3 && y <= 5 ? rgb(28, 28, 28) : 0) << x << "," << y;

    // Far beyond 1300 pixels; at the selection's border only the neighbours inside it count, so
    // a white pixel just outside stays out and a white one just inside is averaged over six.
    Canvas wide = canvas_of(
        1500, 12, [](int x, int y) { return (x == 1450 && y == 5) || (x == 1451 && y == 8) ? rgb(255, 255, 255) : 0; });
    EXPECT_EQ(blur(wide, px(1451, 0, 20, 11)), EffectEnd::completed);
    EXPECT_EQ(at(wide, 1451, 5), 0u);
    EXPECT_EQ(at(wide, 1450, 5), rgb(255, 255, 255));  // outside, unwritten
    EXPECT_EQ(at(wide, 1451, 8), rgb(42, 42, 42));     // 255 / 6 = 42.5, to even
    EXPECT_EQ(at(wide, 1452, 8), rgb(28, 28, 28));
}

TEST(EffectBlur, EdgesOfTheCanvasAverageWhatIsThereRoundingHalvesToEven) {
    Canvas uniform = canvas_of(5, 4, [](int, int) { return rgb(77, 150, 3); });
    blur(uniform, px(0, 0, 4, 3));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(at(uniform, x, y), rgb(77, 150, 3));

    // Every pixel of a 2 x 2 canvas averages four: 2/4, 6/4 and 10/4 give 0, 2 and 2.
    Canvas halves = canvas_of(2, 2, [](int, int y) { return y == 0 ? rgb(1, 3, 5) : 0; });
    blur(halves, px(0, 0, 1, 1));
    EXPECT_EQ(at(halves, 1, 1), rgb(0, 2, 2));
}

TEST(EffectMosaic, BlocksOfEightFromTheCornerWithAWholeLastColumnAndRow) {
    // Red and green count columns and rows from 1, so block averages end in a half.
    Canvas c = canvas_of(32, 32, [](int x, int y) { return rgb(x + 1, y + 1, 0); });
    std::vector<int> progress;
    EXPECT_EQ(mosaic(c, px(0, 0, 16, 16), {{}, [&](int p) { progress.push_back(p); }}), EffectEnd::completed);
    const auto block = [](int v) { return v < 8 ? 4 : v < 16 ? 12 : 20; };
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            ASSERT_EQ(at(c, x, y), x <= 24 && y <= 24 ? rgb(block(x), block(y), 0) : rgb(x + 1, y + 1, 0))
                << x << "," << y;
    EXPECT_EQ(progress, (std::vector<int>{0, 50, 100}));

    // A uniform area stays as it was, whatever the pen.
    Canvas flat = canvas_of(40, 40, [](int, int) { return rgb(9, 99, 199); });
    flat.set_draw_width(10);
    mosaic(flat, px(10, 10, 10, 10));
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(at(flat, x, y), rgb(9, 99, 199));
}

TEST(EffectMosaic, OnAScaledScreenGivesThePixelsItGivesOnAPlainOne) {
    // Twice as many device pixels as screen pixels: a picture pixel is 7.5 twips, and the same
    // selection in picture pixels is half as many twips.
    const PixelFn picture = [](int x, int y) { return rgb(7 * x, 5 * y, 3 * (x ^ y)); };
    for (const int pen : {1, 4}) {
        Canvas plain = canvas_of(40, 30, picture), scaled = canvas_of(40, 30, picture);
        scaled.set_screen(15, 2);
        plain.set_draw_width(pen);
        scaled.set_draw_width(pen);
        mosaic(plain, px(4, 2, 20, 18));
        mosaic(scaled, {30, 15, 150, 135});
        EXPECT_EQ(*scaled.image().pixels, *plain.image().pixels) << "pen " << pen;
    }
}

TEST(EffectMosaic, AveragesOnlyWhatIsOnTheCanvasAndDrawsWithThePen) {
    const Colour reds[] = {rgb(10, 0, 0), rgb(11, 0, 0), rgb(12, 0, 0), rgb(14, 0, 0)};
    const PixelFn picture = [&](int x, int) { return x >= 8 ? reds[x - 8] : 0; };
    // The block over columns 8 to 15 has 32 of its 64 pixels on the canvas: 376 / 32 rounds to 12.
    Canvas c = canvas_of(12, 8, picture);
    mosaic(c, px(8, 0, 0, 0));
    EXPECT_EQ(at(c, 9, 3), rgb(12, 0, 0));
    EXPECT_EQ(at(c, 7, 3), 0u);
    // A pen of 3 pixels reaches one pixel past the block.
    Canvas wide = canvas_of(12, 8, picture);
    wide.set_draw_width(3);
    mosaic(wide, px(8, 0, 0, 0));
    EXPECT_EQ(at(wide, 7, 3), rgb(12, 0, 0));
    EXPECT_EQ(at(wide, 6, 3), 0u);
    EXPECT_EQ(wide.draw_width(), 3);
}

TEST(Effects, StopKeepsWhatWasDoneAndGivesTheCanvasBack) {
    // Monochrome and negative go in bands of 64 columns, asking before each band.
    Canvas c = canvas_of(200, 3, [](int, int) { return rgb(0, 0, 0); });
    c.set_draw_width(7);
    int asked = 0;
    std::vector<int> progress;
    const EffectPacing stop_at_third{[&] { return ++asked < 3; }, [&](int p) { progress.push_back(p); }};
    EXPECT_EQ(negative(c, px(0, 0, 199, 1), stop_at_third), EffectEnd::stopped);
    for (int x : {0, 127, 128, 199}) {
        EXPECT_EQ(at(c, x, 1), x < 128 ? rgb(255, 255, 255) : 0u) << x;
        EXPECT_EQ(at(c, x, 2), 0u) << x;  // below the selection
    }
    EXPECT_EQ(progress, (std::vector<int>{31, 63}));  // Int(100 * x / 199) after each band's last column
    EXPECT_EQ(c.draw_width(), 7);
    EXPECT_EQ(c.scale_mode(), ScaleMode::twips);

    asked = 0;
    EXPECT_EQ(blur(c, px(0, 0, 5, 2), {[&] { return ++asked < 2; }, {}}), EffectEnd::stopped);
    asked = 0;
    EXPECT_EQ(mosaic(c, px(0, 0, 5, 2), {[&] { return ++asked < 1; }, {}}), EffectEnd::stopped);
    EXPECT_EQ(at(c, 0, 0), rgb(255, 255, 255));  // the mosaic stopped before its first block
}

TEST(Effects, SelectionsBeyondTheCanvasTouchOnlyWhatIsOnIt) {
    Canvas c = canvas_of(10, 10, [](int x, int y) { return rgb(x * 20, y * 20, 100); });
    const Picture before = c.image();
    for (const auto& effect : {mosaic, blur, monochrome, negative})
        EXPECT_EQ(effect(c, px(300, 300, 20, 20), {}), EffectEnd::completed);
    EXPECT_EQ(*c.image().pixels, *before.pixels);

    // A selection of two billion twips each way ends at once, having covered the whole canvas.
    const Rect huge{-1'000'000'000, -1'000'000'000, 2'000'000'000, 2'000'000'000};
    EXPECT_EQ(negative(c, huge), EffectEnd::completed);
    EXPECT_EQ(at(c, 0, 0), rgb(255, 255, 156));
    EXPECT_EQ(at(c, 9, 9), rgb(76, 76, 156));
    Canvas flat = canvas_of(10, 10, [](int, int) { return rgb(50, 60, 70); });
    EXPECT_EQ(mosaic(flat, huge), EffectEnd::completed);
    EXPECT_EQ(blur(flat, huge), EffectEnd::completed);
    EXPECT_EQ(at(flat, 5, 5), rgb(50, 60, 70));
}

}  // namespace
}  // namespace vis
