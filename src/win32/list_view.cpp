#include "win32/list_view.h"

#include <algorithm>

#include "win32/units.h"
#include "win32/wide.h"

namespace vis::win32 {

ListView::ListView(FormWindow& window, ListBox& list)
    : ControlView(window, list),
      input_(control_, [this](const std::function<void(Control&)>& handler) { forward(handler); }) {
    create(WC_LISTVIEWW, WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_OWNERDATA | LVS_NOCOLUMNHEADER | LVS_SINGLESEL |
                             LVS_SHOWSELALWAYS);
    SendMessageW(hwnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    SendMessageW(hwnd(), LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    // The right button opens the program's menu and leaves the selection where it was.
    set_right_press_consumed(true);
}

void ListView::render() {
    auto& list = static_cast<ListBox&>(*control_);
    // Owner-data lists know only their count: every change shows as the new count and a repaint.
    shown_row_ = row_after_changes(shown_row_, list.take_line_changes());
    // A hidden list (the other order of the screenshots) is brought up to date when it shows:
    // giving the system a count of thousands costs milliseconds each time.
    if (!list.visible()) return;
    const ListInput::Quiet quiet(input_);
    const int count = list.count();
    if (static_cast<int>(SendMessageW(hwnd(), LVM_GETITEMCOUNT, 0, 0)) != count) {
        fit_column(count);
        SendMessageW(hwnd(), LVM_SETITEMCOUNT, static_cast<WPARAM>(count), LVSICF_NOSCROLL);
    }
    show_colours(list);
    show_selection(list.list_index());
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void ListView::show_colours(const ListBox& list) {
    const Colour back = list.back_colour(), fore = list.fore_colour();
    const COLORREF back_ref = back != kDefaultColour ? colour_ref(back) : GetSysColor(COLOR_WINDOW);
    const COLORREF fore_ref = fore != kDefaultColour ? colour_ref(fore) : GetSysColor(COLOR_WINDOWTEXT);
    SendMessageW(hwnd(), LVM_SETBKCOLOR, 0, static_cast<LPARAM>(back_ref));
    SendMessageW(hwnd(), LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(back_ref));
    SendMessageW(hwnd(), LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(fore_ref));
}

void ListView::show_selection(int row) {
    // The list's own notices of this change are no choice of the user's.
    const ListInput::Quiet quiet(input_);
    // Asked of one line and of the count, not by a walk over fifty thousand lines.
    if (row < 0 && SendMessageW(hwnd(), LVM_GETSELECTEDCOUNT, 0, 0) > 0) {
        LVITEMW none{};
        none.stateMask = LVIS_SELECTED;
        SendMessageW(hwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    } else if (row >= 0 && SendMessageW(hwnd(), LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) == 0) {
        // The keys move on from the selected line, so it has the focus mark too. Only a new
        // choice scrolls: a list the user scrolled away stays where it is, also when lines above
        // its selected one come or go.
        LVITEMW chosen{};
        chosen.state = chosen.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        const auto top = SendMessageW(hwnd(), LVM_GETTOPINDEX, 0, 0);
        SendMessageW(hwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&chosen));
        if (row != shown_row_)
            SendMessageW(hwnd(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
        else
            keep_top_line(static_cast<int>(top));
    }
    shown_row_ = row;
}

// Wine's list scrolls to the line given the focus mark; scrolled back, the user's view stays.
void ListView::keep_top_line(int top) {
    const auto moved = SendMessageW(hwnd(), LVM_GETTOPINDEX, 0, 0) - top;
    if (moved == 0) return;
    RECT line{};
    line.left = LVIR_BOUNDS;
    SendMessageW(hwnd(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&line));
    SendMessageW(hwnd(), LVM_SCROLL, 0, static_cast<LPARAM>(-moved * (line.bottom - line.top)));
}

void ListView::fill_text(NMLVDISPINFOW& info) const {
    LVITEMW& item = info.item;
    if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0) return;
    const auto& list = static_cast<const ListBox&>(*control_);
    const std::wstring text = widen(list.item(item.iItem));
    std::size_t n = std::min(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
    // A cut never leaves half a surrogate pair behind.
    if (n < text.size() && n > 0 && IS_HIGH_SURROGATE(text[n - 1])) --n;
    std::copy_n(text.data(), n, item.pszText);
    item.pszText[n] = L'\0';
}

bool ListView::notify(const NMHDR& header, LRESULT& result) {
    if (control_ == nullptr) return false;
    if (header.code == LVN_GETDISPINFOW) {
        // Asked when a line is drawn, and by screen readers reading a line.
        fill_text(*reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header)));
        result = 0;
        return true;
    }
    if (header.code != LVN_ITEMCHANGED) return false;
    // A press reports itself as a click; selections by keys are choices of the line.
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    const bool selected_now = (change.uNewState & LVIS_SELECTED) != 0 && (change.uOldState & LVIS_SELECTED) == 0;
    if (!selected_now || !input_.highlight_moved(change.iItem)) return false;
    result = 0;
    return true;
}

void ListView::fit_column(int count) {
    // As wide as the list beside the scroll bar that `count` lines need, set before the count
    // brings the bar: a new width once the list holds thousands of lines makes Wine's list-view
    // go over its layout again, tens of milliseconds at start-up.
    RECT client;
    GetClientRect(hwnd(), &client);
    const bool scrolls = (GetWindowLongPtrW(hwnd(), GWL_STYLE) & WS_VSCROLL) != 0;
    const bool will_scroll = count > static_cast<int>(SendMessageW(hwnd(), LVM_GETCOUNTPERPAGE, 0, 0));
    const int bar = GetSystemMetricsForDpi(SM_CXVSCROLL, GetDpiForWindow(hwnd()));
    const int width = client.right + (scrolls ? bar : 0) - (will_scroll ? bar : 0);
    if (SendMessageW(hwnd(), LVM_GETCOLUMNWIDTH, 0, 0) != width)
        SendMessageW(hwnd(), LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(width, 0));
}

bool ListView::message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_SIZE) {
        // One column as wide as the list: a line never scrolls sideways.
        result = DefSubclassProc(hwnd(), msg, wp, lp);
        fit_column(static_cast<int>(SendMessageW(hwnd(), LVM_GETITEMCOUNT, 0, 0)));
        return true;
    }
    if (msg != WM_LBUTTONDOWN) return ControlView::message(msg, wp, lp, result);
    // The native list moves its highlight first (and waits out the press); the press is then the
    // list's click on the line under the pointer.
    {
        const ListInput::Quiet quiet(input_);
        result = DefSubclassProc(hwnd(), msg, wp, lp);
    }
    LVHITTESTINFO hit{};
    hit.pt = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    const int row = static_cast<int>(SendMessageW(hwnd(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    ControlView::message(msg, wp, lp, result);
    if (control_ == nullptr) return true;
    auto& list = static_cast<ListBox&>(*control_);
    input_.pressed(row);
    // A press beside the lines, or one with Ctrl taking the highlight away, changes nothing of
    // the program's choice.
    if (control_ != nullptr) show_selection(list.list_index());
    return true;
}

}  // namespace vis::win32
