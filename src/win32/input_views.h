#pragma once
// Controls the user works: push buttons, check boxes, text boxes.

#include "ui/revision_mark.h"
#include "win32/control_view.h"
#include "win32/data_icon.h"

namespace vis::win32 {

// A button with an icon is drawn by its owner, the icon above the caption; the kind is fixed
// when the window is made.
class ButtonView : public ControlView {
public:
    ButtonView(FormWindow& window, Button& button);
    void command(int code) override;
    bool draw_item(const DRAWITEMSTRUCT& item) override;

protected:
    void render() override;

private:
    bool graphical_;
    Icon shown_icon_;
    DataIcon icon_;
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

// A drop-down list, editable or fixed as the model is when its window is made.
class ComboBoxView : public ControlView {
public:
    ComboBoxView(FormWindow& window, ComboBox& combo);
    void command(int code) override;

protected:
    void render() override;
    RECT geometry_px() const override;

private:
    RevisionMark items_shown_;
    bool rendering_ = false;
};

// A horizontal scroll bar: one step per arrow or page, the value following a dragged thumb.
class ScrollBarView : public ControlView {
public:
    ScrollBarView(FormWindow& window, ScrollBar& bar);
    void scroll(int code) override;

protected:
    void render() override;
};

}  // namespace vis::win32
