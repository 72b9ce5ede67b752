#include "qt/control_view.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <cstdlib>

#include "qt/file_mime.h"
#include "qt/fonts.h"
#include "qt/form_window.h"
#include "qt/key_codes.h"
#include "qt/qt_window_system.h"
#include "ui/form.h"
#include "ui/twips.h"

namespace vis {

ControlView::ControlView(FormWindow& window, Control& control)
    : QObject(&window),
      window_(window),
      system_(window.system()),
      control_(&control),
      pointer_(
          control_, [this](const std::function<void(Control&)>& handler) { forward(handler); },
          // Qt's own measure: the distance along the axes.
          [](int dx, int dy) { return std::abs(dx) + std::abs(dy) >= QApplication::startDragDistance(); }) {}

ControlView::~ControlView() {
    delete widget_.data();
}

void ControlView::detach() {
    control_ = nullptr;
}

void ControlView::sync() {
    if (control_ == nullptr || !rendered_.moved_on(control_->revision())) return;
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
            return pointer_.key_down(program_key_code(key.key(), key.modifiers()), program_shift(key.modifiers()));
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
    PointerEvent pointer{program_buttons(me.button()), program_shift(me.modifiers()),
                         px_to_twips(p.x(), s.twips_per_pixel_x), px_to_twips(p.y(), s.twips_per_pixel_y)};
    const ViewPoint at{p.x(), p.y()};
    switch (event.type()) {
        case QEvent::MouseButtonPress:
            return pointer_.press(pointer, at).consumed;
        case QEvent::MouseButtonRelease:
            return pointer_.release(pointer, widget_->rect().contains(p)).consumed;
        case QEvent::MouseButtonDblClick:
            pointer_.double_click(pointer.button);
            return false;
        default: {
            pointer.button = program_buttons(me.buttons());
            const PointerAnswer answer = pointer_.move(pointer, at);
            if (!answer.drag_file.empty()) drag_file_out(answer.drag_file);
            return answer.consumed;
        }
    }
}

void ControlView::drag_file_out(const std::string& path) {
    if (!widget_) return;
    // Owned by the widget: the system's drag deletes it once done.
    auto* drag = new QDrag(widget_.data());
    drag->setMimeData(file_mime_data(path).release());
    // Never a move: a drop must leave the screenshot where it is.
    system_.run_drag(*drag, Qt::CopyAction);
}

}  // namespace vis
