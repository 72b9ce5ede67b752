#pragma once
// The header of a 32-bit bitmap whose rows run top to bottom, as pictures keep their pixels.
#include <windows.h>

namespace vis::win32 {

inline BITMAPINFO top_down_32bit(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace vis::win32
