// A form's window on each system: its caption (at once), client size and labels as the model has
// them; closing it with the frame asks the program first; a timer ticks through the event loop
// until disabled, and again with a new interval.
#include "backend/backend_driver.h"

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
