#pragma once
// Message boxes, file and colour dialogs and pop-up menus as Qt's modal dialogs and menus.
#include "ui/prompts.h"

namespace vis {

class QtWindowSystem;

class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QtWindowSystem& windows) : windows_(windows) {}

    MsgResult message_box(const MessageBox& box) override;
    std::optional<std::string> save_file(const FileDialog& dialog) override;
    std::optional<std::string> open_file(const FileDialog& dialog) override;
    std::optional<Colour> choose_colour(Colour initial, const Form* owner) override;
    void popup_menu(Menu& menu, Form& form, int x, int y) override;

private:
    std::optional<std::string> file_dialog(const FileDialog& dialog, bool save);

    QtWindowSystem& windows_;
};

}  // namespace vis
