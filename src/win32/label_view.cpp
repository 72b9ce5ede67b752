#include "win32/label_view.h"

#include <commctrl.h>

#include "win32/gdi_font.h"
#include "win32/wide.h"

namespace vis::win32 {

namespace {

DWORD alignment_style(Alignment a) {
    switch (a) {
        case Alignment::right:
            return SS_RIGHT;
        case Alignment::centre:
            return SS_CENTER;
        case Alignment::left:
            break;
    }
    return SS_LEFT;
}

}  // namespace

LabelView::LabelView(FormWindow& window, Label& label) : ControlView(window, label) {
    // A label over a picture lets the pointer through to it; others report their clicks.
    const bool overlay = label.container() != nullptr && label.container()->kind() == ControlKind::picture_box;
    create(L"STATIC", alignment_style(label.alignment()) | SS_NOPREFIX | (overlay ? 0 : SS_NOTIFY),
           label.opaque() ? 0 : WS_EX_TRANSPARENT, widen(label.caption()));
    applied_alignment_ = label.alignment();
    set_clicks_from_mouse(true);
}

void LabelView::render() {
    const auto& label = static_cast<const Label&>(*control_);
    if (label.alignment() != applied_alignment_) {
        applied_alignment_ = label.alignment();
        const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
        SetWindowLongPtrW(hwnd(), GWL_STYLE, style | static_cast<LONG_PTR>(alignment_style(label.alignment())));
    }
    // A see-through label is painted after the windows beneath it, which do not clip it away.
    const LONG_PTR ex_style = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
    const LONG_PTR wanted = label.opaque() ? ex_style & ~WS_EX_TRANSPARENT : ex_style | WS_EX_TRANSPARENT;
    if (wanted != ex_style) SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, wanted);
    // Line ends in captions are CR LF already, as the static control wants them.
    SetWindowTextW(hwnd(), widen(label.caption()).c_str());
    if (label.opaque()) {
        InvalidateRect(hwnd(), nullptr, TRUE);
        return;
    }
    // The old text goes only when what lies beneath is painted again.
    RECT beneath;
    GetWindowRect(hwnd(), &beneath);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd()), reinterpret_cast<POINT*>(&beneath), 2);
    RedrawWindow(GetParent(hwnd()), &beneath, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool LabelView::message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg != WM_PAINT || !control_->font().bold) return ControlView::message(msg, wp, lp, result);
    // Both strikes within one paint, so the system shows them together (Wine copies a window's
    // drawing to the screen when a paint ends).
    PAINTSTRUCT paint;
    HDC dc = wp != 0 ? reinterpret_cast<HDC>(wp) : BeginPaint(hwnd(), &paint);
    result = DefSubclassProc(hwnd(), msg, reinterpret_cast<WPARAM>(dc), lp);
    strike_again(dc);
    if (wp == 0) EndPaint(hwnd(), &paint);
    return true;
}

void LabelView::strike_again(HDC dc) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    if (!IsWindowEnabled(hwnd()) || !bold_too_faint(font)) return;
    const std::wstring text = widen(static_cast<const Label&>(*control_).caption());
    const LONG_PTR type = GetWindowLongPtrW(hwnd(), GWL_STYLE) & SS_TYPEMASK;
    const UINT align = type == SS_CENTER ? DT_CENTER : type == SS_RIGHT ? DT_RIGHT : DT_LEFT;
    const int saved = SaveDC(dc);
    const HGDIOBJ previous = SelectObject(dc, font);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    // The label's own colour, when it has one.
    colours(dc);
    SetBkMode(dc, TRANSPARENT);
    RECT r;
    GetClientRect(hwnd(), &r);
    OffsetRect(&r, 1, 0);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, align | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(dc, previous);
    RestoreDC(dc, saved);
}

bool LabelView::see_through() const {
    const auto* label = static_cast<const Label*>(control_);
    return label != nullptr && !label->opaque();
}

}  // namespace vis::win32
