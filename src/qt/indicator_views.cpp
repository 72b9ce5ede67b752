#include "qt/indicator_views.h"

#include <QGroupBox>
#include <QPainter>
#include <QProgressBar>

#include "qt/colours.h"
#include "qt/form_window.h"
#include "ui/shape_outline.h"

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

void OutlineWidget::set_outline(bool line, bool falling, QColor colour, int pen_width, int margin) {
    line_ = line;
    falling_ = falling;
    colour_ = colour;
    pen_width_ = pen_width;
    margin_ = margin;
    update();
}

void OutlineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!line_) {
        // The border lies inside the bounds, however wide it is.
        const int half = pen_width_ / 2;
        painter.setPen(QPen(colour_, pen_width_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(rect().adjusted(half, half, half - pen_width_, half - pen_width_));
        return;
    }
    painter.setPen(QPen(colour_, pen_width_, Qt::SolidLine, Qt::RoundCap));
    const QRect r = rect().adjusted(margin_, margin_, -1 - margin_, -1 - margin_);
    if (falling_)
        painter.drawLine(r.topLeft(), r.bottomRight());
    else
        painter.drawLine(r.bottomLeft(), r.topRight());
}

ShapeView::ShapeView(FormWindow& window, Shape& shape)
    : ControlView(window, shape), outline_(new OutlineWidget(&window.client())) {
    outline_->setAccessibleName(QString::fromStdString(shape.name()));
    set_widget(outline_);
}

void ShapeView::render() {
    const auto& shape = static_cast<const Shape&>(*control_);
    outline_->set_outline(shape.kind() == ControlKind::line, line_falls(shape), to_qcolor(shape.border_colour()),
                          shape.border_width(), outline_margin(shape));
}

QRect ShapeView::geometry_px() const {
    const QRect b = ControlView::geometry_px();
    const PixelRect r = outline_place(static_cast<const Shape&>(*control_), {b.x(), b.y(), b.width(), b.height()});
    return {r.left, r.top, r.width, r.height};
}

FrameView::FrameView(FormWindow& window, Frame& frame)
    : ControlView(window, frame), box_(new QGroupBox(&window.client())) {
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
