// A form's window on each system: closing it with the frame asks the program first, and a timer
// ticks through the event loop until disabled, and again with a new interval.
#include "backend/backend_driver.h"

namespace vis::test {
namespace {

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
