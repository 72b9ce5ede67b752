#include "win32/gdi_text_metrics.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "ui/face_stand_ins.h"
#include "win32/gdi_font.h"
#include "win32/wide.h"

namespace vis::win32 {

namespace {

// The system's pixels per inch; 96 when the system cannot say.
int system_dpi() {
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) return 96;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

int CALLBACK add_family(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM names) {
    // "@" names are the vertical forms of the same families.
    if (font->lfFaceName[0] != L'@') reinterpret_cast<std::set<std::string>*>(names)->insert(narrow(font->lfFaceName));
    return 1;
}

}  // namespace

int GdiTextMetrics::dpi() const {
    if (screen_ == nullptr) return system_dpi();
    return static_cast<int>(std::lround(1440.0 / screen_->screen().twips_per_pixel_y));
}

TextSize GdiTextMetrics::measure(const std::string& text, const Font& font) const {
    const int dpi = this->dpi();
    const GdiFont gdi(font, dpi / 72.0);
    const std::wstring all = widen(text);
    int width = 0, lines = 0;
    for (std::size_t start = 0;; ++lines) {
        const std::size_t end = all.find(L"\r\n", start);
        width = std::max(width, gdi.width(all.substr(start, end == std::wstring::npos ? end : end - start)));
        if (end == std::wstring::npos) {
            ++lines;
            break;
        }
        start = end + 2;
    }
    // Whole pixels, so a label sized to its text never breaks a line.
    const double twips_per_pixel = 1440.0 / dpi;
    return {static_cast<int>(std::ceil(width * twips_per_pixel)),
            static_cast<int>(std::ceil(gdi.line_height() * lines * twips_per_pixel))};
}

std::vector<std::string> GdiTextMetrics::font_names() const {
    std::set<std::string> names;
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) return {};
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(dc, &all, add_family, reinterpret_cast<LPARAM>(&names), 0);
    DeleteDC(dc);
    // The faces the windows ask for are offered where missing too: a stand-in draws them.
    for (const FaceStandIns& face : face_stand_ins()) names.insert(face.name);
    return {names.begin(), names.end()};
}

}  // namespace vis::win32
