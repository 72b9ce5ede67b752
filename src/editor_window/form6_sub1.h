#pragma once
// The text dialog: one line of text in a chosen font, style and size, previewed live on the
// editor's canvas by its label lbl_pnt_5 and printed into the canvas by "ＯＫ". It lives apart
// from the editor: with no editor open it previews and prints nothing.
#include "core/windows.h"
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
    Button cmd_ok;
    Timer Timer1;

    void Timer1_Timer();
    void cmb_font_Click();
    void cmb_style_sub();
    void cmb_style_sub_print();
    void txt_5_Change();
    void txt_size_Change();
    void cmd_ok_Click();
    bool Form_QueryUnload();

private:
    // The editor's preview label, or nullptr when no editor is open.
    Label* preview();
    // The size box's number, in points.
    double size_pt() const;
    // Sizes the preview to its text after a change of text or font.
    void fit_preview(Label& label);

    Windows& windows_;
};

}  // namespace vis
