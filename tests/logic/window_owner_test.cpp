// The window owner: each window made once on first use, unloaded windows made afresh.
#include <gtest/gtest.h>

#include "core/window_owner.h"
#include "services/pacer.h"
#include "support/headless.h"

namespace vis {
namespace {

int made = 0;

struct Dialog : Form {
    explicit Dialog(WindowOwner& w) : Form(w.platform().windows, "Dialog", "dialog"), tmr(*this, "tmr", 100, true) {
        ++made;
        tmr.on_timer = [this] { ++ticks; };
    }
    Timer tmr;
    int ticks = 0;
};

TEST(WindowOwner, MakesOnFirstUseAndAfreshAfterAnUnload) {
    test::HeadlessPlatform plat("program");
    WindowOwner windows(plat.platform());
    windows.add<Dialog>([](WindowOwner& w) { return std::make_unique<Dialog>(w); });
    made = 0;
    EXPECT_EQ(windows.loaded<Dialog>(), nullptr);
    Dialog& first = windows.get<Dialog>();
    EXPECT_EQ(&windows.get<Dialog>(), &first);
    EXPECT_EQ(made, 1);

    first.show();
    first.set_caption("changed");
    plat.windows.advance(100);
    EXPECT_EQ(first.ticks, 1);
    windows.unload<Dialog>();
    EXPECT_FALSE(first.visible());
    EXPECT_EQ(windows.loaded<Dialog>(), nullptr);
    // An unloaded window runs no more timers while it waits to be destroyed.
    plat.windows.advance(500);
    EXPECT_EQ(first.ticks, 1);

    Dialog& second = windows.get<Dialog>();
    EXPECT_EQ(made, 2);
    EXPECT_EQ(second.caption(), "dialog");
    EXPECT_FALSE(second.visible());
}

TEST(Pacer, SaysYesOnceEveryIntervalOfTheClock) {
    test::HeadlessWindowSystem windows;
    test::VirtualClock clock(windows);
    Pacer pacer(clock, 15);
    int yes = 0;
    for (int ms = 0; ms < 100; ++ms) {
        for (int i = 0; i < 1000; ++i) yes += pacer.due() ? 1 : 0;
        windows.advance(1);
    }
    // At 15, 30, ..., 90 ms: six times in 100 ms, however often it was asked.
    EXPECT_EQ(yes, 6);
}

}  // namespace
}  // namespace vis
