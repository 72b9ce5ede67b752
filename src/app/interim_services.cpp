#include "app/interim_services.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace vis::interim {

TextSize GdiMeasure::measure(const std::string& text, const Font& font) const {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    HFONT handle =
        CreateFontW(-MulDiv(static_cast<int>(font.size_pt * 100 + 0.5), dpi, 7200), 0, 0, 0,
                    font.bold ? FW_BOLD : FW_NORMAL, font.italic, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, win32::widen(font.name).c_str());
    HGDIOBJ old = SelectObject(dc, handle);
    const std::wstring wide = win32::widen(text);
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, DT_CALCRECT | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(handle);
    ReleaseDC(nullptr, dc);
    const double per_pixel = 1440.0 / (dpi > 0 ? dpi : 96);
    return {static_cast<int>(r.right * per_pixel + 0.5), static_cast<int>(r.bottom * per_pixel + 0.5)};
}

std::vector<std::string> GdiMeasure::font_names() const {
    return {};
}

PixelSize NoTextPainter::draw_line(PixelSurface surface, int, int, const std::string& text, const Font& font, Colour) {
    const TextSize size = metrics_.measure(text, font);
    return {static_cast<int>(size.width / surface.twips_per_pixel + 0.5),
            static_cast<int>(size.height / surface.twips_per_pixel + 0.5)};
}

int NoMedia::send(const std::string&, std::string& reply) {
    reply.clear();
    return 1;
}

}  // namespace vis::interim
