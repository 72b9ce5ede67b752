#pragma once
// Controls the user works: push buttons, check boxes, text boxes.
#include "platform/win32/control_view.h"

namespace vis::win32 {

class ButtonView : public ControlView {
public:
    ButtonView(FormWindow& window, Button& button);
    void command(int code) override;

protected:
    void render() override;
};

class CheckBoxView : public ControlView {
public:
    CheckBoxView(FormWindow& window, CheckBox& box);
    void command(int code) override;

protected:
    void render() override;
};

// The system's input method composes Japanese text straight into the edit control.
class TextBoxView : public ControlView {
public:
    TextBoxView(FormWindow& window, TextBox& box);
    void command(int code) override;

protected:
    void render() override;

private:
    bool rendering_ = false;
};

}  // namespace vis::win32
