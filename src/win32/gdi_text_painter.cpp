#include "win32/gdi_text_painter.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "win32/dib_info.h"
#include "win32/gdi_font.h"
#include "win32/wide.h"

namespace vis::win32 {

namespace {

// A top-down 32-bit DIB section selected into a device context for as long as it lives.
class Section {
public:
    Section(HDC dc, int width, int height) : dc_(dc) {
        BITMAPINFO info = top_down_32bit(width, height);
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (bitmap_ == nullptr) return;
        pixels_ = static_cast<std::uint32_t*>(bits);
        previous_ = SelectObject(dc, bitmap_);
    }
    ~Section() {
        if (previous_ != nullptr) SelectObject(dc_, previous_);
        if (bitmap_ != nullptr) DeleteObject(bitmap_);
    }
    Section(const Section&) = delete;
    Section& operator=(const Section&) = delete;
    std::uint32_t* pixels() const { return previous_ != nullptr ? pixels_ : nullptr; }

private:
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
};

}  // namespace

DrawnLine GdiTextPainter::draw_line(PixelSurface surface, int x, int y, const std::string& text, const Font& font,
                                    Colour colour) {
    // The buffer's resolution decides how many pixels a point is (a point is 20 twips).
    const double twips_per_pixel = surface.twips_per_pixel > 0 ? surface.twips_per_pixel : 15.0;
    const GdiFont gdi(font, 20.0 / twips_per_pixel);
    const std::wstring line = widen(text);
    DrawnLine drawn{gdi.width(line), gdi.line_height(), {}};
    if (!gdi.ok() || line.empty()) return drawn;

    // Drawn into a copy of what the line may reach, whole glyphs, so that what it really changed
    // is known.
    const PixelRect reach = text_reach(surface, x, y, drawn.width, drawn.height);
    if (reach.empty()) return drawn;
    const Section section(gdi.dc(), reach.width, reach.height);
    std::uint32_t* box = section.pixels();
    if (box == nullptr) return drawn;
    const std::vector<std::uint32_t> before = copy_out(surface, reach);
    std::copy(before.begin(), before.end(), box);

    SetBkMode(gdi.dc(), TRANSPARENT);
    // The program's colour values are laid out as the system's: red + 256 green + 65536 blue.
    SetTextColor(gdi.dc(), static_cast<COLORREF>(colour & 0xFFFFFF));
    TextOutW(gdi.dc(), x - reach.left, y - reach.top, line.c_str(), static_cast<int>(line.size()));
    GdiFlush();
    // GDI clears the unused byte of what it draws: putting back keeps the surface's own.
    drawn.changed = put_back(surface, reach, box);
    return drawn;
}

}  // namespace vis::win32
