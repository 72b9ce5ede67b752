#pragma once
// The editor opened on the first of two screenshots (800 x 600, then a smaller 640 x 480 of another
// colour), with a clock that steps.
#include <gtest/gtest.h>

#include <functional>

#include "support/editor_surface.h"
#include "viewer_fixture.h"

namespace vis::test {

struct EditorOnTwoShots : ::testing::Test {
    App app;
    SteppingClock clock;
    EditorSurface e{app};

    void SetUp() override {
        app.plat.use(clock);
        app.folders.write_settings("1", "0");
        app.folders.add_shot("PelmarOnline_2006115_01715.jpg", viewer_local_time(0), 800, 600);
        app.folders.add_shot("PelmarOnline_2006116_00001.jpg", viewer_local_time(1), 640, 480, rgb(200, 30, 60));
        app.start();
        app.main().choose_menu(entry::kEdit);
        ASSERT_TRUE(e.open());
    }
    // Opens the editor on a row of the main window's list, the main window restored first.
    void edit_row(int row) {
        app.form->set_window_state(WindowState::normal);
        app.main().choose(row);
        app.main().choose_menu(entry::kEdit);
    }
    // Runs `action` at the program's n-th do_events() from now.
    void after_events(int n, std::function<void()> action) {
        app.plat.windows.queue([this, n, action] {
            if (n <= 1)
                action();
            else
                after_events(n - 1, action);
        });
    }
};

}  // namespace vis::test
