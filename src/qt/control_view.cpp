#include "qt/control_view.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "qt/file_mime.h"
#include "qt/fonts.h"
#include "qt/form_window.h"
#include "qt/key_codes.h"
#include "qt/qt_window_system.h"
#include "qt/units.h"
#include "ui/form.h"

namespace vis {

ControlView::ControlView(FormWindow& window, Control& control)
    : QObject(&window), window_(window), system_(window.system()), control_(&control) {}

ControlView::~ControlView() {
    delete widget_.data();
}

void ControlView::detach() {
    control_ = nullptr;
}

void ControlView::sync() {
    if (control_ == nullptr || control_->revision() == rendered_revision_) return;
    rendered_revision_ = control_->revision();
    render();
    if (!widget_) return;
    place_in_container();
    widget_->setGeometry(geometry_px());
    widget_->setEnabled(control_->enabled());
    const QString tip = QString::fromStdString(control_->tool_tip());
    if (widget_->toolTip() != tip) {
        widget_->setToolTip(tip);
        widget_->setAccessibleDescription(tip);
    }
    const QFont font = to_qfont(control_->font());
    if (widget_->font() != font) widget_->setFont(font);
    widget_->setVisible(control_->visible());
}

void ControlView::place_in_container() {
    const Control* container = control_->container();
    const ControlView* holder = container != nullptr ? window_.view_of(*container) : nullptr;
    QWidget* parent = holder != nullptr && holder->widget() != nullptr ? holder->widget() : &window_.client();
    if (widget_->parentWidget() == parent) return;
    // The parent clips the widget; the visibility is applied again right after.
    widget_->setParent(parent);
    // Overlays on a picture box let the pointer through to the picture.
    if (container != nullptr && container->kind() == ControlKind::picture_box)
        widget_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QRect ControlView::geometry_px() const {
    const ScreenInfo s = system_.screen();
    const Rect& b = control_->bounds();
    return {twips_to_px(b.left, s.twips_per_pixel_x), twips_to_px(b.top, s.twips_per_pixel_y),
            twips_to_px(b.width, s.twips_per_pixel_x), twips_to_px(b.height, s.twips_per_pixel_y)};
}

void ControlView::set_widget(QWidget* widget, QWidget* input) {
    widget_ = widget;
    widget->installEventFilter(this);
    if (input != nullptr && input != widget) input->installEventFilter(this);
    // Pointer moves reach the program with no button held.
    (input != nullptr ? input : widget)->setMouseTracking(true);
}

void ControlView::forward(const std::function<void(Control&)>& handler) {
    if (control_ == nullptr) return;
    system_.dispatch([this, &handler] {
        if (control_ != nullptr) handler(*control_);
    });
}

bool ControlView::eventFilter(QObject* watched, QEvent* event) {
    if (control_ == nullptr || !watched->isWidgetType()) return false;
    switch (event->type()) {
        case QEvent::KeyPress: {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            if (window_.route_form_key(key)) return true;
            const int code = program_key_code(key.key(), key.modifiers());
            if (code != 0 && control_->on_key_down) {
                const int shift = program_shift(key.modifiers());
                forward([code, shift](Control& c) {
                    if (c.on_key_down) c.on_key_down(code, shift);
                });
            }
            // The control's ordinary key behaviour follows, unless the handler took the control away.
            return control_ == nullptr;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return mouse_event(static_cast<QWidget&>(*watched), *event);
        default:
            return false;
    }
}

bool ControlView::mouse_event(QWidget& receiver, QEvent& event) {
    if (!widget_) return false;
    const auto& me = static_cast<const QMouseEvent&>(event);
    const QPoint p = receiver.mapTo(widget_.data(), me.position().toPoint());
    const ScreenInfo s = system_.screen();
    const int x = px_to_twips(p.x(), s.twips_per_pixel_x);
    const int y = px_to_twips(p.y(), s.twips_per_pixel_y);
    const int shift = program_shift(me.modifiers());
    const bool left = me.button() == Qt::LeftButton;
    const bool right = me.button() == Qt::RightButton;
    const int button = program_buttons(me.button());

    switch (event.type()) {
        case QEvent::MouseButtonPress:
            if (left) {
                left_pressed_ = true;
                press_at_ = p;
            }
            if (control_->on_mouse_down)
                forward([=](Control& c) {
                    if (c.on_mouse_down) c.on_mouse_down(button, shift, x, y);
                });
            return right && right_press_consumed_;
        case QEvent::MouseButtonRelease: {
            // A click is a left press and release on the widget; the release of a double-click is none.
            const bool click = clicks_from_mouse_ && left && left_pressed_ && widget_->rect().contains(p);
            if (left) left_pressed_ = false;
            if (control_->on_mouse_up)
                forward([=](Control& c) {
                    if (c.on_mouse_up) c.on_mouse_up(button, shift, x, y);
                });
            if (click && control_ && control_->on_click)
                forward([](Control& c) {
                    if (c.on_click) c.on_click();
                });
            return right && right_press_consumed_;
        }
        case QEvent::MouseButtonDblClick:
            if (!left) return false;
            left_pressed_ = false;
            if (control_->on_dbl_click)
                forward([](Control& c) {
                    if (c.on_dbl_click) c.on_dbl_click();
                });
            return false;
        default: {
            const int held = program_buttons(me.buttons());
            if (control_->on_mouse_move)
                forward([=](Control& c) {
                    if (c.on_mouse_move) c.on_mouse_move(held, shift, x, y);
                });
            return control_ != nullptr && drag_move(me, p);
        }
    }
}

bool ControlView::drag_move(const QMouseEvent& move, QPoint at) {
    if (!left_pressed_ || !(move.buttons() & Qt::LeftButton) || !control_->on_drag_file) return false;
    // Short of the distance the press stays a click (or half of a double-click).
    if ((at - press_at_).manhattanLength() < QApplication::startDragDistance()) return true;
    // The drag takes the release: no click follows it.
    left_pressed_ = false;
    drag_file_out();
    return true;
}

void ControlView::drag_file_out() {
    std::string path;
    forward([&path](Control& c) {
        if (c.on_drag_file) path = c.on_drag_file();
    });
    // A file that went is reported by the program; nothing empty is ever dragged.
    if (path.empty() || !widget_) return;
    // Owned by the widget: the system's drag deletes it once done.
    auto* drag = new QDrag(widget_.data());
    drag->setMimeData(file_mime_data(path).release());
    // Never a move: a drop must leave the screenshot where it is.
    system_.run_drag(*drag, Qt::CopyAction);
}

}  // namespace vis
