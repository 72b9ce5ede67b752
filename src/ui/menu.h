#pragma once
// A menu entry of a form's menu bar, or a submenu holding entries. A caption of "-" is a separator.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vis {

class Menu {
public:
    Menu(std::string name, std::string caption, std::string shortcut = {});
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void set_caption(std::string c);
    // Portable key-sequence text: "Ctrl+S", "Shift+Del", "F1"; empty for none.
    const std::string& shortcut() const { return shortcut_; }
    bool is_separator() const { return caption_ == "-"; }

    bool checked() const { return checked_; }
    void set_checked(bool c);
    bool enabled() const { return enabled_; }
    void set_enabled(bool e);
    bool visible() const { return visible_; }
    void set_visible(bool v);

    const std::vector<Menu*>& entries() const { return entries_; }
    void add(Menu& entry) { entries_.push_back(&entry); }

    std::uint64_t revision() const { return revision_; }

    std::function<void()> on_click;

private:
    std::string name_;
    std::string caption_;
    std::string shortcut_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    std::vector<Menu*> entries_;
    std::uint64_t revision_ = 1;
};

}  // namespace vis
