// Forms and controls rendered as real widgets, and the user's input forwarded to the program.
#include <QFontInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QScreen>

#include "qt/control_view.h"
#include "qt_fixture.h"
#include "ui/keys.h"

namespace vis::test {
namespace {

struct LabelForm : Form {
    explicit LabelForm(WindowSystem& ws) : Form(ws, "LabelForm", "labels") {
        set_client_size(6000, 3000);
        info.set_bounds({150, 300, 3000, 600});
        info.set_back_colour(rgb(192, 255, 255));
        info.set_fore_colour(rgb(0, 0, 128));
        Font f;
        f.name = "ＭＳ ゴシック";
        f.size_pt = 14.25;
        f.bold = true;
        info.set_font(f);
    }
    Label info{*this, "info", "ファイル名：a.jpg"};
};

// A label's text colour and its Windows font drawn with an installed Japanese one, bold; its
// alignment as the program changes it.
TEST_F(QtBackendTest, LabelShowsItsTextColourFontAndAlignment) {
    LabelForm form(windows);
    form.show();
    windows.render();
    auto* label = qobject_cast<QLabel*>(widget(form.info));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(QFontInfo(label->font()).family(), QStringLiteral("IPAGothic"));
    EXPECT_TRUE(label->font().bold());
    EXPECT_FALSE(label->alignment() & Qt::AlignRight);

    windows.dispatch([&] { form.info.set_alignment(Alignment::right); });
    EXPECT_TRUE(label->alignment() & Qt::AlignRight);
}

void send_key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QCoreApplication::sendEvent(target, &release);
}

struct ViewerForm : Form {
    explicit ViewerForm(WindowSystem& ws) : Form(ws, "ViewerWindow", "viewer") {
        set_border_style(BorderStyle::none);
        on_key_down = [this](int k, int s) { keys.push_back({k, s}); };
    }
    ImageBox img{*this, "img_view", false};
    std::vector<std::pair<int, int>> keys;
};

Picture test_picture(int w, int h) {
    auto pixels = std::make_shared<std::vector<std::uint32_t>>(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            (*pixels)[static_cast<std::size_t>(y) * w + x] = 0xFF000000u | (x * 8) << 16 | y * 8;
    return {w, h, pixels};
}

TEST_F(QtBackendTest, BorderlessMaximisedFormCoversTheScreen) {
    ViewerForm form(windows);
    form.set_window_state(WindowState::maximised);
    form.show();
    windows.render();
    FormWindow* w = window(form);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->windowFlags() & Qt::FramelessWindowHint);
    ASSERT_TRUE(wait_until([&] { return w->geometry() == QGuiApplication::primaryScreen()->geometry(); }));
    EXPECT_EQ(form.client_width(), windows.screen().width_twips);

    windows.dispatch([&] { form.hide(); });
    EXPECT_FALSE(w->isVisible());
}

TEST_F(QtBackendTest, ImageAtNaturalSizeShowsThePicturePixelForPixel) {
    ViewerForm form(windows);
    const Picture picture = test_picture(30, 20);
    form.img.set_picture(picture);
    form.show();
    windows.render();
    QWidget* image = widget(form.img);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size(), QSize(30, 20));
    EXPECT_EQ(image->pos(), QPoint(0, 0));
    const QImage drawn = image->grab().toImage();
    EXPECT_EQ(drawn.pixel(7, 3), picture.pixel(7, 3));
    EXPECT_EQ(drawn.pixel(29, 19), picture.pixel(29, 19));

    // Another picture: the widget follows its size.
    windows.dispatch([&] { form.img.set_picture(test_picture(12, 9)); });
    EXPECT_EQ(image->size(), QSize(12, 9));
}

TEST_F(QtBackendTest, StretchedImageFillsItsBox) {
    struct PreviewForm : Form {
        explicit PreviewForm(WindowSystem& ws) : Form(ws, "MainWindow", "preview") {
            pre.set_bounds({0, 0, 1500, 1500});
        }
        ImageBox pre{*this, "img_pre", true};
    } form(windows);
    form.pre.set_picture(test_picture(10, 10));
    form.show();
    windows.render();
    QWidget* image = widget(form.pre);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size(), QSize(px(1500), px(1500)));
    const QImage drawn = image->grab().toImage();
    EXPECT_EQ(qRed(drawn.pixel(drawn.width() - 1, 0)), qRed(form.pre.picture().pixel(9, 0)));
}

TEST_F(QtBackendTest, KeysGoToTheFormHandlerWhenItHasOne) {
    ViewerForm form(windows);
    form.show();
    windows.render();
    FormWindow* w = window(form);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->focusPolicy(), Qt::StrongFocus);
    send_key(w, Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier);
    send_key(w, Qt::Key_F1);
    ASSERT_EQ(form.keys.size(), 2u);
    EXPECT_EQ(form.keys[0], std::make_pair(key::kRight, shift::kShift | shift::kCtrl));
    EXPECT_EQ(form.keys[1], std::make_pair(key::kF1, 0));
}

TEST_F(QtBackendTest, FixedSingleFormHasItsClientSizeAndNoMaximiseButton) {
    struct MainForm : Form {
        explicit MainForm(WindowSystem& ws) : Form(ws, "MainWindow", "初期化しています...(Load)") {
            set_client_size(12000, 11145);
            set_border_style(BorderStyle::fixed_single);
            set_centred(true);
        }
    } form(windows);
    form.show();
    windows.render();
    FormWindow* w = window(form);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("初期化しています...(Load)"));
    EXPECT_EQ(w->client().size(), QSize(px(12000), px(11145)));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_TRUE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_NEAR(w->geometry().center().x(), screen.center().x(), 2);

    windows.dispatch([&] { form.set_caption("Pelmarオンライン - Vistelle (v2.00)"); });
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Pelmarオンライン - Vistelle (v2.00)"));
}

TEST_F(QtBackendTest, FocusRequestsMoveTheKeyboardFocus) {
    struct ListForm : Form {
        explicit ListForm(WindowSystem& ws) : Form(ws, "MainWindow", "lists") { lst.set_source(&lines); }
        FixedLines lines{{"a"}};
        ListBox lst{*this, "file_lst"};
    } form(windows);
    form.show();
    windows.render();
    FormWindow* w = window(form);
    w->activateWindow();
    ASSERT_TRUE(wait_until([&] { return w->isActiveWindow(); }));
    windows.dispatch([&] { form.lst.set_focus(); });
    EXPECT_TRUE(widget(form.lst)->hasFocus());
}

TEST_F(QtBackendTest, RemovedFormForwardsNothingMore) {
    auto form = std::make_unique<ViewerForm>(windows);
    form->show();
    windows.render();
    QPointer<FormWindow> w = window(*form);
    ASSERT_TRUE(w);
    form.reset();
    EXPECT_FALSE(w->isVisible());
    // A key still on its way to the window reaches no program code.
    send_key(w, Qt::Key_Left);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}

}  // namespace
}  // namespace vis::test
