#include "win32/grid_view.h"

#include <windowsx.h>

#include <algorithm>

#include "win32/dib_info.h"
#include "win32/form_window.h"
#include "win32/gdi_font.h"
#include "win32/wide.h"
#include "win32/window_classes.h"

namespace vis::win32 {

GridView::GridView(FormWindow& window, PictureGrid& grid) : ControlView(window, grid) {
    create(kPictureClass, WS_VSCROLL | WS_TABSTOP | WS_CLIPSIBLINGS);
}

GridView::~GridView() {
    if (header_font_ != nullptr) DeleteObject(header_font_);
}

void GridView::take_font(HFONT font) {
    font_ = font;
    LOGFONTW bold{};
    GetObjectW(font_ != nullptr ? font_ : GetStockObject(DEFAULT_GUI_FONT), sizeof(bold), &bold);
    bold.lfWeight = FW_BOLD;
    if (header_font_ != nullptr) DeleteObject(header_font_);
    header_font_ = CreateFontIndirectW(&bold);
}

void GridView::render() {
    show_range();
    InvalidateRect(hwnd(), nullptr, FALSE);
    const std::string& spoken = grid()->spoken();
    if (spoken == spoken_) return;
    spoken_ = spoken;
    SetWindowTextW(hwnd(), widen(spoken).c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd(), OBJID_CLIENT, CHILDID_SELF);
}

void GridView::show_range() {
    RECT client;
    GetClientRect(hwnd(), &client);
    const PictureGrid& grid = *this->grid();
    SCROLLINFO info{};
    info.cbSize = sizeof(SCROLLINFO);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = std::max(0, (grid.source() != nullptr ? grid.source()->content_height() : 0) - 1);
    info.nPage = static_cast<UINT>(client.bottom);
    info.nPos = grid.scroll_top();
    SetScrollInfo(hwnd(), SB_VERT, &info, TRUE);
}

void GridView::scroll_by_bar(int code) {
    SCROLLINFO info{};
    info.cbSize = sizeof(SCROLLINFO);
    info.fMask = SIF_ALL;
    GetScrollInfo(hwnd(), SB_VERT, &info);
    const int page = static_cast<int>(info.nPage);
    int top = info.nPos;
    switch (code) {
        case SB_LINEUP:
            top -= std::max(1, page / 8);
            break;
        case SB_LINEDOWN:
            top += std::max(1, page / 8);
            break;
        case SB_PAGEUP:
            top -= page;
            break;
        case SB_PAGEDOWN:
            top += page;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            top = info.nTrackPos;
            break;
        case SB_TOP:
            top = 0;
            break;
        case SB_BOTTOM:
            top = info.nMax;
            break;
        default:
            return;
    }
    top = std::clamp(top, 0, std::max(0, info.nMax + 1 - page));
    forward([top](Control& c) { static_cast<PictureGrid&>(c).user_scrolled(top); });
}

void GridView::resized() {
    RECT client;
    GetClientRect(hwnd(), &client);
    const double scale = 15.0 / twips_per_pixel();
    forward([w = client.right, h = client.bottom, scale](Control& c) {
        static_cast<PictureGrid&>(c).view_resized(w, h, scale);
    });
}

void GridView::press(LPARAM lp, WPARAM wp, bool twice) {
    SetFocus(hwnd());
    const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp) + grid()->scroll_top();
    const int shift = ((wp & MK_SHIFT) ? 1 : 0) | ((wp & MK_CONTROL) ? 2 : 0);
    forward([=](Control& c) { static_cast<PictureGrid&>(c).press(x, y, shift, twice); });
}

void GridView::paint(HDC dc, const RECT& client) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    PictureGrid* grid = this->grid();
    if (grid == nullptr || grid->source() == nullptr) return;
    const int top = grid->scroll_top();
    HGDIOBJ old_font = SelectObject(dc, font_ != nullptr ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    for (const GridPiece& piece : grid->source()->pieces(top, top + client.bottom)) {
        RECT r{piece.rect.left, piece.rect.top - top, piece.rect.left + piece.rect.width,
               piece.rect.top - top + piece.rect.height};
        if (piece.kind == GridPiece::Kind::header) {
            paint_header(dc, piece, r);
            continue;
        }
        paint_cell(dc, piece, r);
    }
    SelectObject(dc, old_font);
}

// A day's header in bold, struck twice where the system's bold is too faint to tell.
void GridView::paint_header(HDC dc, const GridPiece& piece, RECT r) {
    if (header_font_ == nullptr) take_font(font_);
    const HGDIOBJ regular = SelectObject(dc, header_font_);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    r.left += piece.rect.height / 4;
    const std::wstring text = widen(piece.text);
    const int strikes = bold_too_faint(header_font_) ? 2 : 1;
    for (int strike = 0; strike < strikes; ++strike, ++r.left)
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, regular);
}

void GridView::paint_cell(HDC dc, const GridPiece& piece, const RECT& r) {
    if (piece.selected) {
        const RECT around{r.left - 3, r.top - 3, r.right + 3, r.bottom + 3};
        FillRect(dc, &around, GetSysColorBrush(COLOR_HIGHLIGHT));
    }
    const RECT box{r.left, r.top, r.right, r.top + piece.picture_height};
    FillRect(dc, &box, GetSysColorBrush(COLOR_BTNSHADOW));
    if (piece.look == GridPiece::Look::ready && !piece.picture.empty()) {
        const Picture& p = piece.picture;
        BITMAPINFO info = top_down_32bit(p.width, p.height);
        SetDIBitsToDevice(dc, box.left + (piece.rect.width - p.width) / 2,
                          box.top + (piece.picture_height - p.height) / 2, p.width, p.height, 0, 0, 0, p.height,
                          p.pixels->data(), &info, DIB_RGB_COLORS);
    } else if (piece.look == GridPiece::Look::unreadable) {
        HPEN pen = CreatePen(PS_SOLID, 2, GetSysColor(COLOR_3DDKSHADOW));
        HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, box.left, box.top, nullptr);
        LineTo(dc, box.right - 1, box.bottom - 1);
        MoveToEx(dc, box.right - 1, box.top, nullptr);
        LineTo(dc, box.left, box.bottom - 1);
        SelectObject(dc, old);
        DeleteObject(pen);
    }
    SetTextColor(dc, GetSysColor(piece.selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT caption{r.left, box.bottom, r.right, r.bottom};
    const std::wstring text = widen(piece.text);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (piece.current && GetFocus() == hwnd()) {
        const RECT focus{r.left - 2, r.top - 2, r.right + 2, r.bottom + 2};
        DrawFocusRect(dc, &focus);
    }
}

bool GridView::message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd(), &ps);
            RECT client;
            GetClientRect(hwnd(), &client);
            HDC memory = CreateCompatibleDC(dc);
            HBITMAP bitmap =
                CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1));
            HGDIOBJ old = SelectObject(memory, bitmap);
            paint(memory, client);
            BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
            SelectObject(memory, old);
            DeleteObject(bitmap);
            DeleteDC(memory);
            EndPaint(hwnd(), &ps);
            result = 0;
            return true;
        }
        case WM_ERASEBKGND:
            result = 1;
            return true;
        case WM_SETFONT:
            take_font(reinterpret_cast<HFONT>(wp));
            result = 0;
            return true;
        case WM_SIZE:
            resized();
            return false;
        case WM_VSCROLL:
            scroll_by_bar(LOWORD(wp));
            result = 0;
            return true;
        case WM_MOUSEWHEEL: {
            const int lines = -GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA;
            for (int i = 0; i < std::abs(lines) * 3; ++i) scroll_by_bar(lines > 0 ? SB_LINEDOWN : SB_LINEUP);
            result = 0;
            return true;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            press(lp, wp, msg == WM_LBUTTONDBLCLK);
            result = 0;
            return true;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(hwnd(), nullptr, FALSE);
            return false;
        case WM_GETDLGCODE:
            result = DLGC_WANTARROWS | DLGC_WANTCHARS;
            return true;
        default:
            break;
    }
    return ControlView::message(msg, wp, lp, result);
}

}  // namespace vis::win32
