#include "qt/label_view.h"

#include <QLabel>

#include "qt/colours.h"
#include "qt/form_window.h"

namespace vis {

namespace {

QString display_text(const std::string& caption) {
    QString text = QString::fromStdString(caption);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

Qt::Alignment qt_alignment(Alignment a) {
    switch (a) {
        case Alignment::right:
            return Qt::AlignRight | Qt::AlignTop;
        case Alignment::centre:
            return Qt::AlignHCenter | Qt::AlignTop;
        case Alignment::left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

}  // namespace

LabelView::LabelView(FormWindow& window, Label& label)
    : ControlView(window, label), label_(new QLabel(&window.client())) {
    label_->setTextFormat(Qt::PlainText);
    // Text longer than the label breaks onto further lines, as the program's labels do.
    label_->setWordWrap(true);
    label_->setMargin(0);
    label_->setIndent(0);
    set_widget(label_);
    set_clicks_from_mouse(true);
}

void LabelView::render() {
    const auto& label = static_cast<const Label&>(*control_);
    label_->setText(display_text(label.caption()));
    label_->setAlignment(qt_alignment(label.alignment()));
    set_colour_role(*label_, QPalette::WindowText, label.fore_colour());
    set_colour_role(*label_, QPalette::Window, label.back_colour());
    // A transparent label shows what lies beneath it; only its text is drawn.
    label_->setAutoFillBackground(label.opaque());
}

}  // namespace vis
