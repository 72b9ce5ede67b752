#pragma once
// The program's fonts as GDI fonts. A face is asked for as written ("ＭＳ Ｐゴシック"); where it is
// missing, the first installed stand-in of the program's list is used, as on Linux: the system's
// own fallback may pick a fixed-pitch face for a proportional one, or a Latin one.
#include <windows.h>

#include <string>

#include "ui/font.h"

namespace vis::win32 {

// The face the system draws `name` with: the name itself when installed, else its first installed
// stand-in, else the name (left to the system's fallback). Looked up once per name.
std::wstring installed_face(const std::string& name);

// `font` with its em `em_pixels` high; the caller deletes it.
HFONT create_font(const Font& font, int em_pixels, DWORD quality = DEFAULT_QUALITY);

// Whether the system's bold `font` draws hardly more ink than its regular twin: Wine thickens a
// face that has no bold by a fraction of a pixel, lost at small sizes. Such text is struck twice,
// a pixel apart, as Windows itself widens a synthesized bold. Measured once per face and size.
bool bold_too_faint(HFONT font);

// A font selected into a memory device context, for measuring and drawing text.
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
