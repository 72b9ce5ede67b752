#pragma once
// Message boxes, file and colour dialogs and pop-up menus of the system, owned by the program's
// windows.
#include <string>

#include "ui/prompts.h"

namespace vis::win32 {

class Win32WindowSystem;

class Win32Prompts : public Prompts {
public:
    // `app_title` titles a message box given none.
    Win32Prompts(Win32WindowSystem& windows, std::string app_title);

    MsgResult message_box(const MessageBox& box) override;
    std::optional<std::string> save_file(const FileDialog& dialog) override;
    std::optional<std::string> open_file(const FileDialog& dialog) override;
    std::optional<Colour> choose_colour(Colour initial, const Form* owner) override;
    void popup_menu(Menu& menu, Form& form, int x, int y) override;

private:
    std::optional<std::string> file_dialog(const FileDialog& request, bool save);

    Win32WindowSystem& windows_;
    std::string app_title_;
};

}  // namespace vis::win32
