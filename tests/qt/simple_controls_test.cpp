// Check box, text box, combo box, button, progress bar and outlines: rendered from the model,
// the user's input written back to it.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>

#include "qt_fixture.h"

namespace vis::test {
namespace {

struct SettingsForm : Form {
    explicit SettingsForm(WindowSystem& ws) : Form(ws, "SettingsDialog", " 設定") {
        set_client_size(7000, 5000);
        chk.set_bounds({120, 120, 3000, 300});
        txt.set_bounds({120, 600, 3000, 300});
        cmb.set_bounds({120, 1000, 3000, 300});
        cmd.set_bounds({120, 1400, 1500, 400});
        pgb.set_bounds({120, 2000, 3000, 300});
        shp.set_bounds({0, 0, 1500, 750});
        shp.set_border_colour(rgb(255, 0, 0));
        chk.on_click = [this] { checks.push_back(chk.value()); };
        txt.on_change = [this] { texts.push_back(txt.text()); };
        cmb.on_click = [this] { picks.push_back(cmb.list_index()); };
        cmd.on_click = [this] { ++presses; };
        cmb.add_item("標準");
        cmb.add_item("太字");
    }
    CheckBox chk{*this, "chk_BGMPlay", "BGMを再生する"};
    TextBox txt{*this, "txt_path", "C:\\Program Files"};
    ComboBox cmb{*this, "cmb_style"};
    Button cmd{*this, "cmd_set", "設定"};
    ProgressBar pgb{*this, "pgb"};
    Shape shp{*this, "Shape1"};
    Frame fra{*this, "Frame1", "スタイル"};
    std::vector<bool> checks;
    std::vector<std::string> texts;
    std::vector<int> picks;
    int presses = 0;
};

void click(QWidget* w) {
    const QPoint at = w->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
    QCoreApplication::sendEvent(w, &release);
}

TEST_F(QtBackendTest, SimpleControlsRenderTheModel) {
    SettingsForm form(windows);
    form.chk.set_value(true);
    form.txt.set_locked(true);
    form.cmb.set_list_index(1);
    form.pgb.set_value(42);
    form.cmd.set_enabled(false);
    form.show();
    windows.render();

    auto* chk = qobject_cast<QCheckBox*>(widget(form.chk));
    auto* txt = qobject_cast<QLineEdit*>(widget(form.txt));
    auto* cmb = qobject_cast<QComboBox*>(widget(form.cmb));
    auto* cmd = qobject_cast<QPushButton*>(widget(form.cmd));
    auto* pgb = qobject_cast<QProgressBar*>(widget(form.pgb));
    auto* fra = qobject_cast<QGroupBox*>(widget(form.fra));
    ASSERT_TRUE(chk && txt && cmb && cmd && pgb && fra);
    EXPECT_EQ(chk->text(), QStringLiteral("BGMを再生する"));
    EXPECT_TRUE(chk->isChecked());
    EXPECT_EQ(txt->text(), QStringLiteral("C:\\Program Files"));
    EXPECT_TRUE(txt->isReadOnly());
    EXPECT_EQ(cmb->count(), 2);
    EXPECT_EQ(cmb->currentText(), QStringLiteral("太字"));
    EXPECT_EQ(cmd->text(), QStringLiteral("設定"));
    EXPECT_FALSE(cmd->isEnabled());
    EXPECT_EQ(pgb->value(), 42);
    EXPECT_EQ(pgb->maximum(), 100);
    EXPECT_EQ(fra->title(), QStringLiteral("スタイル"));

    const QImage outline = widget(form.shp)->grab().toImage();
    EXPECT_EQ(QColor(outline.pixel(0, 5)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(outline.pixel(outline.width() - 1, 5)), QColor(255, 0, 0));
}

TEST_F(QtBackendTest, SimpleControlsForwardTheUsersInput) {
    SettingsForm form(windows);
    form.show();
    windows.render();
    auto* chk = qobject_cast<QCheckBox*>(widget(form.chk));
    auto* txt = qobject_cast<QLineEdit*>(widget(form.txt));
    auto* cmb = qobject_cast<QComboBox*>(widget(form.cmb));
    auto* cmd = qobject_cast<QPushButton*>(widget(form.cmd));
    ASSERT_TRUE(chk && txt && cmb && cmd);

    click(chk);
    EXPECT_TRUE(form.chk.value());
    EXPECT_EQ(form.checks, std::vector<bool>{true});

    click(cmd);
    EXPECT_EQ(form.presses, 1);

    txt->setFocus();
    txt->end(false);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QCoreApplication::sendEvent(txt, &key);
    EXPECT_EQ(form.txt.text(), "C:\\Program Filesx");
    EXPECT_EQ(form.texts, std::vector<std::string>{"C:\\Program Filesx"});

    // The program's own change shows without echoing back as an edit.
    windows.dispatch([&] { form.txt.set_text("D:\\Games"); });
    EXPECT_EQ(txt->text(), QStringLiteral("D:\\Games"));
    EXPECT_EQ(form.texts.size(), 2u);

    emit cmb->activated(1);
    EXPECT_EQ(form.cmb.list_index(), 1);
    EXPECT_EQ(form.picks, std::vector<int>{1});
}

TEST_F(QtBackendTest, EditableComboTakesTypedTextAsItsText) {
    SettingsForm form(windows);
    form.cmb.set_editable(true);
    form.cmb.set_list_index(0);
    form.show();
    windows.render();
    auto* cmb = qobject_cast<QComboBox*>(widget(form.cmb));
    ASSERT_TRUE(cmb && cmb->isEditable() && cmb->lineEdit());
    EXPECT_EQ(cmb->currentText(), QStringLiteral("標準"));

    cmb->lineEdit()->setFocus();
    cmb->lineEdit()->end(false);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QCoreApplication::sendEvent(cmb->lineEdit(), &key);
    EXPECT_EQ(form.cmb.text(), "標準x");
    EXPECT_EQ(form.cmb.list_index(), -1);
    // Typing in the middle goes on where the cursor is.
    cmb->lineEdit()->setCursorPosition(1);
    QKeyEvent y(QEvent::KeyPress, Qt::Key_Y, Qt::NoModifier, QStringLiteral("y"));
    QCoreApplication::sendEvent(cmb->lineEdit(), &y);
    QCoreApplication::sendEvent(cmb->lineEdit(), &y);
    EXPECT_EQ(form.cmb.text(), "標yy準x");
    // Enter keeps the typed text as text; it does not become an item.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(cmb->lineEdit(), &enter);
    EXPECT_EQ(cmb->count(), 2);

    emit cmb->activated(1);
    EXPECT_EQ(form.cmb.text(), "太字");
    windows.dispatch([&] { form.cmb.set_text("#ff8800"); });
    EXPECT_EQ(cmb->currentText(), QStringLiteral("#ff8800"));
}

}  // namespace
}  // namespace vis::test
