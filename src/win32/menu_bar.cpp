#include "win32/menu_bar.h"

#include <algorithm>
#include <functional>
#include <string>

#include "ui/menu.h"
#include "win32/shortcut.h"
#include "win32/wide.h"

namespace vis::win32 {

namespace {

UINT state_of(const Menu& entry) {
    return (entry.enabled() ? MF_ENABLED : MF_GRAYED) | (entry.checked() ? MF_CHECKED : 0);
}

}  // namespace

MenuTree::~MenuTree() {
    if (menu_ != nullptr) DestroyMenu(menu_);
}

void MenuTree::build(const std::vector<Menu*>& entries, bool bar) {
    if (menu_ != nullptr) DestroyMenu(menu_);
    bindings_.clear();
    accels_.clear();
    menu_ = bar ? CreateMenu() : CreatePopupMenu();
    add_entries(menu_, entries, -1);
}

std::wstring menu_text(const Menu& entry) {
    std::wstring text = widen(entry.caption());
    if (!entry.shortcut().empty()) text += L"\t" + widen(entry.shortcut());
    return text;
}

void MenuTree::add_entries(HMENU menu, const std::vector<Menu*>& entries, int parent) {
    for (Menu* entry : entries) {
        const int index = static_cast<int>(bindings_.size());
        bindings_.push_back({entry, parent});
        if (!entry->visible()) continue;
        if (entry->is_separator()) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT state = state_of(*entry);
        const std::wstring text = menu_text(*entry);
        if (!entry->entries().empty()) {
            HMENU sub = CreatePopupMenu();
            add_entries(sub, entry->entries(), index);
            AppendMenuW(menu, MF_POPUP | state, reinterpret_cast<UINT_PTR>(sub), text.c_str());
            continue;
        }
        const int command = kFirstMenuCommand + index;
        AppendMenuW(menu, MF_STRING | state, static_cast<UINT_PTR>(command), text.c_str());
        if (const auto chord = parse_shortcut(entry->shortcut())) {
            BYTE flags = FVIRTKEY;
            if (chord->shift & 1) flags |= FSHIFT;
            if (chord->shift & 2) flags |= FCONTROL;
            if (chord->shift & 4) flags |= FALT;
            accels_.push_back({flags, chord->virtual_key, static_cast<WORD>(command)});
        }
    }
}

// Walks the entries as add_entries laid them out: a hidden entry has no item.
void MenuTree::update_entries(HMENU menu, const std::vector<Menu*>& entries) {
    UINT position = 0;
    for (const Menu* entry : entries) {
        if (!entry->visible()) continue;
        const UINT at = position++;
        if (entry->is_separator()) continue;
        std::wstring text = menu_text(*entry);
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STATE | MIIM_STRING;
        item.fState = state_of(*entry);
        item.dwTypeData = text.data();
        SetMenuItemInfoW(menu, at, TRUE, &item);
        if (!entry->entries().empty()) update_entries(GetSubMenu(menu, static_cast<int>(at)), entry->entries());
    }
}

Menu* MenuTree::entry_of(int command) const {
    const int index = command - kFirstMenuCommand;
    if (index < 0 || index >= static_cast<int>(bindings_.size())) return nullptr;
    Menu* entry = bindings_[static_cast<std::size_t>(index)].entry;
    for (int i = index; i >= 0; i = bindings_[static_cast<std::size_t>(i)].parent) {
        const Menu& m = *bindings_[static_cast<std::size_t>(i)].entry;
        if (!m.visible() || !m.enabled()) return nullptr;
    }
    return entry;
}

ACCEL* MenuTree::accelerator_table(int& count) {
    count = static_cast<int>(accels_.size());
    return accels_.empty() ? nullptr : accels_.data();
}

namespace {

// Changes whenever any entry below `entries` changes.
std::uint64_t fingerprint_of(const std::vector<Menu*>& entries) {
    std::uint64_t sum = 0;
    for (const Menu* e : entries) sum = sum * 31 + e->revision() + fingerprint_of(e->entries());
    return sum;
}

// Changes when an entry shows or hides, or its shortcut changes: what the items themselves are.
std::uint64_t shape_of(const std::vector<Menu*>& entries) {
    std::uint64_t sum = entries.size();
    for (const Menu* e : entries)
        sum = sum * 31 + (e->visible() ? 1 : 2) + std::hash<std::string>{}(e->shortcut()) + 7 * shape_of(e->entries());
    return sum;
}

// Changes when an entry of the bar itself changes, not one inside its menus.
std::uint64_t own_revisions_of(const std::vector<Menu*>& tops) {
    std::uint64_t sum = 0;
    for (const Menu* e : tops) sum = sum * 31 + e->revision();
    return sum;
}

}  // namespace

MenuBar::~MenuBar() {
    if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
}

bool MenuBar::sync(HWND window, const std::vector<Menu*>& tops) {
    const std::uint64_t fingerprint = fingerprint_of(tops);
    if (fingerprint == fingerprint_ && tops.size() == count_) return false;
    fingerprint_ = fingerprint;
    const std::uint64_t shape = shape_of(tops);
    const std::uint64_t bar_look = own_revisions_of(tops);
    if (count_ > 0 && tops.size() == count_ && shape == shape_) {
        tree_.update(tops);
        // The same items: the bar keeps its height, so only its own entries are painted again, and
        // only when one of them changed (an entry inside a menu shows when the menu opens).
        // DrawMenuBar would lay the whole window out anew, costly on a large window.
        if (bar_look != bar_look_) RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        bar_look_ = bar_look;
        make_accelerators();
        return false;
    }
    bar_look_ = bar_look;
    shape_ = shape;
    const bool had_bar = count_ > 0;
    count_ = tops.size();
    if (tops.empty() && !had_bar) return false;
    // The window lets go of the old bar before it is destroyed.
    SetMenu(window, nullptr);
    tree_.build(tops, true);
    SetMenu(window, tops.empty() ? nullptr : tree_.handle());
    reachable_.clear();
    make_accelerators();
    DrawMenuBar(window);
    return true;
}

void MenuBar::make_accelerators() {
    int count = 0;
    const ACCEL* table = tree_.accelerator_table(count);
    std::vector<ACCEL> reachable;
    for (int i = 0; i < count; ++i)
        if (tree_.entry_of(table[i].cmd) != nullptr) reachable.push_back(table[i]);
    const auto same = [](const ACCEL& a, const ACCEL& b) {
        return a.cmd == b.cmd && a.key == b.key && a.fVirt == b.fVirt;
    };
    if (accelerators_ != nullptr &&
        std::equal(reachable.begin(), reachable.end(), reachable_.begin(), reachable_.end(), same))
        return;
    if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
    reachable_ = reachable;
    accelerators_ =
        reachable.empty() ? nullptr : CreateAcceleratorTableW(reachable.data(), static_cast<int>(reachable.size()));
}

}  // namespace vis::win32
