// The editor's document without a window: every operation undone and redone against full copies
// of the canvas, crop among them; what a view is told; an effect that ends when its picture goes;
// the outlined text's rim against printing the text at every offset of the pen.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "editor/editor_document.h"
#include "editor/text_rim.h"
#include "support/headless.h"

namespace vis {
namespace {

constexpr int kWidth = 320, kHeight = 240;  // 4800 x 3600 twips
// Long enough to reach a canvas 270 pixels wide from 5300 twips left of its right edge.
constexpr const char* kNotice = "(c) the Vistelle developers, all rights reserved, for a long while";

Picture noise(int width, int height, std::uint32_t seed) {
    auto pixels = std::make_shared<std::vector<std::uint32_t>>();
    for (int i = 0; i < width * height; ++i) {
        seed = seed * 1664525u + 1013904223u;
        pixels->push_back(0xFF000000u | (seed >> 8));
    }
    return {width, height, pixels};
}

// The whole canvas, its size included.
struct Copy {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    bool operator==(const Copy&) const = default;
};

Copy copy_of(const EditorDocument& doc) {
    const Picture p = doc.canvas().image();
    return {p.width, p.height, p.pixels ? *p.pixels : std::vector<std::uint32_t>{}};
}

// The bounds of the pixels that differ between two copies of one size.
PixelRect difference(const Copy& a, const Copy& b) {
    PixelRect out;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (a.pixels[static_cast<std::size_t>(y * a.width + x)] !=
                b.pixels[static_cast<std::size_t>(y * a.width + x)])
                out = united(out, {x, y, 1, 1});
    return out;
}

bool holds(const PixelRect& outer, const PixelRect& inner) {
    return inner.empty() || united(outer, inner) == outer;
}

struct Document : ::testing::Test {
    EditorDocument doc;
    test::BlockTextPainter painter;

    void SetUp() override { doc.open(noise(kWidth, kHeight, 7), 15, 1); }
    void drag(ToolKind tool, std::vector<std::pair<double, double>> points) {
        doc.set_tool(tool);
        doc.press(points.front().first, points.front().second);
        for (std::size_t k = 1; k + 1 < points.size(); ++k) doc.move(points[k].first, points[k].second);
        doc.release(points.back().first, points.back().second);
    }
    void select(double x1, double y1, double x2, double y2) { drag(ToolKind::select, {{x1, y1}, {x2, y2}, {x2, y2}}); }
    void print(double x, double y, const char* text, bool outline) {
        drag(ToolKind::text, {{x, y}, {x, y}});
        TextSettings t = doc.text();
        t.text = text;
        t.font.size_pt = 24;
        t.outline = outline;
        doc.set_text(t);
        ASSERT_TRUE(doc.insert_text(painter));
    }
    EffectEnd effect(EffectFn fn, int checks = -1) {
        select(300, 300, 3000, 2400);
        int asked = 0;
        return doc.run_effect(fn, {[&] { return checks < 0 || asked++ < checks; }, {}});
    }
};

TEST_F(Document, EveryOperationIsOneStepUndoneAndRedoneToTheByteAndShownWhereItChanged) {
    const Copy opened = copy_of(doc);
    const struct {
        const char* name;
        std::function<void(Document&)> act;
    } operations[] = {
        {"pencil stroke",
         [](Document& t) {
             t.drag(ToolKind::pencil, {{600, 600}, {2400, 900}, {4000, 3000}, {0, 0}});
         }},
        {"straight line",
         [](Document& t) {
             t.drag(ToolKind::line, {{600, 3000}, {4500, 300}, {4500, 300}});
         }},
        {"fill",
         [](Document& t) {
             t.select(900, 900, 3000, 2000);
             t.doc.set_colour(rgb(0, 200, 0));
             EXPECT_TRUE(t.doc.fill());
         }},
        {"text", [](Document& t) { t.print(600, 2400, "Ab", false); }},
        {"text with outline", [](Document& t) { t.print(300, 300, "Outlined", true); }},
        {"mosaic", [](Document& t) { EXPECT_EQ(t.effect(mosaic), EffectEnd::completed); }},
        {"blur", [](Document& t) { EXPECT_EQ(t.effect(blur), EffectEnd::completed); }},
        {"monochrome", [](Document& t) { EXPECT_EQ(t.effect(monochrome), EffectEnd::completed); }},
        {"negative stopped after its first band",
         [](Document& t) { EXPECT_EQ(t.effect(negative, 1), EffectEnd::stopped); }},
        {"crop",
         [](Document& t) {
             t.select(150, 300, 4200, 3300);
             EXPECT_TRUE(t.doc.crop());
         }},
        {"pencil after the crop",
         [](Document& t) {
             t.drag(ToolKind::pencil, {{0, 0}, {3000, 2000}, {3000, 2000}});
         }},
        {"the save's stamp after the crop", [](Document& t) { EXPECT_TRUE(t.doc.stamp(t.painter, kNotice, kNotice)); }},
        {"crop to rows across the whole width",
         [](Document& t) {
             t.select(0, 450, 9000, 2400);
             EXPECT_TRUE(t.doc.crop());
         }},
        {"clear all", [](Document& t) { EXPECT_TRUE(t.doc.clear_all()); }},
    };
    std::vector<Copy> states{opened};
    for (const auto& op : operations) {
        SCOPED_TRACE(op.name);
        const Copy before = states.back();
        const std::size_t steps = doc.history().size();
        op.act(*this);
        const Copy after = copy_of(doc);
        ASSERT_NE(after, before);
        EXPECT_EQ(doc.history().size(), steps + 1);
        doc.take_changes();

        ASSERT_TRUE(doc.undo());
        EXPECT_EQ(copy_of(doc), before);
        const EditorDocument::Changes undone = doc.take_changes();
        if (after.width != before.width) {
            EXPECT_TRUE(undone.resized && undone.cropped);
            EXPECT_EQ(undone.pixels, (PixelRect{0, 0, before.width, before.height}));
        } else {
            EXPECT_TRUE(holds(undone.pixels, difference(after, before)));
            EXPECT_EQ(undone.navigator, undone.pixels);
        }
        ASSERT_TRUE(doc.redo());
        EXPECT_EQ(copy_of(doc), after);
        EXPECT_TRUE(doc.take_changes().navigator.width > 0);
        states.push_back(after);
    }
    EXPECT_EQ(states[10].width, (4200 - 150) / 15);
    EXPECT_EQ(states[10].height, (3300 - 300) / 15);
    EXPECT_EQ(states[13].width, states[10].width);
    EXPECT_EQ(states[13].height, (2400 - 450) / 15);
    EXPECT_FALSE(doc.redo());

    // Back past the crop, step by step, to the screenshot as opened; then all of it again.
    for (std::size_t k = states.size() - 1; k > 0; --k) {
        ASSERT_TRUE(doc.undo()) << k;
        EXPECT_EQ(copy_of(doc), states[k - 1]) << k;
    }
    EXPECT_FALSE(doc.undo());
    for (std::size_t k = 1; k < states.size(); ++k) {
        ASSERT_TRUE(doc.redo()) << k;
        EXPECT_EQ(copy_of(doc), states[k]) << k;
    }

    // A new step drops what could be redone; another picture drops everything.
    doc.undo();
    drag(ToolKind::pencil, {{30, 30}, {30, 30}});
    EXPECT_FALSE(doc.redo());
    doc.open(noise(64, 48, 3), 15, 1);
    EXPECT_FALSE(doc.undo());
}

TEST_F(Document, TellsTheViewWhatChangedAndWhenTheNavigatorFollows) {
    int told = 0;
    doc.set_listener([&] { ++told; });
    doc.take_changes();
    using Changes = EditorDocument::Changes;
    const struct {
        const char* name;
        std::function<void(EditorDocument&)> act;
        bool pixels;
        bool navigator;  // shown there now, with what waited
    } rows[] = {
        {"pencil press: a dot, not yet in the navigator",
         [](EditorDocument& d) {
             d.set_tool(ToolKind::pencil);
             d.press(600, 600);
         },
         true, false},
        {"a move: the stroke so far", [](EditorDocument& d) { d.move(1200, 600); }, true, true},
        {"the release", [](EditorDocument& d) { d.release(1200, 600); }, false, false},
        {"a line's release waits for the next stroke move",
         [](EditorDocument& d) {
             d.set_tool(ToolKind::line);
             d.press(300, 1500);
             d.release(3000, 1500);
         },
         true, false},
        {"colour and tool only", [](EditorDocument& d) { d.set_colour(rgb(1, 2, 3)); }, false, false},
        {"clear all: shown with the line", [](EditorDocument& d) { d.clear_all(); }, true, true},
    };
    PixelRect waiting;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const int before = told;
        const Copy was = copy_of(doc);
        row.act(doc);
        EXPECT_GT(told, before);
        const Changes c = doc.take_changes();
        EXPECT_FALSE(c.resized);
        EXPECT_EQ(c.pixels.width > 0, row.pixels);
        EXPECT_TRUE(holds(c.pixels, difference(was, copy_of(doc))));
        waiting = united(waiting, c.pixels);
        EXPECT_EQ(c.navigator.width > 0, row.navigator);
        if (row.navigator) {
            EXPECT_TRUE(holds(c.navigator, waiting));
            waiting = {};
        }
    }
    // Another picture: everything anew, the view staying where it was scrolled.
    doc.open(noise(64, 48, 3), 15, 1);
    EXPECT_EQ(doc.take_changes(), (Changes{{0, 0, 64, 48}, {0, 0, 64, 48}, true, false}));
}

// Events run while an effect works may close the document or open another picture: the run ends
// there, writing and recording nothing more, and the new picture stays exactly as opened.
TEST_F(Document, AClosedOrReplacedDocumentEndsARunningEffectWithoutTouchingTheNewPicture) {
    const Picture other = noise(200, 100, 11);
    const struct {
        const char* name;
        EffectFn effect;
        int at;  // the check that closes or replaces; 0 while the caller steps aside
        bool close;
    } rows[] = {
        {"mosaic replaced at its second check", mosaic, 2, false},
        {"blur replaced as it starts", blur, 0, false},
        {"negative closed at its first check", negative, 1, true},
        {"monochrome closed as it starts", monochrome, 0, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        doc.open(noise(kWidth, kHeight, 7), 15, 1);
        drag(ToolKind::pencil, {{900, 900}, {900, 900}});
        ASSERT_TRUE(doc.history().can_undo());
        select(0, 0, 4800, 3600);
        const auto go = [&] {
            // Nothing else draws meanwhile.
            EXPECT_TRUE(doc.effect_running());
            EXPECT_FALSE(doc.press(30, 30));
            EXPECT_FALSE(doc.fill());
            EXPECT_FALSE(doc.crop());
            EXPECT_FALSE(doc.undo());
            EXPECT_FALSE(doc.insert_text(painter));
            EXPECT_FALSE(doc.stamp(painter, "a", "b"));
            EXPECT_FALSE(doc.clear_all());
            EXPECT_EQ(doc.run_effect(negative, {}), EffectEnd::stopped);
            if (row.close)
                doc.close();
            else
                doc.open(other, 15, 1);
        };
        int checks = 0;
        const EffectPacing pacing{[&] {
                                      if (++checks == row.at) go();
                                      return true;
                                  },
                                  {}};
        EXPECT_EQ(doc.run_effect(row.effect, pacing,
                                 [&] {
                                     if (row.at == 0) go();
                                 }),
                  EffectEnd::stopped);
        EXPECT_FALSE(doc.effect_running());
        EXPECT_FALSE(doc.history().can_undo());
        if (row.close) {
            EXPECT_EQ(doc.canvas().width_px(), 0);
        } else {
            EXPECT_EQ(*doc.canvas().image().pixels, *other.pixels);
            EXPECT_TRUE(doc.take_changes().resized);
        }
    }
    // The document works on as before.
    doc.open(noise(kWidth, kHeight, 7), 15, 1);
    EXPECT_EQ(effect(negative), EffectEnd::completed);
    EXPECT_TRUE(doc.history().can_undo());
}

// --- the rim of outlined text

// Glyphs as a fixed pattern of whole and half-covered pixels from the point, blended over what
// lies there as a smoothing painter does: 5 pixels wide, 4 high, one line 6 high.
struct PatternPainter : TextPainter {
    DrawnLine draw_line(PixelSurface s, int x, int y, const std::string&, const Font&, Colour colour) override {
        static const char* const kGlyphs[] = {"#.#.+", ".##..", "+..#.", "#...#"};
        DrawnLine drawn{5, 6, {}};
        for (int dy = 0; dy < 4; ++dy)
            for (int dx = 0; dx < 5; ++dx) {
                const char c = kGlyphs[dy][dx];
                const int px = x + dx, py = y + dy;
                if (c == '.' || s.pixels == nullptr || px < 0 || py < 0 || px >= s.width || py >= s.height) continue;
                std::uint32_t& p = s.pixels[static_cast<std::size_t>(py) * s.width + px];
                const std::uint32_t full = 0xFF000000u | red_of(colour) << 16 | green_of(colour) << 8 | blue_of(colour);
                p = c == '#' ? full : 0xFF000000u | (((p & 0xFEFEFEu) >> 1) + ((full & 0xFEFEFEu) >> 1));
                drawn.changed = united(drawn.changed, {px, py, 1, 1});
            }
        return drawn;
    }
};

TEST(TextRim, IsThePatternWidenedByARoundPenEvenOffTheSurfaceAndBlendsHalfCoveredPixels) {
    for (int width = 1; width <= 3; ++width) {
        for (const int x : {6, -2}) {
            SCOPED_TRACE(testing::Message() << "width " << width << " at " << x);
            constexpr int kSide = 20;
            std::vector<std::uint32_t> drawn(kSide * kSide, 0xFF808080u), expected = drawn;
            PatternPainter painter;
            const Colour rim = rgb(255, 255, 255);
            const PixelRect changed =
                draw_text_rim({drawn.data(), kSide, kSide, 15}, x, 6, "x", Font{}, rim, width, painter);
            // The reference: the pattern in full cover printed at every offset the pen reaches,
            // each pixel taking the most cover any offset gives it.
            std::vector<int> cover(kSide * kSide, 0);
            for (int dy = -width; dy <= width; ++dy)
                for (int dx = -width; dx <= width; ++dx) {
                    if (dx * dx + dy * dy > width * width + width) continue;
                    std::vector<std::uint32_t> one(kSide * kSide, 0xFF000000u);
                    painter.draw_line({one.data(), kSide, kSide, 15}, x + dx, 6 + dy, "x", Font{}, rim);
                    for (std::size_t i = 0; i < one.size(); ++i)
                        cover[i] = std::max(cover[i], static_cast<int>(one[i] & 0xFF));
                }
            PixelRect covered;
            for (int i = 0; i < kSide * kSide; ++i) {
                if (cover[static_cast<std::size_t>(i)] == 0) continue;
                const unsigned v = (0x80u * (255 - cover[static_cast<std::size_t>(i)]) +
                                    255u * cover[static_cast<std::size_t>(i)] + 127) /
                                   255;
                expected[static_cast<std::size_t>(i)] = 0xFF000000u | v * 0x010101u;
                covered = united(covered, {i % kSide, i / kSide, 1, 1});
            }
            EXPECT_EQ(drawn, expected);
            EXPECT_EQ(changed, covered);
        }
    }
}

}  // namespace
}  // namespace vis
