#pragma once
// Qt menus built from the program's Menu tree: a window's menu bar and pop-up menus.
#include <QKeySequence>
#include <QObject>
#include <cstdint>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace vis {

class Menu;
class QtWindowSystem;

class MenuTree : public QObject {
    Q_OBJECT
public:
    // With a window system, choosing an entry runs its on_click (menu bars); without one the
    // caller asks which entry was chosen (pop-up menus).
    explicit MenuTree(QtWindowSystem* dispatcher, QObject* parent = nullptr);

    void fill_bar(QMenuBar& bar, const std::vector<Menu*>& tops);
    void fill_menu(QMenu& menu, const std::vector<Menu*>& entries);
    // Brings captions, check marks, enabled and visible states up to date where they changed.
    void sync();
    // The entry behind an action of this tree, or nullptr.
    Menu* entry_of(const QAction* action) const;
    // The form is gone: choosing an entry does nothing any more.
    void detach();
    // The entry and every menu above it are visible and enabled.
    bool reachable(const Menu& entry) const;

private:
    struct Binding {
        QAction* action;
        Menu* entry;
        int parent;  // index of the enclosing entry's binding, -1 at the top
        std::uint64_t revision;
    };
    void add_entries(QMenu& menu, const std::vector<Menu*>& entries, int parent);
    int bind(QAction& action, Menu& entry, int parent);
    void render(const Binding& b) const;
    void choose(int index);

    QtWindowSystem* dispatcher_;
    std::vector<Binding> bindings_;
};

// The portable shortcut text ("Ctrl+S", "Shift+Del", "F1") as a key sequence.
QKeySequence to_key_sequence(const std::string& shortcut);

}  // namespace vis
