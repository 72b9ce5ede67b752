#include "platform/win32/gdi_font.h"

#include <algorithm>
#include <cmath>

#include "platform/win32/wide.h"

namespace vis::win32 {

GdiFont::GdiFont(const Font& font, double pixels_per_point) : dc_(CreateCompatibleDC(nullptr)) {
    if (dc_ == nullptr) return;
    // A negative height asks for the character height (the em) rather than the cell's.
    const int height = -std::max(1, static_cast<int>(std::lround(font.size_pt * pixels_per_point)));
    font_ = CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                        widen(font.name).c_str());
    if (font_ != nullptr) previous_ = SelectObject(dc_, font_);
}

GdiFont::~GdiFont() {
    if (dc_ != nullptr && previous_ != nullptr) SelectObject(dc_, previous_);
    if (font_ != nullptr) DeleteObject(font_);
    if (dc_ != nullptr) DeleteDC(dc_);
}

int GdiFont::width(const std::wstring& line) const {
    SIZE size{};
    if (!ok() || line.empty() || !GetTextExtentPoint32W(dc_, line.c_str(), static_cast<int>(line.size()), &size))
        return 0;
    return size.cx;
}

int GdiFont::line_height() const {
    TEXTMETRICW metrics{};
    if (!ok() || !GetTextMetricsW(dc_, &metrics)) return 0;
    return metrics.tmHeight + metrics.tmExternalLeading;
}

}  // namespace vis::win32
