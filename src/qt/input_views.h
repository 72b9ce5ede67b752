#pragma once
// The controls the user types into or presses: check box, text box, combo box, button.
#include "qt/control_view.h"
#include "ui/revision_mark.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QScrollBar;

namespace vis {

class CheckBoxView : public ControlView {
    Q_OBJECT
public:
    CheckBoxView(FormWindow& window, CheckBox& check);

protected:
    void render() override;

private:
    QCheckBox* box_;
};

// A one-line text box.
class TextBoxView : public ControlView {
    Q_OBJECT
public:
    TextBoxView(FormWindow& window, TextBox& text);

protected:
    void render() override;

private:
    void user_edited(const QString& text);

    QLineEdit* line_;
};

class ComboBoxView : public ControlView {
    Q_OBJECT
public:
    ComboBoxView(FormWindow& window, ComboBox& combo);

protected:
    void render() override;

private:
    void make_editable(bool editable);

    QComboBox* combo_;
    RevisionMark items_shown_;
};

// A push button, or a tool button with its icon above the caption when the button has an icon.
class ButtonView : public ControlView {
    Q_OBJECT
public:
    ButtonView(FormWindow& window, Button& button);

protected:
    void render() override;

private:
    QAbstractButton* button_;
    Icon shown_icon_;
};

// A horizontal scroll bar: thumb drags report scrolling, everything else a change.
class ScrollBarView : public ControlView {
    Q_OBJECT
public:
    ScrollBarView(FormWindow& window, ScrollBar& bar);

protected:
    void render() override;

private:
    QScrollBar* bar_;
};

}  // namespace vis
