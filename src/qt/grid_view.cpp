#include "qt/grid_view.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "qt/form_window.h"
#include "qt/key_codes.h"
#include "qt/picture_image.h"

namespace vis {

class GridWidget : public QAbstractScrollArea {
public:
    GridWidget(QWidget* parent, GridView& view) : QAbstractScrollArea(parent), view_(view) {
        setFocusPolicy(Qt::StrongFocus);
        viewport()->setAutoFillBackground(true);
        connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int top) { view_.scrolled(top); });
    }

    // Sets the scroll range for content of `height`, with the view at `top`, without telling the grid.
    void show_range(int height, int top) {
        QScrollBar* bar = verticalScrollBar();
        const QSignalBlocker quiet(bar);
        bar->setRange(0, std::max(0, height - viewport()->height()));
        bar->setPageStep(viewport()->height());
        bar->setSingleStep(std::max(1, viewport()->height() / 8));
        bar->setValue(top);
        viewport()->update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const PictureGrid* grid = view_.grid();
        if (grid == nullptr || grid->source() == nullptr) return;
        QPainter painter(viewport());
        const int top = verticalScrollBar()->value();
        const QPalette& colours = palette();
        for (const GridPiece& piece : grid->source()->pieces(top, top + viewport()->height())) {
            const QRect r(piece.rect.left, piece.rect.top - top, piece.rect.width, piece.rect.height);
            if (piece.kind == GridPiece::Kind::header) {
                QFont bold = font();
                bold.setBold(true);
                painter.setFont(bold);
                painter.setPen(colours.color(QPalette::WindowText));
                painter.drawText(r.adjusted(r.height() / 4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                                 QString::fromStdString(piece.text));
                painter.setFont(font());
                continue;
            }
            paint_cell(painter, piece, r);
        }
    }

    void resizeEvent(QResizeEvent* event) override {
        QAbstractScrollArea::resizeEvent(event);
        view_.resized(viewport()->width(), viewport()->height());
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        setFocus(Qt::MouseFocusReason);
        const QPoint p = event->position().toPoint();
        view_.pressed(p.x(), p.y() + verticalScrollBar()->value(), event->modifiers(), false);
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        const QPoint p = event->position().toPoint();
        view_.pressed(p.x(), p.y() + verticalScrollBar()->value(), event->modifiers(), true);
    }

    // The program moves the selection by key; the scroll area itself does not scroll by them.
    void keyPressEvent(QKeyEvent* event) override { event->accept(); }

private:
    void paint_cell(QPainter& painter, const GridPiece& piece, const QRect& r) const {
        const QPalette& colours = palette();
        const QRect box(r.left(), r.top(), r.width(), piece.picture_height);
        if (piece.selected) painter.fillRect(r.adjusted(-3, -3, 3, 3), colours.color(QPalette::Highlight));
        painter.fillRect(box, colours.color(QPalette::Mid));
        if (piece.look == GridPiece::Look::ready && !piece.picture.empty()) {
            const QImage image = wrap_picture(piece.picture);
            painter.drawImage(box.left() + (box.width() - image.width()) / 2,
                              box.top() + (box.height() - image.height()) / 2, image);
        } else if (piece.look == GridPiece::Look::unreadable) {
            painter.setPen(QPen(colours.color(QPalette::Dark), 2));
            painter.drawLine(box.topLeft(), box.bottomRight());
            painter.drawLine(box.topRight(), box.bottomLeft());
        }
        painter.setPen(colours.color(piece.selected ? QPalette::HighlightedText : QPalette::WindowText));
        painter.drawText(QRect(r.left(), box.bottom() + 1, r.width(), r.height() - piece.picture_height),
                         Qt::AlignCenter, QString::fromStdString(piece.text));
        if (piece.current && hasFocus()) {
            painter.setPen(QPen(colours.color(QPalette::Text), 1, Qt::DotLine));
            painter.drawRect(r.adjusted(-2, -2, 1, 1));
        }
    }

    GridView& view_;
};

GridView::GridView(FormWindow& window, PictureGrid& grid)
    : ControlView(window, grid), widget_(new GridWidget(&window.client(), *this)) {
    set_widget(widget_, widget_->viewport());
}

void GridView::render() {
    const PictureGrid& grid = *this->grid();
    widget_->show_range(grid.source() != nullptr ? grid.source()->content_height() : 0, grid.scroll_top());
    if (grid.spoken() != spoken_) {
        spoken_ = grid.spoken();
        widget_->setAccessibleName(QString::fromStdString(spoken_));
        QAccessibleEvent changed(widget_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void GridView::resized(int width, int height) {
    const double scale = widget_->logicalDpiX() > 0 ? widget_->logicalDpiX() / 96.0 : 1.0;
    forward([=](Control& c) { static_cast<PictureGrid&>(c).view_resized(width, height, scale); });
}

void GridView::scrolled(int top) {
    forward([=](Control& c) { static_cast<PictureGrid&>(c).user_scrolled(top); });
}

void GridView::pressed(int x, int y, Qt::KeyboardModifiers modifiers, bool twice) {
    const int shift = program_shift(modifiers);
    forward([=](Control& c) { static_cast<PictureGrid&>(c).press(x, y, shift, twice); });
}

}  // namespace vis
