#pragma once
// Where a new window goes that the program does not centre: as a desktop's window manager places
// it, in the free part of the monitor's work area beside the program's other windows, so a
// dialog opened from a window leaves that window's controls in view.
#include <windows.h>

#include <vector>

namespace vis::win32 {

// The top-left corner for a window of `size` in `work`, given the rectangles the program's shown
// windows take: centred in the work area when none is shown; else centred in the first band of
// the work area above, below, left of or right of them that holds it; else centred in the area.
POINT free_place(SIZE size, const RECT& work, const std::vector<RECT>& taken);

}  // namespace vis::win32
