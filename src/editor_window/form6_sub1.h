#pragma once
// The text dialog: one line of text in a chosen font, style and size, with or without an
// outline, previewed live on the editor's canvas and printed into it by "ＯＫ". It lives apart
// from the editor: with no editor open it previews and prints nothing.
#include "core/window_owner.h"
#include "editor/tool_state.h"
#include "platform/control.h"
#include "platform/form.h"

namespace vis {

class Form6;

class Form6_Sub1 : public Form {
public:
    explicit Form6_Sub1(Windows& windows);

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

    void Timer1_Timer();
    void cmb_font_Click();
    void cmb_style_sub();
    void txt_5_Change();
    void txt_size_Change();
    void cmd_ok_Click();
    void chk_outline_Click();
    bool Form_QueryUnload();

    // The choices as they stand: the text, and the font, size and style for it (a style or font
    // not chosen yet keeps the editor's).
    TextSettings settings() const;

private:
    // The open editor, or nullptr.
    Form6* editor() const;
    // Tells the editor's document the choices, so its preview follows.
    void send();
    // The size box's number, in points.
    double size_pt() const;

    Windows& windows_;
};

}  // namespace vis
