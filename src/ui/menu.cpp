#include "ui/menu.h"

namespace vis {

Menu::Menu(std::string name, std::string caption, std::string shortcut)
    : name_(std::move(name)), caption_(std::move(caption)), shortcut_(std::move(shortcut)) {}

void Menu::set_caption(std::string c) {
    if (caption_ != c) {
        caption_ = std::move(c);
        ++revision_;
    }
}

void Menu::set_checked(bool c) {
    if (checked_ != c) {
        checked_ = c;
        ++revision_;
    }
}

void Menu::set_enabled(bool e) {
    if (enabled_ != e) {
        enabled_ = e;
        ++revision_;
    }
}

void Menu::set_visible(bool v) {
    if (visible_ != v) {
        visible_ = v;
        ++revision_;
    }
}

}  // namespace vis
