#include "qt/menu_tree.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "qt/qt_window_system.h"
#include "ui/menu.h"

namespace vis {

QKeySequence to_key_sequence(const std::string& shortcut) {
    return QKeySequence::fromString(QString::fromStdString(shortcut), QKeySequence::PortableText);
}

MenuTree::MenuTree(QtWindowSystem* dispatcher, QObject* parent) : QObject(parent), dispatcher_(dispatcher) {}

void MenuTree::fill_bar(QMenuBar& bar, const std::vector<Menu*>& tops) {
    for (Menu* top : tops) {
        QMenu* menu = bar.addMenu(QString());
        const int index = bind(*menu->menuAction(), *top, -1);
        add_entries(*menu, top->entries(), index);
    }
    sync();
}

void MenuTree::fill_menu(QMenu& menu, const std::vector<Menu*>& entries) {
    add_entries(menu, entries, -1);
    sync();
}

void MenuTree::add_entries(QMenu& menu, const std::vector<Menu*>& entries, int parent) {
    for (Menu* entry : entries) {
        if (entry->is_separator()) {
            bind(*menu.addSeparator(), *entry, parent);
        } else if (!entry->entries().empty()) {
            QMenu* sub = menu.addMenu(QString());
            const int index = bind(*sub->menuAction(), *entry, parent);
            add_entries(*sub, entry->entries(), index);
        } else {
            QAction* action = menu.addAction(QString());
            if (!entry->shortcut().empty()) {
                action->setShortcut(to_key_sequence(entry->shortcut()));
                // A menu bar's shortcuts act in its own window only; a pop-up's only while it is open.
                action->setShortcutContext(dispatcher_ ? Qt::WindowShortcut : Qt::WidgetShortcut);
            }
            bind(*action, *entry, parent);
        }
    }
}

int MenuTree::bind(QAction& action, Menu& entry, int parent) {
    const int index = static_cast<int>(bindings_.size());
    bindings_.push_back({&action, &entry, parent, 0});
    if (dispatcher_ && !entry.is_separator() && entry.entries().empty())
        connect(&action, &QAction::triggered, this, [this, index] { choose(index); });
    return index;
}

void MenuTree::detach() {
    for (const Binding& b : bindings_) b.action->disconnect(this);
    bindings_.clear();
    dispatcher_ = nullptr;
}

void MenuTree::choose(int index) {
    if (dispatcher_ == nullptr || index >= static_cast<int>(bindings_.size())) return;
    Binding& b = bindings_[static_cast<std::size_t>(index)];
    // Qt toggles a checkable action by itself; the model decides, so render it again.
    b.revision = 0;
    Menu* entry = b.entry;
    dispatcher_->dispatch([this, entry] {
        if (reachable(*entry) && entry->on_click) entry->on_click();
    });
}

void MenuTree::sync() {
    for (Binding& b : bindings_) {
        if (b.revision == b.entry->revision()) continue;
        b.revision = b.entry->revision();
        render(b);
    }
}

void MenuTree::render(const Binding& b) const {
    const Menu& m = *b.entry;
    QAction& a = *b.action;
    a.setVisible(m.visible());
    if (m.is_separator()) return;
    a.setText(QString::fromStdString(m.caption()));
    a.setEnabled(m.enabled());
    // Only checked entries are checkable, so unchecked ones look like plain entries.
    a.setCheckable(m.checked());
    a.setChecked(m.checked());
}

Menu* MenuTree::entry_of(const QAction* action) const {
    for (const Binding& b : bindings_)
        if (b.action == action) return b.entry;
    return nullptr;
}

bool MenuTree::reachable(const Menu& entry) const {
    int index = -1;
    for (std::size_t i = 0; i < bindings_.size(); ++i)
        if (bindings_[i].entry == &entry) index = static_cast<int>(i);
    if (index < 0) return false;
    for (; index >= 0; index = bindings_[static_cast<std::size_t>(index)].parent) {
        const Menu& m = *bindings_[static_cast<std::size_t>(index)].entry;
        if (!m.visible() || !m.enabled()) return false;
    }
    return true;
}

}  // namespace vis
