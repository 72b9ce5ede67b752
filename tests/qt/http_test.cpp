// The synchronous GET against a small server on 127.0.0.1.
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "qt/qt_http.h"
#include "qt/qt_prompts.h"
#include "qt_fixture.h"
#include "tiny_server.h"

namespace vis::test {
namespace {

TEST_F(QtBackendTest, GetReturnsTheBody) {
    TinyServer server(response("200 OK", "2.10"), 0);
    QtHttp http(windows);
    EXPECT_EQ(http.get(server.url("/cgi-bin/soft/ver.cgi?mode=ver&file=pelmar_vistelle"), 5000), "2.10");
    EXPECT_TRUE(server.request().startsWith("GET /cgi-bin/soft/ver.cgi?mode=ver&file=pelmar_vistelle HTTP/1.1"));
}

TEST_F(QtBackendTest, AnErrorPageIsAnAnswer) {
    QtHttp http(windows);
    TinyServer missing(response("404 Not Found", "<html>no such page</html>"), 0);
    EXPECT_EQ(http.get(missing.url("/x"), 5000), "<html>no such page</html>");
    TinyServer broken(response("500 Internal Server Error", "2.10"), 0);
    EXPECT_EQ(http.get(broken.url("/x"), 5000), "2.10");
    // Still bounded.
    TinyServer chatty(response("404 Not Found", QByteArray(10000, 'y')), 0);
    EXPECT_EQ(http.get(chatty.url("/x"), 5000), std::string(QtHttp::kMaxBody, 'y'));
}

TEST_F(QtBackendTest, GetFailuresAreEmpty) {
    QtHttp http(windows);
    // Nobody listens on the port any more.
    quint16 port = 0;
    {
        QTcpServer gone;
        ASSERT_TRUE(gone.listen(QHostAddress::LocalHost));
        port = gone.serverPort();
    }
    EXPECT_EQ(http.get("http://127.0.0.1:" + std::to_string(port) + "/", 5000), "");
    EXPECT_EQ(http.get("not an address", 5000), "");
    EXPECT_EQ(http.get("", 5000), "");
}

TEST_F(QtBackendTest, GetGivesUpAtItsTimeOut) {
    TinyServer silent(QByteArray(), -1);
    QtHttp http(windows);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(http.get(silent.url("/"), 300), "");
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST_F(QtBackendTest, LongBodyIsCut) {
    TinyServer chatty(response("200 OK", QByteArray(10000, 'x')), 0);
    QtHttp http(windows);
    const std::string body = http.get(chatty.url("/"), 5000);
    EXPECT_EQ(body, std::string(QtHttp::kMaxBody, 'x'));
}

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

    TinyServer slow(response("200 OK", "2.00"), 400);
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
    TinyServer slow(response("200 OK", "2.00"), 400);
    QtHttp http(windows);
    EXPECT_EQ(http.get(slow.url("/"), 5000), "2.00");
    EXPECT_FALSE(forced);
    EXPECT_TRUE(form.answered);
    EXPECT_EQ(form.answer, MsgResult::ok);
}

}  // namespace
}  // namespace vis::test
