#include "platform/win32/gdi_text_painter.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "platform/win32/dib_info.h"
#include "platform/win32/gdi_font.h"
#include "platform/win32/wide.h"

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

PixelSize GdiTextPainter::draw_line(PixelSurface surface, int x, int y, const std::string& text, const Font& font,
                                    Colour colour) {
    // The buffer's resolution decides how many pixels a point is (a point is 20 twips).
    const double twips_per_pixel = surface.twips_per_pixel > 0 ? surface.twips_per_pixel : 15.0;
    const GdiFont gdi(font, 20.0 / twips_per_pixel);
    const std::wstring line = widen(text);
    const PixelSize size{gdi.width(line), gdi.line_height()};
    if (!gdi.ok() || line.empty() || surface.pixels == nullptr) return size;

    // Only the part of the line's box inside the surface is drawn on.
    const int left = std::max(x, 0), top = std::max(y, 0);
    const int right = std::min(x + size.width, surface.width), bottom = std::min(y + size.height, surface.height);
    if (left >= right || top >= bottom) return size;
    const int w = right - left, h = bottom - top;
    const Section section(gdi.dc(), w, h);
    std::uint32_t* box = section.pixels();
    if (box == nullptr) return size;
    const auto at = [&](int row) {
        return surface.pixels + static_cast<std::size_t>(top + row) * surface.width + left;
    };
    for (int row = 0; row < h; ++row) std::copy(at(row), at(row) + w, box + static_cast<std::size_t>(row) * w);

    SetBkMode(gdi.dc(), TRANSPARENT);
    // The program's colour values are laid out as the system's: red + 256 green + 65536 blue.
    SetTextColor(gdi.dc(), static_cast<COLORREF>(colour & 0xFFFFFF));
    TextOutW(gdi.dc(), x - left, y - top, line.c_str(), static_cast<int>(line.size()));
    GdiFlush();
    // GDI clears the unused byte of what it draws: the surface keeps its own.
    for (int row = 0; row < h; ++row) {
        std::uint32_t* out = at(row);
        const std::uint32_t* drawn = box + static_cast<std::size_t>(row) * w;
        for (int i = 0; i < w; ++i) out[i] = (out[i] & 0xFF000000u) | (drawn[i] & 0x00FFFFFFu);
    }
    return size;
}

}  // namespace vis::win32
