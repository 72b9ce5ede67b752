// Each effect against a straightforward per-pixel version of its rules, written here with the
// canvas's own point, pset and box, over a table of canvases, scales, pens and selections.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "editor/canvas.h"
#include "editor/effects.h"
#include "support/canvas_pixels.h"

namespace vis {
namespace {

int to_even(double v) {
    return static_cast<int>(std::nearbyint(v));  // the default rounding: halves to even
}

Colour capped(int r, int g, int b) {
    return rgb(std::min(r, 255), std::min(g, 255), std::min(b, 255));
}

// Monochrome and negative: every pixel from left to left + width, top to top + height, in pixels.
template <class Change>
void each_pixel(Canvas& c, const Rect& s, Change change) {
    const int width = c.draw_width();
    c.set_scale_mode(ScaleMode::pixels);
    c.set_draw_width(1);
    const double t = c.twips_per_pixel();
    const double left = s.left / t, top = s.top / t;
    for (double x = left; x <= left + s.width / t + 1e-9; x += 1)
        for (double y = top; y <= top + s.height / t + 1e-9; y += 1) {
            const std::int32_t v = test::colour_at(c, x, y);
            if (v != -1) c.pset(x, y, change(static_cast<Colour>(v)));
        }
    c.set_scale_mode(ScaleMode::twips);
    c.set_draw_width(width);
}

void reference_monochrome(Canvas& c, const Rect& s) {
    each_pixel(c, s, [](Colour v) {
        const int grey = (red_of(v) + green_of(v) + blue_of(v)) / 3;
        return rgb(grey, grey, grey);
    });
}

void reference_negative(Canvas& c, const Rect& s) {
    each_pixel(c, s, [](Colour v) { return capped(256 - red_of(v), 256 - green_of(v), 256 - blue_of(v)); });
}

// Stops after `columns` columns of blocks, if given.
void reference_mosaic(Canvas& c, const Rect& s, int columns) {
    const int tx = static_cast<int>(std::lround(c.twips_per_pixel())), ty = tx;
    for (int x = s.left; x <= s.left + s.width && columns-- != 0; x += 8 * tx)
        for (int y = s.top; y <= s.top + s.height; y += 8 * ty) {
            int count = 64, r = 0, g = 0, b = 0;
            for (int i = 1; i <= 8 * tx; i += tx)
                for (int j = 1; j <= 8 * ty; j += ty) {
                    const std::int32_t v = test::colour_at(c, x + i, y + j);
                    if (v == -1) {
                        --count;
                        continue;
                    }
                    r += red_of(static_cast<Colour>(v));
                    g += green_of(static_cast<Colour>(v));
                    b += blue_of(static_cast<Colour>(v));
                }
            if (count != 0) {
                r = to_even(r / static_cast<double>(count));
                g = to_even(g / static_cast<double>(count));
                b = to_even(b / static_cast<double>(count));
            }
            c.box_sized(x, y, 8 * tx, 8 * ty, capped(r, g, b));
        }
}

void reference_mosaic(Canvas& c, const Rect& s) {
    reference_mosaic(c, s, -1);
}

// The 3 x 3 average over a snapshot, counting only the neighbours inside both the selection and
// the canvas.
void reference_blur(Canvas& c, const Rect& s) {
    const double t = c.twips_per_pixel();
    const int x0 = std::max(to_even(s.left / t), 0), x1 = std::min(to_even((s.left + s.width) / t), c.width_px() - 1);
    const int y0 = std::max(to_even(s.top / t), 0), y1 = std::min(to_even((s.top + s.height) / t), c.height_px() - 1);
    std::map<std::pair<int, int>, Colour> snapshot;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) snapshot[{x, y}] = static_cast<Colour>(test::colour_at(c, x * t, y * t));
    const int width = c.draw_width();
    c.set_draw_width(1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            int r = 0, g = 0, b = 0, n = 0;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy) {
                    const auto it = snapshot.find({x + dx, y + dy});
                    if (it == snapshot.end()) continue;
                    r += red_of(it->second);
                    g += green_of(it->second);
                    b += blue_of(it->second);
                    ++n;
                }
            c.pset(x * t, y * t, rgb(to_even(r / double(n)), to_even(g / double(n)), to_even(b / double(n))));
        }
    c.set_draw_width(width);
}

Canvas noise_canvas(int w, int h, double twips_per_pixel) {
    auto pixels = std::make_shared<std::vector<std::uint32_t>>();
    std::uint32_t seed = 12345;
    for (int i = 0; i < w * h; ++i) {
        seed = seed * 1664525u + 1013904223u;
        pixels->push_back(0xFF000000u | (seed >> 8));
    }
    Canvas canvas(twips_per_pixel);
    canvas.set_background({w, h, pixels});
    return canvas;
}

using Effect = EffectEnd (*)(Canvas&, const Rect&, const EffectPacing&);
using Reference = void (*)(Canvas&, const Rect&);

struct Case {
    std::string name;
    Rect selection;  // in pixels of 15 twips, scaled to the canvas below
};

// Twips: whole, inside, at each edge, reaching past the canvas, off whole pixels, one pixel.
const Case cases[] = {
    {"whole canvas", {0, 0, 40 * 15, 28 * 15}},
    {"inside", {5 * 15, 3 * 15, 17 * 15, 11 * 15}},
    {"top-left edge", {0, 0, 9 * 15, 6 * 15}},
    {"bottom-right edge", {30 * 15, 20 * 15, 10 * 15, 8 * 15}},
    {"past every edge", {-7 * 15, -5 * 15, 60 * 15, 45 * 15}},
    {"off whole pixels", {157, 83, 203, 97}},
    {"one pixel", {12 * 15, 9 * 15, 0, 0}},
    {"one row", {2 * 15, 14 * 15, 30 * 15, 0}},
};

// The selection of a case, for a canvas of the given scale.
Rect scaled(const Case& c, double twips_per_pixel) {
    const double k = twips_per_pixel / 15;
    return {static_cast<int>(c.selection.left * k), static_cast<int>(c.selection.top * k),
            static_cast<int>(c.selection.width * k), static_cast<int>(c.selection.height * k)};
}

TEST(EffectsAgainstTheirRules, EveryPixelMatchesOverATableOfSelections) {
    const std::pair<const char*, std::pair<Effect, Reference>> effects[] = {
        {"mosaic", {mosaic, reference_mosaic}},
        {"blur", {blur, reference_blur}},
        {"monochrome", {monochrome, reference_monochrome}},
        {"negative", {negative, reference_negative}},
    };
    for (const double twips_per_pixel : {15.0, 12.0})
        for (const int pen : {1, 10})
            for (const auto& [name, fns] : effects)
                for (const Case& c : cases) {
                    Canvas expected = noise_canvas(41, 29, twips_per_pixel);
                    Canvas actual = noise_canvas(41, 29, twips_per_pixel);
                    expected.set_draw_width(pen);
                    actual.set_draw_width(pen);
                    const Rect s = scaled(c, twips_per_pixel);
                    fns.second(expected, s);
                    ASSERT_EQ(fns.first(actual, s, {}), EffectEnd::completed);
                    EXPECT_TRUE(*actual.image().pixels == *expected.image().pixels)
                        << name << ", " << c.name << ", " << twips_per_pixel << " twips a pixel, pen " << pen;
                    EXPECT_EQ(actual.draw_width(), pen);
                }
}

// The mosaic paints each pixel once, from what the boxes drawn in turn would leave: block pitches
// off whole pixels (samples skipping pixels or sharing one), pens wider than a block, and stops
// after any column are where that could part from drawing them.
TEST(EffectsAgainstTheirRules, MosaicAtOddScalesWithWidePensAndWhenStopped) {
    for (const double twips_per_pixel : {7.5, 10.4, 14.4})
        for (const int pen : {1, 3, 25})
            for (const Case& c : cases) {
                Canvas expected = noise_canvas(41, 29, twips_per_pixel);
                Canvas actual = noise_canvas(41, 29, twips_per_pixel);
                expected.set_draw_width(pen);
                actual.set_draw_width(pen);
                reference_mosaic(expected, scaled(c, twips_per_pixel));
                mosaic(actual, scaled(c, twips_per_pixel));
                EXPECT_TRUE(*actual.image().pixels == *expected.image().pixels)
                    << c.name << ", " << twips_per_pixel << " twips a pixel, pen " << pen;
            }
    // The whole canvas has six columns of blocks.
    for (const int pen : {1, 10, 25})
        for (int columns = 0; columns < 6; ++columns) {
            Canvas expected = noise_canvas(41, 29, 15);
            Canvas actual = noise_canvas(41, 29, 15);
            expected.set_draw_width(pen);
            actual.set_draw_width(pen);
            reference_mosaic(expected, cases[0].selection, columns);
            int asked = 0;
            EXPECT_EQ(mosaic(actual, cases[0].selection, {[&] { return asked++ < columns; }, {}}), EffectEnd::stopped);
            EXPECT_TRUE(*actual.image().pixels == *expected.image().pixels)
                << "stopped after " << columns << " columns, pen " << pen;
        }
}

}  // namespace
}  // namespace vis
