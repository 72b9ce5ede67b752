// The effects dialog over the editor, headless: the frame around each effect, a break in the
// middle of a run through the event queue, the editor closed or opened again while an effect
// starts, and the dialog outliving the editor.
#include <gtest/gtest.h>

#include <functional>

#include "editor_fixture.h"
#include "editor_window/editor_window.h"
#include "editor_window/effects_dialog.h"
#include "ui/keys.h"

namespace vis {
namespace {

using test::click;

struct EffectsDialogTest : test::EditorOnTwoShots {
    EffectsDialog& open_dialog() {
        click(editor->cmd_pnt_eff);
        EffectsDialog* d = test::loaded<EffectsDialog>(*main);
        EXPECT_NE(d, nullptr);
        return *d;
    }
    std::string last_message() const { return app.plat.prompts.asked().back().box.text; }
    std::uint32_t pixel(const Picture& p, int x, int y) const { return p.pixel(x, y) & 0xFFFFFFu; }
};

std::uint32_t negated(std::uint32_t p) {
    const auto part = [](std::uint32_t c) { return c == 0 ? 255u : 256u - c; };
    return part(p >> 16 & 0xFF) << 16 | part(p >> 8 & 0xFF) << 8 | part(p & 0xFF);
}

TEST_F(EffectsDialogTest, WithoutASelectionNothingRunsAndTheDialogOutlivesTheEditor) {
    EffectsDialog& d = open_dialog();
    EXPECT_TRUE(d.visible());
    const Picture before = editor->canvas().image();
    app.plat.prompts.answer_message(MsgResult::ok);
    click(d.cmd_eff_2);
    EXPECT_EQ(last_message(), "ERR:選択範囲がありません");
    EXPECT_EQ(*editor->canvas().image().pixels, *before.pixels);
    EXPECT_TRUE(d.cmd_eff_2.enabled());
    EXPECT_EQ(editor->window_state(), WindowState::normal);

    click(d.cmd_quit);
    EXPECT_FALSE(d.visible());
    click(editor->cmd_pnt_eff);
    EXPECT_TRUE(d.visible());
    EXPECT_EQ(test::loaded<EffectsDialog>(*main), &d);  // shown again, not made again

    // Closing the editor leaves the dialog, which then has no selection to work on.
    editor->request_close();
    EXPECT_EQ(test::loaded<EditorWindow>(*main), nullptr);
    EXPECT_TRUE(d.visible());
    app.plat.prompts.answer_message(MsgResult::ok);
    click(d.cmd_eff_4);
    EXPECT_EQ(last_message(), "ERR:選択範囲がありません");
}

TEST_F(EffectsDialogTest, AnEffectRunsWithTheEditorMinimisedAndEndsWithItsMessageAndTheNavigator) {
    select(1500, 1500, 9000, 6000);  // pixels 100 to 600 across, 100 to 400 down
    EffectsDialog& d = open_dialog();
    const Picture before = editor->canvas().image();
    const std::uint32_t thumbnail_before = editor->img_pre.picture().pixel(70, 50);

    struct Seen {
        WindowState editor;
        bool dialog_visible, running_disabled, others_disabled, quit_disabled;
        int progress;
    } seen{};
    after_events(3, [&] {
        seen = {editor->window_state(),
                d.visible(),
                !d.cmd_eff_4.enabled(),
                !d.cmd_eff_1.enabled(),
                !d.cmd_quit.enabled() && !d.cmd_crop.enabled(),
                d.pgb.value()};
        click(d.cmd_eff_1);  // off while one runs
    });
    app.plat.prompts.answer_message(MsgResult::ok);
    click(d.cmd_eff_4);
    EXPECT_EQ(seen.editor, WindowState::minimised);
    EXPECT_TRUE(seen.dialog_visible && seen.running_disabled && seen.others_disabled && seen.quit_disabled);
    // Int(100 * x / 600) after each column, from 16 at the selection's left.
    EXPECT_GT(seen.progress, 16);
    EXPECT_LT(seen.progress, 100);
    ASSERT_EQ(test::loaded<EditorWindow>(*main), editor);

    EXPECT_EQ(last_message(), "完了(ネガポジ)");
    ASSERT_EQ(app.plat.prompts.asked().size(), 1u);  // the mosaic never started
    EXPECT_EQ(editor->window_state(), WindowState::normal);
    EXPECT_TRUE(d.visible());
    EXPECT_EQ(d.pgb.value(), 0);
    EXPECT_TRUE(d.cmd_eff_4.enabled() && d.cmd_eff_1.enabled() && d.cmd_quit.enabled() && d.cmd_crop.enabled());
    const Picture after = editor->canvas().image();
    for (const auto& [x, y] : {std::pair{100, 100}, {600, 400}, {350, 250}})
        EXPECT_EQ(pixel(after, x, y), negated(pixel(before, x, y))) << x << "," << y;
    for (const auto& [x, y] : {std::pair{99, 100}, {601, 400}, {350, 99}, {350, 401}})
        EXPECT_EQ(pixel(after, x, y), pixel(before, x, y)) << x << "," << y;
    // The navigator shows the result: its middle lies inside the selection.
    EXPECT_NE(editor->img_pre.picture().pixel(70, 50), thumbnail_before);
}

TEST_F(EffectsDialogTest, BreakInMidRunKeepsTheColumnsDoneAndLeavesTheNavigator) {
    select(0, 0, 11985, 8985);  // the whole 800 x 600 canvas
    EffectsDialog& d = open_dialog();
    const Picture before = editor->canvas().image();
    const std::uint32_t thumbnail_before = editor->img_pre.picture().pixel(10, 10);
    int progress_at_break = -1;
    after_events(3, [&] {
        progress_at_break = d.pgb.value();
        click(d.cmd_break);
    });
    app.plat.prompts.answer_message(MsgResult::ok);
    click(d.cmd_eff_3);
    EXPECT_EQ(last_message(), "中断されました");
    EXPECT_EQ(d.eff_break, 1);
    EXPECT_GT(progress_at_break, 0);
    EXPECT_LT(progress_at_break, 100);
    EXPECT_EQ(d.pgb.value(), 0);
    EXPECT_TRUE(d.cmd_eff_3.enabled());
    EXPECT_EQ(editor->window_state(), WindowState::normal);
    EXPECT_TRUE(d.visible());

    // Whole bands of columns from the left are grey, the rest untouched; the cut lies where the
    // bar was.
    const Picture after = editor->canvas().image();
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
    EXPECT_EQ(editor->img_pre.picture().pixel(10, 10), thumbnail_before);

    // The next run starts afresh.
    app.plat.prompts.answer_message(MsgResult::ok);
    click(d.cmd_eff_3);
    EXPECT_EQ(last_message(), "完了(モノクロ)");
    EXPECT_EQ(d.eff_break, 0);
}

TEST_F(EffectsDialogTest, OpeningTheEditorOnAnotherPictureMeanwhileLeavesTheNewPictureAsOpened) {
    const struct {
        const char* name;
        Button EffectsDialog::*button;
    } effects[] = {{"mosaic", &EffectsDialog::cmd_eff_1},
                   {"blur", &EffectsDialog::cmd_eff_2},
                   {"monochrome", &EffectsDialog::cmd_eff_3},
                   {"negative", &EffectsDialog::cmd_eff_4}};
    for (const auto& effect : effects) {
        main->set_window_state(WindowState::normal);
        test::click_row(main->file_lst, 0);
        test::click_menu(main->mEdit);
        select(0, 0, 11985, 8985);
        EffectsDialog& d = open_dialog();
        Picture opened;
        after_events(2, [&] {
            main->set_window_state(WindowState::normal);
            test::click_row(main->file_lst, 1);
            test::click_menu(main->mEdit);
            opened = editor->canvas().image();
        });
        app.plat.prompts.answer_message(MsgResult::ok);
        click(d.*effect.button);
        EXPECT_EQ(last_message(), "中断されました") << effect.name;
        ASSERT_EQ(test::loaded<EditorWindow>(*main), editor);
        ASSERT_EQ(opened.width, 640) << effect.name;
        EXPECT_EQ(*editor->canvas().image().pixels, *opened.pixels) << effect.name;
        EXPECT_TRUE((d.*effect.button).enabled()) << effect.name;
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
        main->set_window_state(WindowState::normal);
        test::click_row(main->file_lst, 0);
        test::click_menu(main->mEdit);
        EditorWindow* const first = test::loaded<EditorWindow>(*main);
        ASSERT_NE(first, nullptr);
        editor = first;
        select(0, 0, 11985, 8985);
        EffectsDialog& d = open_dialog();
        Picture opened;
        const auto reopen = [&] {
            main->set_window_state(WindowState::normal);
            test::click_row(main->file_lst, 1);
            test::click_menu(main->mEdit);
            opened = test::loaded<EditorWindow>(*main)->canvas().image();
        };
        after_events(1, [&] {
            first->request_close();
            if (c.reopen_with_the_close) reopen();
        });
        if (c.reopen_next_turn) after_events(2, reopen);
        app.plat.prompts.answer_message(MsgResult::ok);
        click(d.cmd_eff_4);
        app.plat.windows.do_events();  // whatever still waited

        EXPECT_EQ(last_message(), "中断されました");
        EXPECT_EQ(d.pgb.value(), 0);
        EXPECT_TRUE(d.cmd_eff_4.enabled() && d.cmd_quit.enabled());
        EditorWindow* const now = test::loaded<EditorWindow>(*main);
        if (!c.reopen_with_the_close && !c.reopen_next_turn) {
            EXPECT_EQ(now, nullptr);
            EXPECT_EQ(main->window_state(), WindowState::normal);
            EXPECT_TRUE(main->visible());
            continue;
        }
        ASSERT_NE(now, nullptr);
        EXPECT_EQ(now->window_state(), WindowState::normal);
        ASSERT_EQ(opened.width, 640);
        EXPECT_EQ(*now->canvas().image().pixels, *opened.pixels);
        EXPECT_EQ(now->document().tool(), ToolKind::pencil);
    }
}

TEST_F(EffectsDialogTest, NoStrokeNorSaveLandsWhileAnEffectRuns) {
    select(0, 0, 1500, 1500);  // pixels 0 to 100
    EffectsDialog& d = open_dialog();
    const Picture before = editor->canvas().image();
    const std::string folder = app.folders.root.path();
    after_events(2, [&] {
        editor->set_window_state(WindowState::normal);
        click(editor->cmd_pnt_1);
        // Twips read as pixels would put this on the canvas at pixel (300, 300).
        drag({{300, 300}, {4500, 4500}});
        click(editor->cmd_save);  // no save dialog: an unexpected one fails the test
    });
    app.plat.prompts.answer_message(MsgResult::ok);
    click(d.cmd_eff_4);
    EXPECT_EQ(last_message(), "完了(ネガポジ)");
    ASSERT_EQ(app.plat.prompts.asked().size(), 1u);
    // The selection negated, every other pixel as it was.
    const Picture after = editor->canvas().image();
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            const std::uint32_t expected = x <= 100 && y <= 100 ? negated(pixel(before, x, y)) : pixel(before, x, y);
            ASSERT_EQ(pixel(after, x, y), expected) << x << "," << y;
        }

    // Once the run is over, the editor draws where the pointer is again.
    drag({{4500, 4500}});
    EXPECT_EQ(pixel(editor->canvas().image(), 300, 300), 0u);
}

}  // namespace
}  // namespace vis
