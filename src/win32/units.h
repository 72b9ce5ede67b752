#pragma once
// Twips (the program's unit) and the window's pixels, and the program's colours as GDI's.
#include <windows.h>

#include "ui/colour.h"
#include "ui/twips.h"

namespace vis::win32 {

// The program keeps colours as red + 256 * green + 65536 * blue, which is a COLORREF already.
inline COLORREF colour_ref(Colour c) {
    return static_cast<COLORREF>(c & 0xFFFFFFu);
}

// The shift bits of the keys held now.
inline int held_shift() {
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= 1;
    if (GetKeyState(VK_CONTROL) < 0) shift |= 2;
    if (GetKeyState(VK_MENU) < 0) shift |= 4;
    return shift;
}

}  // namespace vis::win32
