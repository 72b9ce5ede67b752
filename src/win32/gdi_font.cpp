#include "win32/gdi_font.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <mutex>

#include "ui/face_stand_ins.h"
#include "win32/wide.h"

namespace vis::win32 {

namespace {

int CALLBACK note_found(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// Asks for the one family only: a whole enumeration of the system's fonts costs milliseconds.
bool installed(HDC dc, const std::wstring& face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    if (face.size() >= LF_FACESIZE) return false;
    face.copy(wanted.lfFaceName, face.size());
    bool found = false;
    EnumFontFamiliesExW(dc, &wanted, note_found, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

std::wstring resolve_face(const std::string& name) {
    const std::wstring asked = widen(name);
    const std::span<const char* const> stand_ins = stand_ins_for(name);
    if (stand_ins.empty()) return asked;
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) return asked;
    std::wstring face = asked;
    if (!installed(dc, asked)) {
        for (const char* stand_in : stand_ins)
            if (installed(dc, widen(stand_in))) {
                face = widen(stand_in);
                break;
            }
    }
    DeleteDC(dc);
    return face;
}

// Pixels darker than mid-grey in a sample line drawn in `font` on white.
int ink_of(const LOGFONTW& font) {
    constexpr int kWidth = 400, kHeight = 80;
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT made = CreateFontIndirectW(&font);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = dc != nullptr ? CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    int ink = 0;
    if (bitmap != nullptr && made != nullptr) {
        const HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
        const HGDIOBJ old_font = SelectObject(dc, made);
        RECT all{0, 0, kWidth, kHeight};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkMode(dc, TRANSPARENT);
        TextOutW(dc, 2, 2, L"本ソフトウェアPelmar", 14);
        GdiFlush();
        for (int i = 0; i < kWidth * kHeight; ++i) ink += (static_cast<const std::uint32_t*>(bits)[i] & 0xFF) < 128;
        SelectObject(dc, old_font);
        SelectObject(dc, old_bitmap);
    }
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (made != nullptr) DeleteObject(made);
    if (dc != nullptr) DeleteDC(dc);
    return ink;
}

}  // namespace

bool bold_too_faint(HFONT font) {
    LOGFONTW bold{};
    if (font == nullptr || !GetObjectW(font, sizeof(bold), &bold) || bold.lfWeight < FW_BOLD) return false;
    static std::mutex guard;
    static std::map<std::pair<std::wstring, LONG>, bool> known;
    const std::lock_guard lock(guard);
    const auto key = std::make_pair(std::wstring(bold.lfFaceName), bold.lfHeight);
    if (const auto it = known.find(key); it != known.end()) return it->second;
    LOGFONTW regular = bold;
    regular.lfWeight = FW_NORMAL;
    // A real or a well-made bold draws at least a third more ink.
    return known.emplace(key, ink_of(bold) * 3 < ink_of(regular) * 4).first->second;
}

std::wstring installed_face(const std::string& name) {
    static std::mutex guard;
    static std::map<std::string, std::wstring> faces;
    const std::lock_guard lock(guard);
    const auto known = faces.find(name);
    if (known != faces.end()) return known->second;
    return faces.emplace(name, resolve_face(name)).first->second;
}

HFONT create_font(const Font& font, int em_pixels, DWORD quality) {
    // A negative height asks for the character height (the em) rather than the cell's.
    return CreateFontW(-std::max(1, em_pixels), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, quality, DEFAULT_PITCH | FF_DONTCARE,
                       installed_face(font.name).c_str());
}

GdiFont::GdiFont(const Font& font, double pixels_per_point) : dc_(CreateCompatibleDC(nullptr)) {
    if (dc_ == nullptr) return;
    font_ = create_font(font, static_cast<int>(std::lround(font.size_pt * pixels_per_point)));
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
