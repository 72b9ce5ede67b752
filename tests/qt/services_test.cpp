// The platform services of a real run: fonts and text sizes, key codes, clock and random, and
// a dead copy's single-instance lock taken over.
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QTemporaryDir>

#include "qt/fonts.h"
#include "qt/key_codes.h"
#include "qt/qt_instance_guard.h"
#include "qt/qt_text_metrics.h"
#include "qt_fixture.h"
#include "services/system_clock.h"
#include "ui/keys.h"

namespace vis::test {
namespace {

TEST(QtFonts, WindowsJapaneseFontsDrawWithInstalledOnes) {
    install_font_substitutes();
    Font gothic;
    gothic.name = "ＭＳ ゴシック";
    EXPECT_EQ(QFontInfo(to_qfont(gothic)).family(), QStringLiteral("IPAGothic"));
    Font p_gothic;  // the default font of every control
    EXPECT_EQ(QFontInfo(to_qfont(p_gothic)).family(), QStringLiteral("IPAPGothic"));
    Font mincho;
    mincho.name = "ＭＳ 明朝";
    mincho.size_pt = 15.75;
    mincho.italic = true;
    const QFont qmincho = to_qfont(mincho);
    EXPECT_EQ(QFontInfo(qmincho).family(), QStringLiteral("IPAMincho"));
    EXPECT_DOUBLE_EQ(qmincho.pointSizeF(), 15.75);
    EXPECT_TRUE(qmincho.italic());
}

TEST_F(QtBackendTest, TextMeasuresInTwipsAndFitsItsLabel) {
    QtTextMetrics metrics(windows);
    Font font;
    font.name = "ＭＳ ゴシック";
    font.size_pt = 11.25;
    font.bold = true;
    const TextSize one = metrics.measure("1/100 (･･････････)", font);
    const TextSize two = metrics.measure("■ ＥＲＲＯＲ ■\r\n次の画像はありません", font);
    EXPECT_GT(one.width, 0);
    EXPECT_EQ(two.height, 2 * one.height);
    EXPECT_GT(metrics.measure("ＡＢＣ", font).width, metrics.measure("ABC", font).width);
    // Whole pixels in twips.
    const double tpp = windows.screen().twips_per_pixel_x;
    EXPECT_NEAR(one.width / tpp, std::round(one.width / tpp), 1e-6);

    // A label sized to its text shows it on one line.
    struct CounterForm : Form {
        explicit CounterForm(WindowSystem& ws) : Form(ws, "ViewerWindow", "viewer") {}
        Label cnt{*this, "lbl_cnt", "1/100 (･･････････)"};
    } form(windows);
    form.cnt.set_font(font);
    fit_to_text(form.cnt, metrics);
    form.show();
    windows.render();
    auto* label = qobject_cast<QLabel*>(widget(form.cnt));
    ASSERT_NE(label, nullptr);
    EXPECT_LE(label->heightForWidth(label->width()), label->height());

    const auto names = metrics.font_names();
    EXPECT_NE(std::find(names.begin(), names.end(), "ＭＳ ゴシック"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "IPAGothic"), names.end());
}

TEST(QtKeyCodes, QtKeysBecomeTheProgramsCodes) {
    EXPECT_EQ(program_key_code(Qt::Key_Left, Qt::NoModifier), key::kLeft);
    EXPECT_EQ(program_key_code(Qt::Key_Right, Qt::ShiftModifier), key::kRight);
    EXPECT_EQ(program_key_code(Qt::Key_Up, Qt::NoModifier), key::kUp);
    EXPECT_EQ(program_key_code(Qt::Key_Down, Qt::NoModifier), key::kDown);
    EXPECT_EQ(program_key_code(Qt::Key_Delete, Qt::NoModifier), key::kDelete);
    EXPECT_EQ(program_key_code(Qt::Key_F1, Qt::NoModifier), key::kF1);
    EXPECT_EQ(program_key_code(Qt::Key_F12, Qt::NoModifier), key::kF1 + 11);
    EXPECT_EQ(program_key_code(Qt::Key_Return, Qt::NoModifier), key::kReturn);
    EXPECT_EQ(program_key_code(Qt::Key_Enter, Qt::KeypadModifier), key::kReturn);
    EXPECT_EQ(program_key_code(Qt::Key_Escape, Qt::NoModifier), key::kEscape);
    EXPECT_EQ(program_key_code(Qt::Key_Home, Qt::NoModifier), key::kHome);
    EXPECT_EQ(program_key_code(Qt::Key_PageDown, Qt::NoModifier), key::kPageDown);
    EXPECT_EQ(program_key_code(Qt::Key_S, Qt::ControlModifier), 'S');
    EXPECT_EQ(program_key_code(Qt::Key_5, Qt::NoModifier), '5');
    EXPECT_EQ(program_key_code(Qt::Key_5, Qt::KeypadModifier), 101);
    EXPECT_EQ(program_key_code(Qt::Key_Dead_Grave, Qt::NoModifier), 0);
    EXPECT_EQ(program_shift(Qt::ShiftModifier | Qt::AltModifier), shift::kShift | shift::kAlt);
    EXPECT_EQ(program_shift(Qt::ControlModifier | Qt::KeypadModifier), shift::kCtrl);
    EXPECT_EQ(program_buttons(Qt::RightButton), button::kRight);
    EXPECT_EQ(program_buttons(Qt::LeftButton | Qt::MiddleButton), button::kLeft | button::kMiddle);
}

TEST(SystemClockTest, WallClockAndRepeatableRandom) {
    // Milliseconds since 1970: differs between runs, so seeds from it do too.
    EXPECT_GT(SystemClock().now_ms(), 1'500'000'000'000LL);
    MersenneRandom a, b;
    a.seed(12345);
    b.seed(12345);
    for (int i = 0; i < 1000; ++i) {
        const double v = a.next();
        ASSERT_GE(v, 0.0);
        ASSERT_LT(v, 1.0);
        ASSERT_EQ(v, b.next());
    }
    b.seed(54321);
    a.seed(12345);
    EXPECT_NE(a.next(), b.next());
}

TEST(QtInstanceGuardTest, LockOfADeadProcessIsTakenOver) {
    QTemporaryDir program;
    const std::string folder = program.path().toStdString();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) _exit(0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);

    // What a copy that crashed leaves behind: its (now dead) process id.
    QFile lock(QString::fromStdString(QtInstanceGuard::lock_path(folder)));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(child) + "\nvistelle\n\n");
    lock.close();

    QtInstanceGuard guard(folder);
    EXPECT_FALSE(guard.another_instance_running());
    QtInstanceGuard second(folder);
    EXPECT_TRUE(second.another_instance_running());
}

}  // namespace
}  // namespace vis::test
