#pragma once
// Modal questions to the user: message boxes, file and colour dialogs, pop-up menus.
#include <optional>
#include <string>

#include "ui/colour.h"

namespace vis {

class Form;
class Menu;

enum class MsgButtons { ok, ok_cancel, yes_no, yes_no_cancel };
enum class MsgIcon { none, critical, question, exclamation, information };
enum class MsgResult { ok, cancel, yes, no };

// The answer of a box closed without a choice (Escape, the close box, the program ending): the
// safe way out its buttons offer.
MsgResult way_out(MsgButtons buttons);

struct MessageBox {
    std::string text;
    std::string title;
    MsgButtons buttons = MsgButtons::ok;
    MsgIcon icon = MsgIcon::none;
    // 0-based index of the default button among `buttons`.
    int default_button = 0;
    const Form* owner = nullptr;
};

struct FileDialog {
    std::string title;
    // "description|pattern" pairs joined by "|", e.g. "スクリーンショット(*.jpg)|*.jpg".
    std::string filter;
    std::string initial_folder;
    std::string file_name;
    // Added when the chosen name has none, e.g. ".jpg".
    std::string default_extension;
    const Form* owner = nullptr;
};

class Prompts {
public:
    virtual ~Prompts() = default;
    virtual MsgResult message_box(const MessageBox& box) = 0;
    // The chosen full path; an empty string when the user confirmed an empty name;
    // nothing when cancelled.
    virtual std::optional<std::string> save_file(const FileDialog& dialog) = 0;
    virtual std::optional<std::string> open_file(const FileDialog& dialog) = 0;
    virtual std::optional<Colour> choose_colour(Colour initial, const Form* owner) = 0;
    // Shows `menu`'s entries at a point of `form` (twips from the client area's top left);
    // the chosen entry's on_click runs before this returns.
    virtual void popup_menu(Menu& menu, Form& form, int x, int y) = 0;
};

}  // namespace vis
