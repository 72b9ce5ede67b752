// Ending the program: every event loop ends at once and no program code runs afterwards. It
// ends the process's event loops for good, so it runs in a process of its own.
#include <unistd.h>
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "qt/qt_prompts.h"
#include "qt_fixture.h"

namespace vis::test {
namespace {

struct RunningForm : Form {
    explicit RunningForm(WindowSystem& ws) : Form(ws, "MainWindow", "running") {
        tmr.on_timer = [this] { ++ticks; };
    }
    Timer tmr{*this, "tmr_music", 5, true};
    int ticks = 0;
};

[[noreturn]] void quit_from_a_message_box() {
    QTemporaryDir folder;
    QtWindowSystem windows(folder.path().toStdString());
    QtPrompts prompts(windows);
    int failures = 0;
    auto check = [&](bool ok, const char* what) {
        if (!ok) {
            std::fprintf(stderr, "failed: %s\n", what);
            ++failures;
        }
    };
    {
        RunningForm form(windows);
        form.show();
        windows.render();
        check(wait_until([&] { return form.ticks > 0; }), "the timer ticks");

        // The program ends while a message box waits for the user.
        QTimer::singleShot(50, [&] { windows.quit(); });
        MessageBox box;
        box.text = "?";
        box.buttons = MsgButtons::yes_no;
        check(prompts.message_box(box) == MsgResult::no, "the box gives the safe answer");
        check(windows.quitting(), "the program is ending");
        check(!windows.window_of(&form)->isVisible(), "its windows are gone");

        const int ticks = form.ticks;
        spin(100);
        check(form.ticks == ticks, "no timer tick after the end");
        bool ran = false;
        windows.dispatch([&] { ran = true; });
        check(!ran, "no handler after the end");
        windows.do_events();
        check(prompts.message_box(box) == MsgResult::no, "a later box returns at once");
        check(windows.run() == 0, "the event loop does not start again");
    }
    // Straight out: the QApplication of main() is never torn down in this child process, so
    // exit handlers (the leak checker's among them) would only report what it still holds.
    std::fflush(nullptr);
    _exit(failures == 0 ? 0 : 1);
}

TEST(QtQuit, EndsEveryLoopAndRunsNothingMore) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(quit_from_a_message_box(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace vis::test
