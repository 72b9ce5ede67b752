#include "platform/win32/list_view.h"

#include <commctrl.h>

#include "platform/win32/units.h"
#include "platform/win32/wide.h"

namespace vis::win32 {

ListView::ListView(FormWindow& window, ListBox& list) : ControlView(window, list) {
    create(L"LISTBOX",
           WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT);
    // The right button opens the program's menu and leaves the selection where it was.
    set_right_press_consumed(true);
}

void ListView::render() {
    auto& list = static_cast<ListBox&>(*control_);
    rendering_ = true;
    // Native owner-data lists know only their count: every change shows as a new count.
    list.take_line_changes();
    const int count = list.count();
    if (static_cast<int>(SendMessageW(hwnd(), LB_GETCOUNT, 0, 0)) != count)
        SendMessageW(hwnd(), LB_SETCOUNT, static_cast<WPARAM>(count), 0);
    // The font decides the line height.
    HDC dc = GetDC(hwnd());
    const auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(hwnd(), dc);
    SendMessageW(hwnd(), LB_SETITEMHEIGHT, 0, metrics.tmHeight + 2);
    show_selection(list.list_index());
    InvalidateRect(hwnd(), nullptr, TRUE);
    rendering_ = false;
}

void ListView::show_selection(int row) {
    if (static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0)) != row)
        SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

bool ListView::draw_item(const DRAWITEMSTRUCT& item) {
    if (control_ == nullptr) return false;
    const auto& list = static_cast<const ListBox&>(*control_);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const Colour back = list.back_colour(), fore = list.fore_colour();
    const COLORREF back_ref = selected                 ? GetSysColor(COLOR_HIGHLIGHT)
                              : back != kDefaultColour ? colour_ref(back)
                                                       : GetSysColor(COLOR_WINDOW);
    const COLORREF fore_ref = selected                 ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                              : fore != kDefaultColour ? colour_ref(fore)
                                                       : GetSysColor(COLOR_WINDOWTEXT);
    HBRUSH brush = CreateSolidBrush(back_ref);
    FillRect(item.hDC, &item.rcItem, brush);
    DeleteObject(brush);
    const int row = static_cast<int>(item.itemID);
    if (row >= 0 && row < list.count()) {
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, fore_ref);
        const std::wstring text = widen(list.item(row));
        RECT r = item.rcItem;
        r.left += 2;
        DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &r,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
    return true;
}

void ListView::command(int code) {
    // A press reports itself as a click; selections by keys are choices of the line.
    if (code != LBN_SELCHANGE || rendering_ || pressing_ || control_ == nullptr) return;
    const int row = static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0));
    if (row < 0) {
        render();
        return;
    }
    forward([row](Control& c) { static_cast<ListBox&>(c).set_list_index(row); });
}

bool ListView::message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_LBUTTONDOWN) {
        // The native list moves its highlight first; the press is then the list's click.
        pressing_ = true;
        result = DefSubclassProc(hwnd(), msg, wp, lp);
        pressing_ = false;
        const LRESULT hit = SendMessageW(hwnd(), LB_ITEMFROMPOINT, 0, lp);
        ControlView::message(msg, wp, lp, result);
        if (control_ != nullptr && HIWORD(hit) == 0) {
            const int row = LOWORD(hit);
            if (row < static_cast<ListBox&>(*control_).count())
                forward([row](Control& c) { static_cast<ListBox&>(c).click_line(row); });
        }
        return true;
    }
    if (msg == WM_LBUTTONUP) {
        pressing_ = true;
        result = DefSubclassProc(hwnd(), msg, wp, lp);
        pressing_ = false;
        ControlView::message(msg, wp, lp, result);
        // A drag may have carried the highlight to another line.
        if (control_ != nullptr) {
            const int row = static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0));
            if (row >= 0 && row != static_cast<ListBox&>(*control_).list_index())
                forward([row](Control& c) { static_cast<ListBox&>(c).set_list_index(row); });
        }
        return true;
    }
    return ControlView::message(msg, wp, lp, result);
}

}  // namespace vis::win32
