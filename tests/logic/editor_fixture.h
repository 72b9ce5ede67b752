#pragma once
// The editor opened on the first of two screenshots (800 x 600, then a smaller 640 x 480 of another
// colour), with a clock that steps, and drags on its canvas between drawing points.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <utility>

#include "editor_window/editor_window.h"
#include "ui/keys.h"
#include "viewer_fixture.h"

namespace vis::test {

// The pointer lies 236.5 twips right of and below the drawing point (16-pixel tool pictures);
// a pointer at p + kAhead draws at p - 0.5.
constexpr int kAhead = 237;

struct EditorOnTwoShots : ::testing::Test {
    App app;
    SteppingClock clock;
    MainWindow* main = nullptr;
    EditorWindow* editor = nullptr;

    void SetUp() override {
        app.plat.use(clock);
        app.folders.write_settings("1", "0");
        app.folders.add_shot("PelmarOnline_2006115_01715.jpg", viewer_local_time(0), 800, 600);
        app.folders.add_shot("PelmarOnline_2006116_00001.jpg", viewer_local_time(1), 640, 480, rgb(200, 30, 60));
        main = &app.start();
        click_menu(main->mEdit);
        editor = loaded<EditorWindow>(*main);
        ASSERT_NE(editor, nullptr);
    }
    // Presses at the first drawing point, moves through the others and lets go at the last (twips).
    void drag(std::initializer_list<std::pair<int, int>> points) {
        auto it = points.begin();
        mouse_down(editor->pct_ss, button::kLeft, it->first + kAhead, it->second + kAhead);
        for (++it; it != points.end(); ++it) mouse_move(editor->pct_ss, it->first + kAhead, it->second + kAhead, 1);
        const auto last = *(points.end() - 1);
        mouse_up(editor->pct_ss, button::kLeft, last.first + kAhead, last.second + kAhead);
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
    // Drags a selection with the selection tool.
    void select(int x1, int y1, int x2, int y2) {
        click(editor->cmd_pnt_0);
        drag({{x1, y1}, {x2, y2}});
    }
};

}  // namespace vis::test
