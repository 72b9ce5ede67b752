#include "qt/key_codes.h"

#include "ui/keys.h"

namespace vis {

int program_key_code(int qt_key, Qt::KeyboardModifiers modifiers) {
    // Letters and digits keep their upper-case ASCII code whatever Shift does.
    if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return qt_key;
    if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9)
        return (modifiers & Qt::KeypadModifier) ? 96 + (qt_key - Qt::Key_0) : qt_key;
    if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24) return key::kF1 + (qt_key - Qt::Key_F1);
    switch (qt_key) {
        case Qt::Key_Backspace:
            return key::kBack;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return key::kTab;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return key::kReturn;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        case Qt::Key_Pause:
            return 19;
        case Qt::Key_Escape:
            return key::kEscape;
        case Qt::Key_Space:
            return key::kSpace;
        case Qt::Key_PageUp:
            return key::kPageUp;
        case Qt::Key_PageDown:
            return key::kPageDown;
        case Qt::Key_End:
            return key::kEnd;
        case Qt::Key_Home:
            return key::kHome;
        case Qt::Key_Left:
            return key::kLeft;
        case Qt::Key_Up:
            return key::kUp;
        case Qt::Key_Right:
            return key::kRight;
        case Qt::Key_Down:
            return key::kDown;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return key::kDelete;
        case Qt::Key_Asterisk:
            return (modifiers & Qt::KeypadModifier) ? 106 : 0;
        case Qt::Key_Plus:
            return (modifiers & Qt::KeypadModifier) ? 107 : 0;
        case Qt::Key_Minus:
            return (modifiers & Qt::KeypadModifier) ? 109 : 0;
        case Qt::Key_Period:
            return (modifiers & Qt::KeypadModifier) ? 110 : 0;
        case Qt::Key_Slash:
            return (modifiers & Qt::KeypadModifier) ? 111 : 0;
        default:
            return 0;
    }
}

int program_shift(Qt::KeyboardModifiers modifiers) {
    int bits = 0;
    if (modifiers & Qt::ShiftModifier) bits |= shift::kShift;
    if (modifiers & Qt::ControlModifier) bits |= shift::kCtrl;
    if (modifiers & Qt::AltModifier) bits |= shift::kAlt;
    return bits;
}

int program_buttons(Qt::MouseButtons buttons) {
    int bits = 0;
    if (buttons & Qt::LeftButton) bits |= button::kLeft;
    if (buttons & Qt::RightButton) bits |= button::kRight;
    if (buttons & Qt::MiddleButton) bits |= button::kMiddle;
    return bits;
}

}  // namespace vis
