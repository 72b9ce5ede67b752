#include "qt/input_views.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

#include "qt/colours.h"
#include "qt/form_window.h"
#include "qt/qt_window_system.h"
#include "services/paths.h"
#include "ui/input_rules.h"

namespace vis {

CheckBoxView::CheckBoxView(FormWindow& window, CheckBox& check)
    : ControlView(window, check), box_(new QCheckBox(&window.client())) {
    set_widget(box_);
    // The model decides the state; the box shows it when it renders.
    connect(box_, &QCheckBox::clicked, this,
            [this] { forward([](Control& c) { click_check_box(static_cast<CheckBox&>(c)); }); });
}

void CheckBoxView::render() {
    const auto& model = static_cast<const CheckBox&>(*control_);
    box_->setText(QString::fromStdString(model.caption()));
    box_->setChecked(model.value());
    set_colour_role(*box_, QPalette::WindowText, model.fore_colour());
}

TextBoxView::TextBoxView(FormWindow& window, TextBox& text)
    : ControlView(window, text), line_(new QLineEdit(&window.client())) {
    set_widget(line_);
    connect(line_, &QLineEdit::textEdited, this, &TextBoxView::user_edited);
}

void TextBoxView::user_edited(const QString& text) {
    const std::string utf8 = text.toStdString();
    forward([&utf8](Control& c) { static_cast<TextBox&>(c).set_text(utf8); });
}

void TextBoxView::render() {
    const auto& model = static_cast<const TextBox&>(*control_);
    const QString text = QString::fromStdString(model.text());
    if (line_->text() != text) line_->setText(text);
    line_->setReadOnly(model.locked());
    set_colour_role(*line_, QPalette::Text, model.fore_colour());
    set_colour_role(*line_, QPalette::Base, model.back_colour());
}

ComboBoxView::ComboBoxView(FormWindow& window, ComboBox& combo)
    : ControlView(window, combo), combo_(new QComboBox(&window.client())) {
    set_widget(combo_);
    connect(combo_, &QComboBox::activated, this,
            [this](int index) { forward([index](Control& c) { static_cast<ComboBox&>(c).set_list_index(index); }); });
}

void ComboBoxView::render() {
    const auto& model = static_cast<const ComboBox&>(*control_);
    if (combo_->isEditable() != model.editable()) make_editable(model.editable());
    if (items_shown_.moved_on(model.items_revision())) {
        QStringList items;
        for (const std::string& item : model.items()) items << QString::fromStdString(item);
        combo_->clear();
        combo_->addItems(items);
    }
    if (!shows_typed_text(model) && combo_->currentIndex() != model.list_index())
        combo_->setCurrentIndex(model.list_index());
    const QString text = QString::fromStdString(model.text());
    if (model.editable() && combo_->currentText() != text) combo_->setEditText(text);
}

void ComboBoxView::make_editable(bool editable) {
    combo_->setEditable(editable);
    if (!editable) return;
    // Typed text stays the combo's text as typed: Enter adds no item and nothing completes it.
    combo_->setInsertPolicy(QComboBox::NoInsert);
    combo_->setCompleter(nullptr);
    connect(combo_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        const std::string utf8 = text.toStdString();
        forward([&utf8](Control& c) { static_cast<ComboBox&>(c).set_text(utf8); });
    });
}

namespace {

QAbstractButton* make_button(const Button& button, QWidget* parent) {
    if (button.icon().resource.empty()) return new QPushButton(parent);
    auto* tool = new QToolButton(parent);
    tool->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    return tool;
}

}  // namespace

ButtonView::ButtonView(FormWindow& window, Button& button)
    : ControlView(window, button), button_(make_button(button, &window.client())) {
    set_widget(button_);
    connect(button_, &QPushButton::clicked, this, [this] {
        forward([](Control& c) {
            if (c.on_click) c.on_click();
        });
    });
}

void ButtonView::render() {
    const auto& model = static_cast<const Button&>(*control_);
    button_->setText(QString::fromStdString(model.caption()));
    if (model.icon() == shown_icon_) return;
    shown_icon_ = model.icon();
    const std::string path = join_path(join_path(system_.program_folder(), "data"), model.icon().resource);
    button_->setIcon(file_exists(path) ? QIcon(QString::fromStdString(path)) : QIcon());
    button_->setIconSize(QSize(model.icon().width, model.icon().height));
}

ScrollBarView::ScrollBarView(FormWindow& window, ScrollBar& bar)
    : ControlView(window, bar), bar_(new QScrollBar(Qt::Horizontal, &window.client())) {
    bar_->setRange(bar.min(), bar.max());
    bar_->setPageStep(1);
    set_widget(bar_);
    connect(bar_, &QScrollBar::valueChanged, this, [this](int value) {
        // The model may be the one that moved the bar.
        if (control_ == nullptr || static_cast<const ScrollBar&>(*control_).value() == value) return;
        const ScrollMove move = bar_->isSliderDown() ? ScrollMove::drag : ScrollMove::step;
        forward([move, value](Control& c) { scroll_bar_moved(static_cast<ScrollBar&>(c), move, value); });
    });
    connect(bar_, &QScrollBar::sliderReleased, this, [this] {
        forward([](Control& c) { scroll_bar_moved(static_cast<ScrollBar&>(c), ScrollMove::release, 0); });
    });
}

void ScrollBarView::render() {
    const auto& model = static_cast<const ScrollBar&>(*control_);
    const QSignalBlocker quiet(bar_);
    bar_->setRange(model.min(), model.max());
    bar_->setValue(model.value());
}

}  // namespace vis
