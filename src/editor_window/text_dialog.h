#pragma once
// The text dialog: one line of text in a chosen font, style and size, with or without an
// outline, previewed live on the editor's canvas and printed into it by "ＯＫ". It lives apart
// from the editor: with no editor open it previews and prints nothing.
#include "core/window_owner.h"
#include "editor/tool_state.h"
#include "ui/control.h"
#include "ui/form.h"

namespace vis {

class EditorWindow;

class TextDialog : public Form {
public:
    explicit TextDialog(WindowOwner& windows);

    TextBox txt_5;
    Label Label1;
    ComboBox cmb_font;
    Label Label3;
    ComboBox cmb_style;
    Label Label2;
    TextBox txt_size;
    CheckBox chk_outline;
    Button cmd_ok;
    Timer Timer1;

    void load_fonts();
    void font_chosen();
    void style_chosen();
    void text_changed();
    void size_changed();
    void print_text();
    void outline_switched();
    bool on_close_request();

    // The choices as they stand: the text, and the font, size and style for it (a style or font
    // not chosen yet keeps the editor's).
    TextSettings settings() const;

private:
    // The open editor, or nullptr.
    EditorWindow* editor() const;
    // Tells the editor's document the choices, so its preview follows.
    void send();
    // The size box's number, in points.
    double size_pt() const;

    WindowOwner& windows_;
};

}  // namespace vis
