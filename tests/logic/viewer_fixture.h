#pragma once
// Screenshots for the viewer's tests: each one a different width, so a picture tells which
// screenshot it is.
#include <ctime>
#include <string>
#include <vector>

#include "main_window/main_window.h"
#include "support/app_fixture.h"
#include "viewer/viewer_window.h"

namespace vis::test {

inline std::time_t viewer_local_time(int minute) {
    std::tm t{};
    t.tm_year = 2006 - 1900;
    t.tm_mon = 10;
    t.tm_mday = 5;
    t.tm_hour = 1;
    t.tm_min = minute;
    t.tm_sec = 15;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

// The i-th screenshot (oldest first) is 100 + 10 * i pixels wide.
inline int shot_width(int i) {
    return 100 + 10 * i;
}

inline std::string shot_name(int i) {
    return "PelmarOnline_2006115_0" + std::to_string(1000 + i) + ".jpg";
}

// n screenshots saved a minute apart; their names, oldest first.
inline std::vector<std::string> add_viewer_shots(App& app, int n) {
    std::vector<std::string> names;
    for (int i = 0; i < n; ++i) {
        names.push_back(shot_name(i));
        app.folders.add_shot(names.back(), viewer_local_time(i), shot_width(i), 60, rgb(20 * i, 90, 160));
    }
    return names;
}

// Starts the program over n screenshots with the information flag `info` and music off.
inline MainWindow& start_with_shots(App& app, int n, const std::string& info = "1") {
    app.folders.write_settings(info, "0");
    add_viewer_shots(app, n);
    return app.start();
}

// Selects a row of the list in use and opens the viewer on it, as a double-click on the line does.
inline ViewerWindow& open_viewer_at(MainWindow& f, int row) {
    ListBox& list = f.lists().in_use();
    list.set_focus();
    list.set_list_index(row);
    if (list.on_dbl_click) list.on_dbl_click();
    return test::win<ViewerWindow>(f);
}

}  // namespace vis::test
