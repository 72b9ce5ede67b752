#pragma once
// A form's menus as a native menu bar with access keys, and their shortcut keys as accelerators.
// Native menus hide no entry, so an entry shown, hidden or given another shortcut builds the menus
// anew; captions, check marks and enabling change in place.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vis {
class Menu;
}

namespace vis::win32 {

// Command identifiers of menu entries start here; controls use lower ones.
inline constexpr int kFirstMenuCommand = 0x1000;

// A native menu with the entries' commands, built from the model's entries.
class MenuTree {
public:
    MenuTree() = default;
    ~MenuTree();
    MenuTree(const MenuTree&) = delete;
    MenuTree& operator=(const MenuTree&) = delete;

    // A menu bar (`bar`) or a pop-up menu of `entries`.
    void build(const std::vector<Menu*>& entries, bool bar);
    // Shows the entries' captions, check marks and enabling in the menu built from them.
    void update(const std::vector<Menu*>& entries) { update_entries(menu_, entries); }
    HMENU handle() const { return menu_; }
    // The entry of a command, if every menu on its way is visible and enabled.
    Menu* entry_of(int command) const;
    // The entries that have a shortcut key, with their commands.
    ACCEL* accelerator_table(int& count);

private:
    void add_entries(HMENU menu, const std::vector<Menu*>& entries, int parent);
    void update_entries(HMENU menu, const std::vector<Menu*>& entries);
    struct Binding {
        Menu* entry;
        int parent;
    };
    HMENU menu_ = nullptr;
    std::vector<Binding> bindings_;
    std::vector<ACCEL> accels_;
};

// The menu text: the caption with its shortcut after a tab, as native menus show it.
std::wstring menu_text(const Menu& entry);

class MenuBar {
public:
    ~MenuBar();
    // Builds the bar again when an entry changed; true when the window's menu changed.
    bool sync(HWND window, const std::vector<Menu*>& tops);
    HACCEL accelerators() const { return accelerators_; }
    Menu* entry_of(int command) const { return tree_.entry_of(command); }

private:
    // The accelerators of the entries the user can reach now: a disabled entry's key stays the
    // focused control's.
    void make_accelerators();

    std::uint64_t fingerprint_ = 0;
    std::uint64_t shape_ = 0;
    std::uint64_t bar_look_ = 0;
    std::size_t count_ = 0;
    MenuTree tree_;
    HACCEL accelerators_ = nullptr;
    std::vector<ACCEL> reachable_;
};

}  // namespace vis::win32
