// Undo and redo in the editor: actions undone and redone byte for byte by their keys, the
// navigator following, redo steps dropped by a new action, crop and the save, the history
// cleared by another screenshot, and its memory bound.
#include <gtest/gtest.h>

#include <functional>

#include "editor/history.h"
#include "editor/thumbnail.h"
#include "editor_fixture.h"
#include "imaging/jpeg.h"
#include "services/paths.h"
#include "support/canvas_pixels.h"
#include "ui/keys.h"

namespace vis {
namespace {

using namespace test::editor_button;

struct EditorUndo : test::EditorOnTwoShots {
    std::vector<std::uint32_t> opened;

    void SetUp() override {
        EditorOnTwoShots::SetUp();
        if (HasFatalFailure()) return;
        opened = e.pixels();
        // Something to undo to that is not the screenshot as opened.
        e.stroke({{3000, 3000}, {3300, 3300}});
    }
    // The text tool at a point, its dialog filled in with an outlined text and confirmed.
    void print_outlined(std::pair<int, int> at, const char* text) {
        e.click(kText);
        e.stroke({at});
        app.plat.windows.advance(1);
        test::TextSurface d = e.text_dialog();
        d.switch_outline();
        d.type_size("30");
        d.type(text);
        d.ok();
    }
    void effect(const std::string& caption) {
        e.select(1500, 1500, 9000, 6000);
        EXPECT_TRUE(e.open_effects().run(caption).starts_with("完了"));
    }
    // "切り抜き" over a selection dragged from (x1, y1) to (x2, y2).
    void crop(int x1, int y1, int x2, int y2) {
        e.select(x1, y1, x2, y2);
        e.open_effects().click(test::effects_button::kCrop);
    }
    int width() const { return e.size_px().first; }
    // The navigator shows the canvas as it is.
    void expect_navigator_follows() {
        Thumbnail fresh;
        fresh.reset(e.picture());
        EXPECT_EQ(*e.navigator().pixels, *fresh.picture().pixels);
    }
};

// Each way into the document (pointer, buttons, the dialogs) undone and redone by its keys, the
// canvas and the navigator following; every operation's own undo is the document's table.
TEST_F(EditorUndo, ActionsFromThePointerButtonsAndDialogsAreUndoneAndRedoneByTheirKeys) {
    const struct {
        const char* name;
        std::function<void(EditorUndo&)> act;
    } actions[] = {
        {"pencil stroke",
         [](EditorUndo& t) {
             t.e.stroke({{600, 600}, {2400, 900}, {4000, 3000}});
         }},
        {"fill",
         [](EditorUndo& t) {
             t.e.select(1000, 1000, 4000, 3000);
             t.e.click(kFill);
         }},
        {"text with outline",
         [](EditorUndo& t) {
             t.print_outlined({1000, 7000}, "Outlined");
         }},
        {"negative", [](EditorUndo& t) { t.effect(test::effects_button::kNegative); }},
        {"crop", [](EditorUndo& t) { t.crop(600, 300, 9000, 6600); }},
        {"pencil after crop",
         [](EditorUndo& t) {
             t.e.click(kPencil);
             t.e.stroke({{300, 300}, {6000, 4000}});
         }},
        {"clear all", [](EditorUndo& t) { t.e.clear_all(MsgResult::yes); }},
    };
    for (const auto& action : actions) {
        SCOPED_TRACE(action.name);
        const auto before = e.pixels();
        const int width_before = width();
        action.act(*this);
        const auto after = e.pixels();
        const int width_after = width();
        ASSERT_NE(after, before);
        e.undo();
        EXPECT_EQ(e.pixels(), before);
        EXPECT_EQ(width(), width_before);
        expect_navigator_follows();
        e.redo();
        EXPECT_EQ(e.pixels(), after);
        EXPECT_EQ(width(), width_after);
        expect_navigator_follows();
        e.undo();
        e.press('Z', shift::kCtrl | shift::kShift);
        EXPECT_EQ(e.pixels(), after);
    }
    // Back through all of them to the first stroke, then to the screenshot as opened.
    const std::size_t steps = e.history().size();
    EXPECT_EQ(steps, 8u);  // the first stroke and the seven actions; selections are none
    for (std::size_t k = 1; k < steps; ++k) e.undo();
    EXPECT_NE(e.pixels(), opened);
    e.undo();
    EXPECT_EQ(e.pixels(), opened);
    e.undo();  // nothing more to undo
    EXPECT_EQ(e.pixels(), opened);
}

TEST_F(EditorUndo, ANewActionDropsTheRedoStepsAndAnotherScreenshotTheHistory) {
    const auto one = e.pixels();
    e.stroke({{600, 600}, {900, 600}});
    const auto two = e.pixels();
    e.undo();
    e.stroke({{600, 3000}, {900, 3000}});
    const auto three = e.pixels();
    e.redo();
    EXPECT_EQ(e.pixels(), three);  // nothing to redo
    e.undo();
    EXPECT_EQ(e.pixels(), one);
    e.undo();
    EXPECT_EQ(e.pixels(), opened);
    ASSERT_NE(two, three);

    // Keys with Alt, or without Ctrl, are not the shortcuts.
    e.press('Y', shift::kCtrl | shift::kAlt);
    e.press('Y');
    EXPECT_EQ(e.pixels(), opened);

    // Undo waits while the button is held.
    e.redo();
    e.press_at(6000, 6000);
    e.undo();
    e.release_at(6000, 6000);
    EXPECT_NE(e.pixels(), opened);
    EXPECT_EQ(e.history().size(), 2u);

    edit_row(1);
    const auto other = e.pixels();
    EXPECT_FALSE(e.history().can_undo());
    e.undo();
    EXPECT_EQ(e.pixels(), other);
}

// "切り抜き": the selected pixels become the canvas, which the navigator, viewport, scroll range
// and selection follow and the save writes at their size; one undo brings back the whole.
TEST_F(EditorUndo, CropKeepsTheSelectedPixelsSavesAtTheirSizeAndComesBackWhole) {
    const auto whole = e.pixels();
    crop(1500, 1500, 9000, 6000);
    ASSERT_EQ(e.size_px(), std::pair(500, 300));
    const auto cropped = e.pixels();
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 500; ++x)
            ASSERT_EQ(cropped[static_cast<std::size_t>(y) * 500 + x],
                      whole[static_cast<std::size_t>(y + 100) * 800 + x + 100])
                << x << "," << y;
    EXPECT_EQ(e.canvas_box(), (Rect{0, 0, 7500, 4500}));
    EXPECT_EQ(e.navigator_box(), (Rect{120, 120, 1500, 900}));
    EXPECT_EQ(e.viewport_box().width, 3750);
    EXPECT_EQ(e.viewport_box().height, 2250);
    EXPECT_EQ(e.selection(), (Rect{0, 0, 7500, 4500}));
    expect_navigator_follows();
    // The far corner of the navigator shows the far corner of the cropped canvas.
    e.press_on_navigator(0, 0);
    e.move_on_navigator(3000, 3000, 1);
    e.release_on_navigator(3000, 3000);
    EXPECT_EQ(e.canvas_box().left, -3750);
    EXPECT_EQ(e.canvas_box().top, -2250);

    // Saved at the cropped size, stamped in its bottom-right corner.
    const std::string target = join_path(app.folders.root.path(), "cropped.jpg");
    ASSERT_EQ(e.save_as(target), "保存しました");
    const auto saved = decode_jpeg_file(target);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->width, 500);
    EXPECT_EQ(saved->height, 300);
    EXPECT_GT(saved->pixel(500 - 5300 / 15 + 2, 300 - 400 / 15 + 2) & 0xFF, 200u);

    // The stamp first, then the crop: the whole screenshot, the view back at its corner.
    e.undo();
    EXPECT_EQ(e.pixels(), cropped);
    e.undo();
    EXPECT_EQ(width(), 800);
    EXPECT_EQ(e.pixels(), whole);
    EXPECT_EQ(e.canvas_box(), (Rect{0, 0, 12000, 9000}));
    EXPECT_EQ(e.navigator_box(), (Rect{120, 120, 2400, 1800}));
    EXPECT_FALSE(e.selection());
    expect_navigator_follows();
    e.redo();
    EXPECT_EQ(e.pixels(), cropped);
    EXPECT_EQ(e.viewport_box().width, 3750);
}

TEST_F(EditorUndo, SavingKeepsTheHistoryAndItsStampIsUndoneFirst) {
    const auto stroked = e.pixels();
    ASSERT_EQ(e.save_as(join_path(app.folders.root.path(), "edit.jpg")), "保存しました");
    const auto stamped = e.pixels();
    ASSERT_NE(stamped, stroked);
    e.undo();
    EXPECT_EQ(e.pixels(), stroked);
    e.undo();
    EXPECT_EQ(e.pixels(), opened);
}

// --- the history's memory

std::shared_ptr<std::vector<std::uint32_t>> full_hd(std::uint32_t pixel) {
    return std::make_shared<std::vector<std::uint32_t>>(std::size_t{1920} * 1080, pixel);
}

TEST(EditorHistory, KeepsAtMost128MegabytesForFullHdDroppingTheOldestFirst) {
    Canvas canvas;
    canvas.set_background({1920, 1080, full_hd(0xFF000000u)});
    History history;
    history.reset(canvas);
    // Whole-canvas actions, each a colour of its own: only the latest fit.
    for (int k = 1; k <= 30; ++k) {
        canvas.box_sized(0, 0, 1919 * 15, 1079 * 15, rgb(k, 0, 0));
        history.note(canvas.take_changed());
        EXPECT_TRUE(history.record(canvas));
        EXPECT_LE(history.bytes(), History::kBudget) << k;
    }
    const std::size_t kept = history.size();
    EXPECT_LT(kept, 30u);
    EXPECT_GE(kept, 10u);
    while (history.can_undo()) history.undo(canvas);
    EXPECT_EQ(test::colour_at(canvas, 0, 0), static_cast<std::int32_t>(rgb(static_cast<int>(30 - kept), 0, 0)));

    // A budget that one whole-canvas action outgrows alone, with the copy: that action stays.
    History tight(std::size_t{1920} * 1080 * 4 * 2);
    tight.reset(canvas);
    const std::vector<std::uint32_t> before = *canvas.image().pixels;
    canvas.box_sized(0, 0, 1919 * 15, 1079 * 15, rgb(200, 0, 0));
    tight.note(canvas.take_changed());
    EXPECT_TRUE(tight.record(canvas));
    EXPECT_GT(tight.bytes(), std::size_t{1920} * 1080 * 4 * 2);
    ASSERT_TRUE(tight.can_undo());
    tight.undo(canvas);
    EXPECT_EQ(*canvas.image().pixels, before);

    // Strokes keep only the tiles they touch: well over fifty of them fit, all undone exactly.
    canvas.set_background({1920, 1080, full_hd(0xFF336699u)});
    history.reset(canvas);
    const std::vector<std::uint32_t> opened = *canvas.image().pixels;
    canvas.set_draw_width(10);
    for (int k = 0; k < 200; ++k) {
        canvas.line(k * 140, 1000, k * 140 + 1500, 4000, rgb(k, 255 - k, 0));
        history.note(canvas.take_changed());
        ASSERT_TRUE(history.record(canvas));
    }
    EXPECT_EQ(history.size(), 200u);
    EXPECT_LT(history.bytes(), std::size_t{64} << 20);
    while (history.can_undo()) history.undo(canvas);
    EXPECT_EQ(*canvas.image().pixels, opened);
}

// Actions that meet the history's own edges: bands across, tiles cut by the canvas's right and
// bottom edges, shapes partly off the canvas, a band changed across beside runs of tiles in one
// step, a drawing that changes nothing. Undone one by one, then redone, each state byte for byte.
TEST(EditorHistory, UndoesAndRedoesActionsAtTheEdgesOfItsTilesByteForByte) {
    constexpr int kWidth = 300, kHeight = 70;  // three tiles across, the last 44 wide; 6 rows in the last band
    Canvas canvas;
    canvas.set_background(
        {kWidth, kHeight, std::make_shared<std::vector<std::uint32_t>>(std::size_t{kWidth} * kHeight, 0xFF102030u)});
    canvas.set_scale_mode(ScaleMode::pixels);
    History history;
    history.reset(canvas);
    const struct {
        const char* name;
        std::function<void(Canvas&)> act;
    } actions[] = {
        {"bottom-right corner, partly off", [](Canvas& c) { c.box_sized(280, 60, 40, 30, rgb(255, 0, 0)); }},
        {"top-left corner, partly off", [](Canvas& c) { c.box_sized(-5, -5, 8, 8, rgb(0, 255, 0)); }},
        {"across the first band, and a dot lower",
         [](Canvas& c) {
             c.box_sized(0, 0, kWidth - 1, 31, rgb(0, 0, 255));
             c.pset(200, 50, rgb(1, 2, 3));
         }},
        {"two tiles apart in one band",
         [](Canvas& c) {
             c.pset(10, 40, rgb(9, 9, 9));
             c.pset(290, 40, rgb(9, 9, 9));
         }},
        {"a line down through every band", [](Canvas& c) { c.line(150, 0, 160, kHeight - 1, rgb(7, 8, 9)); }},
        {"the whole canvas", [](Canvas& c) { c.box_sized(0, 0, kWidth - 1, kHeight - 1, rgb(4, 5, 6)); }},
    };
    std::vector<std::vector<std::uint32_t>> states{*canvas.image().pixels};
    for (const auto& action : actions) {
        SCOPED_TRACE(action.name);
        action.act(canvas);
        history.note(canvas.take_changed());
        ASSERT_TRUE(history.record(canvas));
        states.push_back(*canvas.image().pixels);
        ASSERT_NE(states.back(), states[states.size() - 2]);
    }
    // Drawing what is already there is no action.
    canvas.box_sized(0, 0, 10, 10, rgb(4, 5, 6));
    history.note(canvas.take_changed());
    EXPECT_FALSE(history.record(canvas));
    ASSERT_EQ(history.size(), std::size(actions));

    for (std::size_t k = states.size() - 1; k > 0; --k) {
        const PixelRect changed = history.undo(canvas);
        EXPECT_FALSE(changed.empty()) << k;
        EXPECT_EQ(*canvas.image().pixels, states[k - 1]) << k;
    }
    EXPECT_TRUE(history.undo(canvas).empty());
    for (std::size_t k = 1; k < states.size(); ++k) {
        history.redo(canvas);
        EXPECT_EQ(*canvas.image().pixels, states[k]) << k;
    }
    EXPECT_TRUE(history.redo(canvas).empty());
    // Back two, then a new action: its own undo goes back to where it started, with nothing to
    // redo; both undone actions are gone, so undoing everything ends at the picture as opened.
    history.undo(canvas);
    history.undo(canvas);
    canvas.pset(5, 65, rgb(200, 100, 50));
    history.note(canvas.take_changed());
    EXPECT_TRUE(history.record(canvas));
    EXPECT_FALSE(history.can_redo());
    history.undo(canvas);
    EXPECT_EQ(*canvas.image().pixels, states[states.size() - 3]);
    while (history.can_undo()) history.undo(canvas);
    EXPECT_EQ(*canvas.image().pixels, states.front());
}

}  // namespace
}  // namespace vis
