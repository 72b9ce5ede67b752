#include "platform/qt/indicator_views.h"

#include <QGroupBox>
#include <QPainter>
#include <QProgressBar>

#include "platform/qt/colours.h"
#include "platform/qt/form_window.h"

namespace vis {

ProgressBarView::ProgressBarView(FormWindow& window, ProgressBar& bar)
    : ControlView(window, bar), bar_(new QProgressBar(&window.client())) {
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    set_widget(bar_);
}

void ProgressBarView::render() {
    bar_->setValue(static_cast<const ProgressBar&>(*control_).value());
}

OutlineWidget::OutlineWidget(QWidget* parent) : QWidget(parent) {
    // Outlines lie over other controls without taking their clicks.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OutlineWidget::set_outline(bool line, bool falling, QColor colour) {
    line_ = line;
    falling_ = falling;
    colour_ = colour;
    update();
}

void OutlineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(colour_, 1));
    const QRect r = rect().adjusted(0, 0, -1, -1);
    if (!line_)
        painter.drawRect(r);
    else if (falling_)
        painter.drawLine(r.topLeft(), r.bottomRight());
    else
        painter.drawLine(r.bottomLeft(), r.topRight());
}

ShapeView::ShapeView(FormWindow& window, Shape& shape)
    : ControlView(window, shape), outline_(new OutlineWidget(&window.client())) {
    set_widget(outline_);
}

void ShapeView::render() {
    const auto& shape = static_cast<const Shape&>(*control_);
    const Rect& b = shape.bounds();
    const bool falling = (b.width >= 0) == (b.height >= 0);
    outline_->set_outline(shape.kind() == ControlKind::line, falling, to_qcolor(shape.border_colour()));
}

QRect ShapeView::geometry_px() const {
    // One more pixel each way, so both end points of a line (and a thin rectangle) are drawn.
    const QRect r = ControlView::geometry_px().normalized();
    return control_->kind() == ControlKind::line ? r.adjusted(0, 0, 1, 1) : r;
}

FrameView::FrameView(FormWindow& window, Frame& frame)
    : ControlView(window, frame), box_(new QGroupBox(&window.client())) {
    box_->setAttribute(Qt::WA_TransparentForMouseEvents);
    set_widget(box_);
    // The controls the frame groups are drawn over it.
    box_->lower();
}

void FrameView::render() {
    box_->setTitle(QString::fromStdString(static_cast<const Frame&>(*control_).caption()));
}

PlainView::PlainView(FormWindow& window, Control& control) : ControlView(window, control) {
    set_widget(new QWidget(&window.client()));
}

}  // namespace vis
