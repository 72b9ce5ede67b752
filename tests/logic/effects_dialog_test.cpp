// The effects dialog over the editor, headless: the frame around each effect, a break in the
// middle of a run through the event queue, the editor closed or opened again while an effect
// starts, and the dialog outliving the editor.
#include <gtest/gtest.h>

#include <string>

#include "editor_fixture.h"

namespace vis {
namespace {

using namespace test::editor_button;
using namespace test::effects_button;

struct EffectsDialogTest : test::EditorOnTwoShots {
    std::size_t asked() const { return app.plat.prompts.asked().size(); }
    static std::uint32_t pixel(const Picture& p, int x, int y) { return p.pixel(x, y) & 0xFFFFFFu; }
};

std::uint32_t negated(std::uint32_t p) {
    const auto part = [](std::uint32_t c) { return c == 0 ? 255u : 256u - c; };
    return part(p >> 16 & 0xFF) << 16 | part(p >> 8 & 0xFF) << 8 | part(p & 0xFF);
}

// Each command that works on the selection says so without one, and changes nothing.
TEST_F(EffectsDialogTest, WithoutASelectionEachCommandSaysSoAndTheDialogOutlivesTheEditor) {
    test::EffectsSurface d = e.open_effects();
    EXPECT_TRUE(d.shown());
    const auto before = e.pixels();
    for (const std::string& command : {kMosaic, kBlur, kMonochrome, kNegative, kCrop}) {
        SCOPED_TRACE(command);
        EXPECT_EQ(d.run(command), "ERR:選択範囲がありません");
        EXPECT_TRUE(d.enabled(command));
        EXPECT_EQ(e.state(), WindowState::normal);
    }
    app.plat.prompts.answer_message(MsgResult::ok);
    e.click(kFill);
    EXPECT_EQ(app.plat.prompts.asked().back().box.text, "ERR:選択範囲がありません");
    EXPECT_EQ(e.pixels(), before);
    EXPECT_EQ(e.size_px(), std::pair(800, 600));
    EXPECT_FALSE(e.history().can_undo());

    d.click(kClose);
    EXPECT_FALSE(d.shown());
    e.click(kEffects);
    EXPECT_TRUE(d.shown());
    EXPECT_EQ(&e.effects().window(), &d.window());  // shown again, not made again

    // Closing the editor leaves the dialog, which then has no selection to work on.
    e.close();
    EXPECT_FALSE(e.open());
    EXPECT_TRUE(d.shown());
    EXPECT_EQ(d.run(kNegative), "ERR:選択範囲がありません");
}

TEST_F(EffectsDialogTest, AnEffectRunsWithTheEditorMinimisedAndEndsWithItsMessageAndTheNavigator) {
    e.select(1500, 1500, 9000, 6000);  // pixels 100 to 600 across, 100 to 400 down
    test::EffectsSurface d = e.open_effects();
    const EditorWindow* const editor = &e.window();
    const Picture before = e.picture();
    const std::uint32_t thumbnail_before = e.navigator().pixel(70, 50);

    struct Seen {
        WindowState editor;
        bool dialog_visible, running_disabled, others_disabled, quit_disabled;
        int progress;
    } seen{};
    after_events(3, [&] {
        d.close();         // kept open: it holds "中断"
        d.click(kMosaic);  // off while one runs
        seen = {
            e.state(),   d.shown(), !d.enabled(kNegative), !d.enabled(kMosaic), !d.enabled(kClose) && !d.enabled(kCrop),
            d.progress()};
    });
    EXPECT_EQ(d.run(kNegative), "完了(ネガポジ)");
    EXPECT_EQ(seen.editor, WindowState::minimised);
    EXPECT_TRUE(seen.dialog_visible && seen.running_disabled && seen.others_disabled && seen.quit_disabled);
    // Int(100 * x / 600) after each column, from 16 at the selection's left.
    EXPECT_GT(seen.progress, 16);
    EXPECT_LT(seen.progress, 100);
    ASSERT_EQ(&e.window(), editor);

    ASSERT_EQ(asked(), 1u);  // the mosaic never started
    EXPECT_EQ(e.state(), WindowState::normal);
    EXPECT_TRUE(d.shown());
    EXPECT_EQ(d.progress(), 0);
    EXPECT_TRUE(d.enabled(kNegative) && d.enabled(kMosaic) && d.enabled(kClose) && d.enabled(kCrop));
    const Picture after = e.picture();
    for (const auto& [x, y] : {std::pair{100, 100}, {600, 400}, {350, 250}})
        EXPECT_EQ(pixel(after, x, y), negated(pixel(before, x, y))) << x << "," << y;
    for (const auto& [x, y] : {std::pair{99, 100}, {601, 400}, {350, 99}, {350, 401}})
        EXPECT_EQ(pixel(after, x, y), pixel(before, x, y)) << x << "," << y;
    // The navigator shows the result: its middle lies inside the selection.
    EXPECT_NE(e.navigator().pixel(70, 50), thumbnail_before);
    // Once the run is over the close box hides the dialog.
    d.close();
    EXPECT_FALSE(d.shown());
}

TEST_F(EffectsDialogTest, BreakInMidRunKeepsTheColumnsDoneAndLeavesTheNavigator) {
    e.select(0, 0, 11985, 8985);  // the whole 800 x 600 canvas
    test::EffectsSurface d = e.open_effects();
    const Picture before = e.picture();
    const std::uint32_t thumbnail_before = e.navigator().pixel(10, 10);
    int progress_at_break = -1;
    after_events(3, [&] {
        progress_at_break = d.progress();
        d.click(kBreak);
    });
    EXPECT_EQ(d.run(kMonochrome), "中断されました");
    EXPECT_GT(progress_at_break, 0);
    EXPECT_LT(progress_at_break, 100);
    EXPECT_EQ(d.progress(), 0);
    EXPECT_TRUE(d.enabled(kMonochrome));
    EXPECT_EQ(e.state(), WindowState::normal);
    EXPECT_TRUE(d.shown());

    // Whole bands of columns from the left are grey, the rest untouched; the cut lies where the
    // bar was.
    const Picture after = e.picture();
    int done = 0;
    while (done < 800 && pixel(after, done, 0) != pixel(before, done, 0)) ++done;
    EXPECT_NEAR(done, progress_at_break * 8, 8);
    for (int x : {0, done - 1, done, 799})
        for (int y : {0, 300, 599}) {
            const std::uint32_t p = pixel(after, x, y);
            if (x < done)
                EXPECT_TRUE((p & 0xFF) == (p >> 8 & 0xFF) && (p & 0xFF) == (p >> 16)) << x << "," << y;
            else
                EXPECT_EQ(p, pixel(before, x, y)) << x << "," << y;
        }
    EXPECT_EQ(e.navigator().pixel(10, 10), thumbnail_before);

    // The next run starts afresh.
    EXPECT_EQ(d.run(kMonochrome), "完了(モノクロ)");
}

TEST_F(EffectsDialogTest, OpeningTheEditorOnAnotherPictureMeanwhileLeavesTheNewPictureAsOpened) {
    for (const std::string& effect : {kMosaic, kBlur, kMonochrome, kNegative}) {
        SCOPED_TRACE(effect);
        edit_row(0);
        e.select(0, 0, 11985, 8985);
        test::EffectsSurface d = e.open_effects();
        const EditorWindow* const editor = &e.window();
        Picture opened;
        after_events(2, [&] {
            edit_row(1);
            opened = e.picture();
        });
        EXPECT_EQ(d.run(effect), "中断されました");
        ASSERT_EQ(&e.window(), editor);
        ASSERT_EQ(opened.width, 640);
        EXPECT_EQ(e.pixels(), *opened.pixels);
        EXPECT_TRUE(d.enabled(effect));
    }
}

// A close at the effect's first event turn closes the editor and stops the run; opened again
// meanwhile, the editor starts afresh on the new screenshot, which stays as opened.
TEST_F(EffectsDialogTest, ClosingTheEditorAsAnEffectStartsStopsTheRun) {
    const struct {
        const char* name;
        bool reopen_with_the_close;
        bool reopen_next_turn;
    } cases[] = {{"closed", false, false},
                 {"closed, then opened again in the same turn", true, false},
                 {"closed, then opened again at the next turn", false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        edit_row(0);
        ASSERT_TRUE(e.open());
        e.select(0, 0, 11985, 8985);
        test::EffectsSurface d = e.open_effects();
        Picture opened;
        const auto reopen = [&] {
            edit_row(1);
            opened = e.picture();
        };
        after_events(1, [&] {
            e.close();
            if (c.reopen_with_the_close) reopen();
        });
        if (c.reopen_next_turn) after_events(2, reopen);
        EXPECT_EQ(d.run(kNegative), "中断されました");
        app.plat.windows.do_events();  // whatever still waited

        EXPECT_EQ(d.progress(), 0);
        EXPECT_TRUE(d.enabled(kNegative) && d.enabled(kClose));
        if (!c.reopen_with_the_close && !c.reopen_next_turn) {
            EXPECT_FALSE(e.open());
            EXPECT_EQ(app.main().state(), WindowState::normal);
            EXPECT_TRUE(app.form->visible());
            continue;
        }
        ASSERT_TRUE(e.open());
        EXPECT_EQ(e.state(), WindowState::normal);
        ASSERT_EQ(opened.width, 640);
        EXPECT_EQ(e.pixels(), *opened.pixels);
        EXPECT_EQ(e.document().tool(), ToolKind::pencil);
    }
}

TEST_F(EffectsDialogTest, NoStrokeNorSaveLandsWhileAnEffectRuns) {
    e.select(0, 0, 1500, 1500);  // pixels 0 to 100
    test::EffectsSurface d = e.open_effects();
    const Picture before = e.picture();
    after_events(2, [&] {
        e.window().set_window_state(WindowState::normal);
        e.click(kPencil);
        // Twips read as pixels would put this on the canvas at pixel (300, 300).
        e.stroke({{300, 300}, {4500, 4500}});
        e.click(kSave);  // no save dialog: an unexpected one fails the test
    });
    EXPECT_EQ(d.run(kNegative), "完了(ネガポジ)");
    ASSERT_EQ(asked(), 1u);
    // The selection negated, every other pixel as it was.
    const Picture after = e.picture();
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            const std::uint32_t expected = x <= 100 && y <= 100 ? negated(pixel(before, x, y)) : pixel(before, x, y);
            ASSERT_EQ(pixel(after, x, y), expected) << x << "," << y;
        }

    // Once the run is over, the editor draws where the pointer is again.
    e.stroke({{4500, 4500}});
    EXPECT_EQ(pixel(e.picture(), 300, 300), 0u);
}

}  // namespace
}  // namespace vis
