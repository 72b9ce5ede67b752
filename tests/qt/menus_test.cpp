// Pop-up menus built from the program's Menu trees, and the menu bar above the client area.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>

#include "backend/menu_form.h"
#include "qt/qt_prompts.h"
#include "qt_fixture.h"

namespace vis::test {
namespace {

TEST_F(QtBackendTest, TheClientAreaLiesBelowTheMenuBar) {
    MenuForm form(windows);
    form.show();
    windows.render();
    const QMenuBar* bar = window(form)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_GT(bar->height(), 0);
    EXPECT_EQ(window(form)->client().y(), bar->height());
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
    EXPECT_EQ(form.log, std::vector<std::string>{"quit"});
    EXPECT_EQ(seen, (QStringList{QStringLiteral("画像を保存(&S)"), QStringLiteral("-"), QStringLiteral("終了(&X)")}));

    // The menu of a hidden top-level entry still pops up.
    choose_in_popup(QStringLiteral("画像を閉じる(&X)"), nullptr);
    prompts.popup_menu(form.mFullMenu, form, 0, 0);
    EXPECT_EQ(form.log, (std::vector<std::string>{"quit", "close"}));

    // Dismissed: nothing runs.
    choose_in_popup(QStringLiteral("no such entry"), nullptr);
    prompts.popup_menu(form.mFile, form, 0, 0);
    EXPECT_EQ(form.log.size(), 2u);
}

}  // namespace
}  // namespace vis::test
