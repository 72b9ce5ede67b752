// The synchronous GET of Qt waits in an event loop of its own: timers go on and boxes they open
// can be answered, while the user's input is dropped.
#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "qt/qt_http.h"
#include "qt/qt_prompts.h"
#include "qt_fixture.h"
#include "support/loopback_server.h"

namespace vis::test {
namespace {

TEST_F(QtBackendTest, WaitingIgnoresTheUserButKeepsTimersRunning) {
    struct BusyForm : Form {
        explicit BusyForm(WindowSystem& ws) : Form(ws, "SettingsDialog", "settings") {
            lbl.set_bounds({0, 0, 1500, 600});
            lbl.on_mouse_down = [this](int, int, int, int) { ++presses; };
            tmr.on_timer = [this] { ++ticks; };
        }
        Label lbl{*this, "lbl", "text"};
        Timer tmr{*this, "tmr", 10, true};
        int presses = 0, ticks = 0;
    } form(windows);
    form.show();
    windows.render();
    QWidget* label = widget(form.lbl);
    ASSERT_NE(label, nullptr);
    auto press = [label] {
        QMouseEvent event(QEvent::MouseButtonPress, QPointF(3, 3), label->mapToGlobal(QPointF(3, 3)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(label, &event);
    };

    LoopbackServer slow(http_response("200 OK", "2.00"), 400);
    QtHttp http(windows);
    int ticks_at_press = -1;
    QTimer::singleShot(100, [&] {
        ticks_at_press = form.ticks;
        press();
    });
    EXPECT_EQ(http.get(slow.url("/"), 5000), "2.00");
    EXPECT_EQ(form.presses, 0);
    EXPECT_GE(ticks_at_press, 0);
    EXPECT_GT(form.ticks, ticks_at_press);

    // Afterwards the same press reaches the program.
    press();
    EXPECT_EQ(form.presses, 1);
}

TEST_F(QtBackendTest, BoxOpenedByATimerDuringTheWaitCanBeAnswered) {
    QtPrompts prompts(windows);
    struct NoticeForm : Form {
        NoticeForm(WindowSystem& ws, Prompts& prompts) : Form(ws, "SplashWindow", "splash") {
            tmr.on_timer = [this, &prompts] {
                tmr.set_timer_enabled(false);
                MessageBox box;
                box.text = "ネットワークに接続できませんでした。";
                answer = prompts.message_box(box);
                answered = true;
            };
        }
        Timer tmr{*this, "tmr_pos", 50, true};
        MsgResult answer = MsgResult::cancel;
        bool answered = false;
    } form(windows, prompts);
    windows.render();

    // The user clicks the box's button with the mouse.
    QTimer::singleShot(200, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box->buttons().isEmpty()) return;
        QAbstractButton* ok = box->buttons().front();
        const QPointF at = ok->rect().center();
        QMouseEvent press(QEvent::MouseButtonPress, at, ok->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, ok->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(ok, &press);
        QCoreApplication::sendEvent(ok, &release);
    });
    // Should the click not get through, the box is closed from here and the test fails, not hangs.
    bool forced = false;
    QTimer::singleShot(3000, [&forced] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            forced = true;
            box->reject();
        }
    });
    LoopbackServer slow(http_response("200 OK", "2.00"), 400);
    QtHttp http(windows);
    EXPECT_EQ(http.get(slow.url("/"), 5000), "2.00");
    EXPECT_FALSE(forced);
    EXPECT_TRUE(form.answered);
    EXPECT_EQ(form.answer, MsgResult::ok);
}

}  // namespace
}  // namespace vis::test
