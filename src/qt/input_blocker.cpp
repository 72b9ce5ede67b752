#include "qt/input_blocker.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace vis {

InputBlocker::InputBlocker() {
    QCoreApplication::instance()->installEventFilter(this);
}

InputBlocker::~InputBlocker() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool InputBlocker::newer_dialog_open() const {
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* popup = QApplication::activePopupWidget();
    return (modal != nullptr && modal != modal_at_start_) || (popup != nullptr && popup != popup_at_start_);
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
    // Qt's own modality keeps such a dialog's input to itself.
    if (newer_dialog_open()) return false;
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::TabletMove:
            return true;
        // A window's close box.
        case QEvent::Close:
            return watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow();
        default:
            return false;
    }
}

}  // namespace vis
