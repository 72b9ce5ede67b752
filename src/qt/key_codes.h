#pragma once
// Qt's keys, modifiers and mouse buttons as the program's key codes, shift bits and button
// values (ui/keys.h).
#include <Qt>

namespace vis {

// 0 for keys the program has no code for.
int program_key_code(int qt_key, Qt::KeyboardModifiers modifiers);
int program_shift(Qt::KeyboardModifiers modifiers);
int program_buttons(Qt::MouseButtons buttons);

}  // namespace vis
