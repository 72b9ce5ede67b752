#pragma once
// A graphical button drawn by its owner: the push button of the system's look, with its icon
// above its caption, the two centred together.
#include <windows.h>

#include "win32/data_icon.h"

namespace vis::win32 {

// `icon_size` in device pixels; an empty icon leaves the caption alone, centred.
void draw_graphical_button(const DRAWITEMSTRUCT& item, const DataIcon& icon, SIZE icon_size);

}  // namespace vis::win32
