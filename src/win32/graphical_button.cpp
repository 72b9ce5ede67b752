#include "win32/graphical_button.h"

#include <uxtheme.h>
#include <vssym32.h>

#include <string>

namespace vis::win32 {

namespace {

void draw_face(const DRAWITEMSTRUCT& item, bool pressed, bool disabled) {
    RECT r = item.rcItem;
    if (HTHEME theme = OpenThemeData(item.hwndItem, L"BUTTON")) {
        const int state = disabled ? PBS_DISABLED : pressed ? PBS_PRESSED : PBS_NORMAL;
        if (IsThemeBackgroundPartiallyTransparent(theme, BP_PUSHBUTTON, state))
            DrawThemeParentBackground(item.hwndItem, item.hDC, &r);
        DrawThemeBackground(theme, item.hDC, BP_PUSHBUTTON, state, &r, nullptr);
        CloseThemeData(theme);
        return;
    }
    DrawFrameControl(item.hDC, &r, DFC_BUTTON,
                     DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0) | (disabled ? DFCS_INACTIVE : 0));
}

}  // namespace

void draw_graphical_button(const DRAWITEMSTRUCT& item, const DataIcon& icon, SIZE icon_size) {
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const HDC dc = item.hDC;
    const RECT& r = item.rcItem;
    draw_face(item, pressed, disabled);

    std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(item.hwndItem)) + 1, L'\0');
    caption.resize(
        static_cast<std::size_t>(GetWindowTextW(item.hwndItem, caption.data(), static_cast<int>(caption.size()))));
    const auto font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    const HGDIOBJ old_font = font != nullptr ? SelectObject(dc, font) : nullptr;
    RECT measured = r;
    DrawTextW(dc, caption.c_str(), -1, &measured, DT_CALCRECT | DT_SINGLELINE);
    const int text_height = caption.empty() ? 0 : measured.bottom - measured.top;
    const int icon_height = icon.empty() ? 0 : icon_size.cy;
    const int gap = icon_height > 0 && text_height > 0 ? 2 : 0;
    // A pressed button's contents sink by a pixel.
    const int sink = pressed ? 1 : 0;
    const int top = r.top + (r.bottom - r.top - icon_height - gap - text_height) / 2 + sink;
    if (!icon.empty()) {
        const int left = r.left + (r.right - r.left - icon_size.cx) / 2 + sink;
        icon.draw(dc, {left, top, left + icon_size.cx, top + icon_size.cy});
    }
    RECT text_box{r.left + sink, top + icon_height + gap, r.right + sink, top + icon_height + gap + text_height};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextW(dc, caption.c_str(), -1, &text_box, DT_CENTER | DT_TOP | DT_SINGLELINE);
    if (old_font != nullptr) SelectObject(dc, old_font);

    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        RECT focus = r;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace vis::win32
