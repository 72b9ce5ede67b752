// A form's window on each system: its caption (at once), client size and labels as the model has
// them; the player's sizes; closing it with the frame asks the program first; a timer ticks
// through the event loop until disabled, and again with a new interval.
#include <memory>
#include <vector>

#include "backend/backend_driver.h"
#include "backend/counter_over_picture.h"

namespace vis::test {
namespace {

TEST_F(BackendTest, AWindowShowsItsCaptionAtOnceItsClientSizeAndItsLabelsWhereTheyAre) {
    Form form(windows, "MainWindow", "初期化しています...(Load)");
    form.set_client_size(4800, 3000);
    Label label(form, "lbl_info", "スクリーンショット");
    label.set_bounds({150, 300, 1500, 450});
    form.show();
    windows.do_events();
    EXPECT_TRUE(driver->window_shown(form));
    EXPECT_EQ(driver->window_title(form), "初期化しています...(Load)");
    // 15 twips a pixel.
    EXPECT_EQ(driver->window_client_size(form).x, 320);
    EXPECT_EQ(driver->window_client_size(form).y, 200);
    EXPECT_EQ(driver->shown_text(label), "スクリーンショット");
    EXPECT_EQ(driver->shown_place(label), (Rect{10, 20, 100, 30}));

    // What a long step that follows would show in the title bar meanwhile.
    form.set_caption("Pelmarオンライン - Vistelle (v2.00)");
    EXPECT_EQ(driver->window_title(form), "Pelmarオンライン - Vistelle (v2.00)");
    label.set_caption("二行\r\n目");
    label.set_visible(false);
    windows.do_events();
    EXPECT_EQ(driver->shown_text(label), "二行\n目");
    EXPECT_FALSE(driver->control_shown(label));
    form.hide();
    windows.do_events();
    EXPECT_FALSE(driver->window_shown(form));
}

// A label over a picture, as the viewer's counter: its back colour while opaque; see-through, what
// lies beneath it, the picture or the form.
TEST_F(BackendTest, ALabelShowsItsBackColourOrSeeThroughWhatLiesBeneath) {
    Form form(windows, "ViewerWindow", "viewer");
    form.set_back_colour(rgb(255, 255, 255));
    CounterOverPicture scene(form, rgb(0, 0, 64));
    ImageBox& beneath = scene.picture;
    Label& counter = scene.counter;
    form.show();
    windows.do_events();
    struct Row {
        const char* what;
        std::function<void()> change;
        std::uint32_t colour;
    };
    const Row rows[] = {
        {"opaque", [] {}, 0x000040},
        {"see-through and blank, over the picture",
         [&] {
             counter.set_opaque(false);
             counter.set_caption(std::string(16, ' '));
         },
         0xFF0000},
        {"opaque again", [&] { counter.set_opaque(true); }, 0x000040},
        {"see-through over the form",
         [&] {
             beneath.set_visible(false);
             counter.set_opaque(false);
         },
         0xFFFFFF},
    };
    for (const Row& row : rows) {
        row.change();
        windows.do_events();
        EXPECT_EQ(driver->pixel(counter, {1, 1}), row.colour) << row.what;
    }
}

TEST_F(BackendTest, ClosingAWindowWithItsFrameAsksTheProgram) {
    Form form(windows, "AlbumWindow", "album");
    bool refuse = true;
    int asked = 0;
    form.on_query_unload = [&] {
        ++asked;
        return refuse;
    };
    form.show();
    windows.do_events();
    driver->close_by_frame(form);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(form.visible());
    EXPECT_TRUE(driver->window_shown(form));

    refuse = false;
    driver->close_by_frame(form);
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(form.visible());
    EXPECT_FALSE(driver->window_shown(form));
}

// The player sizes a sizable window by its frame or maximises it: the form learns each client size
// the player makes, not its own; the frame stops at the form's least size; the form's next change
// leaves the player's size as it is.
TEST_F(BackendTest, ASizableWindowLearnsThePlayersSizeAndKeepsItsLeast) {
    Form form(windows, "ThumbnailWindow", "サムネイル一覧");
    form.set_client_size(6000, 3000);
    form.set_min_client_size(3000, 1500);
    int resizes = 0;
    form.on_resize = [&] { ++resizes; };
    form.show();
    windows.do_events();
    EXPECT_TRUE(driver->sizable_by_player(form));
    ViewPoint maximised;
    struct Row {
        const char* what;
        std::function<void()> act;
        ViewPoint client;  // pixels; none for the maximised size
        int resizes;
    };
    const Row rows[] = {
        {"its own size", [] {}, {400, 200}, 0},
        {"dragged larger",
         [&] {
             driver->drag_frame_to(form, {600, 350});
         },
         {600, 350},
         1},
        {"the form's next change", [&] { form.set_caption("サムネイル"); }, {600, 350}, 1},
        {"dragged below its least",
         [&] {
             driver->drag_frame_to(form, {100, 50});
         },
         {200, 100},
         2},
        {"dragged back",
         [&] {
             driver->drag_frame_to(form, {600, 350});
         },
         {600, 350},
         3},
        {"maximised",
         [&] {
             driver->maximise(form, true);
             maximised = driver->window_client_size(form);
         },
         {},
         4},
        {"maximised, the form's next change", [&] { form.set_caption("サムネイル一覧"); }, {}, 4},
        {"restored", [&] { driver->maximise(form, false); }, {600, 350}, 5},
    };
    for (const Row& row : rows) {
        row.act();
        windows.do_events();
        const ViewPoint client = row.client.x > 0 ? row.client : maximised;
        EXPECT_EQ(driver->window_client_size(form).x, client.x) << row.what;
        EXPECT_EQ(driver->window_client_size(form).y, client.y) << row.what;
        EXPECT_EQ(form.client_width(), client.x * 15) << row.what;
        EXPECT_EQ(form.client_height(), client.y * 15) << row.what;
        EXPECT_EQ(resizes, row.resizes) << row.what;
    }
    EXPECT_GT(maximised.x, 600);
}

TEST_F(BackendTest, ATimerTicksThroughTheEventLoopUntilDisabled) {
    Form form(windows, "SplashWindow", "splash");
    Timer timer(form, "tmr_pos", 15, true);
    int ticks = 0;
    timer.on_timer = [&] {
        if (++ticks == 3) timer.set_timer_enabled(false);
    };
    windows.do_events();
    ASSERT_TRUE(driver->run_until([&] { return ticks >= 3; }));
    driver->run_for(100);
    EXPECT_EQ(ticks, 3);

    // Enabling again restarts the countdown with the new interval.
    timer.set_interval(10);
    timer.set_timer_enabled(true);
    EXPECT_TRUE(driver->run_until([&] { return ticks >= 4; }));
}

}  // namespace
}  // namespace vis::test
