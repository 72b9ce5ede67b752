#pragma once
// Shared pieces of the Qt backend tests: a window system over a temporary program folder, a
// form to put controls on, and waiting on the real event loop.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "qt/form_window.h"
#include "qt/qt_window_system.h"
#include "ui/form.h"
#include "ui/list_source.h"

namespace vis::test {

// Runs the event loop until `done` holds or `ms` pass; returns whether it holds.
inline bool wait_until(const std::function<bool()>& done, int ms = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// Lets the event loop run for a while.
inline void spin(int ms) {
    wait_until([] { return false; }, ms);
}

// Fixed lines for a list box.
struct FixedLines : ListSource {
    explicit FixedLines(std::vector<std::string> l) : lines(std::move(l)) {}
    int count() const override { return static_cast<int>(lines.size()); }
    std::string line(int row) const override { return lines.at(static_cast<std::size_t>(row)); }
    std::vector<std::string> lines;
};

class QtBackendTest : public ::testing::Test {
protected:
    QtBackendTest() : windows(folder.path().toStdString()) {}

    QWidget* widget(const Control& c) const { return windows.widget_of(c); }
    FormWindow* window(const Form& f) const { return windows.window_of(&f); }
    int px(int twips) const { return static_cast<int>(twips / windows.screen().twips_per_pixel_x + 0.5); }

    QTemporaryDir folder;
    QtWindowSystem windows;
};

}  // namespace vis::test
