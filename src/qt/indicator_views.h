#pragma once
// Controls that only show something: progress bar, rectangle, line, group frame, and a bare
// placeholder for kinds that draw nothing of their own (the invisible file list).
#include <QWidget>

#include "qt/control_view.h"

class QGroupBox;
class QProgressBar;

namespace vis {

class ProgressBarView : public ControlView {
    Q_OBJECT
public:
    ProgressBarView(FormWindow& window, ProgressBar& bar);

protected:
    void render() override;

private:
    QProgressBar* bar_;
};

// Draws a rectangle outline, or a line between two corners of its box.
class OutlineWidget : public QWidget {
    Q_OBJECT
public:
    explicit OutlineWidget(QWidget* parent);
    // `margin` pixels around the line's ends leave room for a wide pen.
    void set_outline(bool line, bool falling, QColor colour, int pen_width, int margin);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool line_ = false;
    bool falling_ = true;  // a line from the top-left to the bottom-right corner
    QColor colour_;
    int pen_width_ = 1;
    int margin_ = 0;
};

// Shape (rectangle) and Line. A line's ends are the corners of its bounds, which may run
// right to left or bottom to top. A wide rectangle border is drawn inside the bounds; a wide
// line is drawn with a round pen centred on its ends.
class ShapeView : public ControlView {
    Q_OBJECT
public:
    ShapeView(FormWindow& window, Shape& shape);

protected:
    void render() override;
    QRect geometry_px() const override;

private:
    OutlineWidget* outline_;
};

class FrameView : public ControlView {
    Q_OBJECT
public:
    FrameView(FormWindow& window, Frame& frame);

protected:
    void render() override;

private:
    QGroupBox* box_;
};

class PlainView : public ControlView {
    Q_OBJECT
public:
    PlainView(FormWindow& window, Control& control);

protected:
    void render() override {}
};

}  // namespace vis
