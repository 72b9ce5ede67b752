// Menu bars and pop-up menus built from the program's Menu trees.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>

#include "qt/qt_prompts.h"
#include "qt_fixture.h"
#include "ui/menu.h"

namespace vis::test {
namespace {

struct MenuForm : Form {
    explicit MenuForm(WindowSystem& ws) : Form(ws, "MainWindow", "menus") {
        set_client_size(6000, 4000);
        for (Menu* m : {&mSave, &mh0, &mQuit}) mFile.add(*m);
        for (Menu* m : {&mImgInfo, &mBGM_option}) mOption.add(*m);
        mBGM_option.add(mBGMPlay);
        mFullMenu.add(mClose_F);
        for (Menu* m : {&mFullMenu, &mFile, &mOption}) add_menu(*m);
        mFullMenu.set_visible(false);
        mSave.set_enabled(false);
        mImgInfo.set_checked(true);
        mSave.on_click = [this] { ++saves; };
        mImgInfo.on_click = [this] { mImgInfo.set_checked(!mImgInfo.checked()); };
        mQuit.on_click = [this] { ++quits; };
        mBGMPlay.on_click = [this] { ++music; };
    }
    Menu mFullMenu{"mFullMenu", "フルスクリーンメニュー"}, mClose_F{"mClose_F", "画像を閉じる(&X)"};
    Menu mFile{"mFile", "ファイル(&F)"}, mSave{"mSave", "画像を保存(&S)", "Ctrl+S"}, mh0{"mh0", "-"},
        mQuit{"mQuit", "終了(&X)"};
    Menu mOption{"mOption", "オプション(&O)"}, mImgInfo{"mImgInfo", "画像情報(&I)"},
        mBGM_option{"mBGM_option", "BGM(&B)"}, mBGMPlay{"mBGMPlay", "BGMを再生する", "Shift+Del"};
    int saves = 0, quits = 0, music = 0;
};

QMenuBar* bar_of(QWidget* window) {
    return window->findChild<QMenuBar*>();
}

TEST_F(QtBackendTest, MenuBarFollowsTheMenuTree) {
    MenuForm form(windows);
    form.show();
    windows.render();
    QMenuBar* bar = bar_of(window(form));
    ASSERT_NE(bar, nullptr);
    const QList<QAction*> tops = bar->actions();
    ASSERT_EQ(tops.size(), 3);
    EXPECT_EQ(tops[0]->text(), QStringLiteral("フルスクリーンメニュー"));
    EXPECT_FALSE(tops[0]->isVisible());
    EXPECT_EQ(tops[1]->text(), QStringLiteral("ファイル(&F)"));
    EXPECT_TRUE(tops[1]->isVisible());

    const QList<QAction*> file = tops[1]->menu()->actions();
    ASSERT_EQ(file.size(), 3);
    EXPECT_EQ(file[0]->text(), QStringLiteral("画像を保存(&S)"));
    EXPECT_FALSE(file[0]->isEnabled());
    EXPECT_EQ(file[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(file[0]->shortcutContext(), Qt::WindowShortcut);
    EXPECT_TRUE(file[1]->isSeparator());
    EXPECT_FALSE(file[2]->isChecked());

    const QList<QAction*> option = tops[2]->menu()->actions();
    ASSERT_EQ(option.size(), 2);
    EXPECT_TRUE(option[0]->isChecked());
    ASSERT_NE(option[1]->menu(), nullptr);
    const QAction* music = option[1]->menu()->actions().value(0);
    ASSERT_NE(music, nullptr);
    EXPECT_EQ(music->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_Delete));

    // The client area lies below the bar.
    EXPECT_EQ(window(form)->client().y(), bar->height());
}

TEST_F(QtBackendTest, MenuActionsRunTheProgramAndShowItsState) {
    MenuForm form(windows);
    form.show();
    windows.render();
    const QList<QAction*> tops = bar_of(window(form))->actions();
    QAction* info = tops[2]->menu()->actions()[0];
    QAction* save = tops[1]->menu()->actions()[0];

    info->trigger();
    EXPECT_FALSE(form.mImgInfo.checked());
    EXPECT_FALSE(info->isChecked());
    info->trigger();
    EXPECT_TRUE(form.mImgInfo.checked());
    EXPECT_TRUE(info->isChecked());

    // A disabled entry runs nothing, even when its action is triggered directly.
    save->trigger();
    EXPECT_EQ(form.saves, 0);
    windows.dispatch([&] { form.mSave.set_enabled(true); });
    EXPECT_TRUE(save->isEnabled());
    save->trigger();
    EXPECT_EQ(form.saves, 1);

    // A hidden top menu hides its entries' commands too.
    windows.dispatch([&] { form.mFile.set_visible(false); });
    EXPECT_FALSE(tops[1]->isVisible());
    save->trigger();
    EXPECT_EQ(form.saves, 1);
}

void press_keys(QWidget* target, int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
}

TEST_F(QtBackendTest, ShortcutsRunTheEntriesBeforeTheFocusedList) {
    struct ListMenuForm : MenuForm {
        explicit ListMenuForm(WindowSystem& ws) : MenuForm(ws) {
            mFile.add(mClipboard);
            lst.set_bounds({0, 0, 3000, 2000});
            lst.set_source(&lines);
            lst.on_key_down = [this](int k, int) { keys.push_back(k); };
            mClipboard.on_click = [this] { ++copies; };
        }
        Menu mClipboard{"mClipboard", "クリップボード(&C)", "Ctrl+C"};
        FixedLines lines{{"a", "b"}};
        ListBox lst{*this, "file_lst"};
        std::vector<int> keys;
        int copies = 0;
    } form(windows);
    form.mSave.set_enabled(true);
    form.lst.set_focus();
    form.show();
    windows.render();
    FormWindow* w = window(form);
    w->activateWindow();
    ASSERT_TRUE(wait_until([&] { return w->isActiveWindow(); }));
    QWidget* list = widget(form.lst);
    ASSERT_TRUE(list->hasFocus());

    press_keys(list, Qt::Key_S, Qt::ControlModifier);
    press_keys(list, Qt::Key_C, Qt::ControlModifier);
    press_keys(list, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(form.saves, 1);
    EXPECT_EQ(form.copies, 1);
    EXPECT_EQ(form.music, 1);
    // Taken by the menu, the keys never reach the list's own handler.
    EXPECT_TRUE(form.keys.empty());

    // A disabled entry's shortcut does nothing; the key then goes to the list.
    windows.dispatch([&] { form.mSave.set_enabled(false); });
    press_keys(list, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(form.saves, 1);
    EXPECT_EQ(form.keys, std::vector<int>{'S'});
}

// Clicks the pop-up entry with this caption once the menu is open.
void choose_in_popup(const QString& caption, QStringList* seen) {
    QTimer::singleShot(50, [caption, seen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        for (QAction* a : menu->actions()) {
            if (seen) seen->append(a->isSeparator() ? QStringLiteral("-") : a->text());
            if (a->text() != caption) continue;
            const QPoint at = menu->actionGeometry(a).center();
            QMouseEvent press(QEvent::MouseButtonPress, at, menu->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                              Qt::NoModifier);
            QMouseEvent release(QEvent::MouseButtonRelease, at, menu->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                                Qt::NoModifier);
            QCoreApplication::sendEvent(menu, &press);
            QCoreApplication::sendEvent(menu, &release);
            return;
        }
        menu->close();
    });
}

TEST_F(QtBackendTest, PopupMenuRunsTheChosenEntryBeforeReturning) {
    MenuForm form(windows);
    form.mSave.set_enabled(true);
    form.show();
    windows.render();
    QtPrompts prompts(windows);

    QStringList seen;
    choose_in_popup(QStringLiteral("終了(&X)"), &seen);
    prompts.popup_menu(form.mFile, form, 300, 300);
    EXPECT_EQ(form.quits, 1);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("画像を保存(&S)"), QStringLiteral("-"), QStringLiteral("終了(&X)")}));

    // The menu of a hidden top-level entry still pops up.
    int closes = 0;
    form.mClose_F.on_click = [&] { ++closes; };
    choose_in_popup(QStringLiteral("画像を閉じる(&X)"), nullptr);
    prompts.popup_menu(form.mFullMenu, form, 0, 0);
    EXPECT_EQ(closes, 1);

    // Dismissed: nothing runs.
    choose_in_popup(QStringLiteral("no such entry"), nullptr);
    prompts.popup_menu(form.mFile, form, 0, 0);
    EXPECT_EQ(form.quits, 1);
    EXPECT_EQ(form.saves, 0);
}

}  // namespace
}  // namespace vis::test
