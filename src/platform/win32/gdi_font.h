#pragma once
// A font of the program selected into a memory device context, for measuring and drawing text.
// The name is asked for as written ("ＭＳ Ｐゴシック"); where it is missing the system's own font
// substitution picks the font it draws with.
#include <windows.h>

#include <string>

#include "platform/font.h"

namespace vis::win32 {

class GdiFont {
public:
    // `pixels_per_point`: how many pixels a point is on the target (96 dpi: 4/3).
    GdiFont(const Font& font, double pixels_per_point);
    ~GdiFont();
    GdiFont(const GdiFont&) = delete;
    GdiFont& operator=(const GdiFont&) = delete;

    // False when the system could make no device context or font; nothing can be measured then.
    bool ok() const { return dc_ != nullptr && font_ != nullptr; }
    HDC dc() const { return dc_; }
    // The advance of one line, in pixels.
    int width(const std::wstring& line) const;
    // From one line's top to the next one's, in pixels.
    int line_height() const;

private:
    HDC dc_ = nullptr;
    HFONT font_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace vis::win32
