// What only the Win32 list does (the rules both systems share are in tests/backend): a screen
// reader's short buffer gets no half character, and a held press keeps the pointer for a drag.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "backend_fixture.h"

namespace vis::win32 {
namespace {

class Lines : public ListSource {
public:
    explicit Lines(int n) : n_(n) {}
    int count() const override { return n_; }
    std::string line(int row) const override { return "画面 " + std::to_string(row) + ".jpg"; }
    int n_;
};

// Line `row`'s text as a screen reader reads it: through LVM_GETITEMTEXT into its own buffer.
std::wstring read_line(HWND list, int row, int buffer_size = 256) {
    std::wstring buffer(static_cast<std::size_t>(buffer_size), L'#');
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = buffer.data();
    item.cchTextMax = buffer_size;
    const auto length = SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return std::wstring(item.pszText, static_cast<std::size_t>(length));
}

class Win32List : public Win32Backend {
protected:
    Lines lines{5};
    ListBox list{form, "file_lst"};
    HWND hwnd = nullptr;

    void show_lines(int n) {
        lines.n_ = n;
        list.set_bounds({0, 0, 3000, 3000});
        list.set_source(&lines);
        list.lines_reset();
        show();
        hwnd = hwnd_of(list);
    }
    // The middle of line `row`'s rectangle, as a mouse message's position.
    LPARAM point_on(int row) {
        RECT r{};
        r.left = LVIR_BOUNDS;
        SendMessageW(hwnd, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
        return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
};

class Surrogates : public ListSource {
public:
    int count() const override { return 1; }
    // U+20BB7 takes two UTF-16 units.
    std::string line(int) const override { return "a\xF0\xA0\xAE\xB7"; }
};

// The one column spans the list beside its scroll bar, whether the count brings the bar or takes it
// away: no gap at the right of a chosen line, no sideways scrolling.
TEST_F(Win32List, TheColumnFillsTheListBesideItsScrollBarAtAnyCount) {
    show_lines(0);
    const int per_page = static_cast<int>(SendMessageW(hwnd, LVM_GETCOUNTPERPAGE, 0, 0));
    ASSERT_GT(per_page, 2);
    for (const int n : {3, per_page, per_page + 1, 10000, per_page, 0, 10000}) {
        SCOPED_TRACE(n);
        lines.n_ = n;
        list.lines_reset(n > 0 ? 0 : -1);
        windows.render();
        RECT client{};
        GetClientRect(hwnd, &client);
        EXPECT_EQ(SendMessageW(hwnd, LVM_GETCOLUMNWIDTH, 0, 0), client.right);
        const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
        EXPECT_EQ((style & WS_VSCROLL) != 0, n > per_page);
        EXPECT_EQ(style & WS_HSCROLL, 0);
    }
}

TEST_F(Win32List, ACutLineKeepsNoHalfCharacter) {
    Surrogates source;
    list.set_source(&source);
    show();
    hwnd = hwnd_of(list);
    EXPECT_EQ(read_line(hwnd, 0), widen("a\xF0\xA0\xAE\xB7"));
    EXPECT_EQ(read_line(hwnd, 0, 3), L"a");
}

TEST_F(Win32List, AShortBufferGetsTheLinesStartEnded) {
    show_lines(50000);
    EXPECT_EQ(read_line(hwnd, 25000, 5), L"画面 2");
}

// The native list lets go of the pointer after a press; a press held on a line that can be
// dragged out keeps it, so a move that leaves the list at once (as a drag towards another window
// does) still reaches the drag. Pressed in the input's own key state, as the system sets it.
TEST_F(Win32List, AHeldPressKeepsThePointerForADragOutOfTheList) {
    show_lines(5);
    int asked = 0;
    // A file gone meanwhile: the drag is asked for, and nothing is dragged.
    list.on_drag_file = [&] {
        ++asked;
        return std::string();
    };
    BYTE keys[256] = {};
    ASSERT_TRUE(GetKeyboardState(keys));
    const auto hold_left = [&](bool held) {
        keys[VK_LBUTTON] = held ? 0x80 : 0;
        SetKeyboardState(keys);
    };
    hold_left(true);
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, point_on(2));
    EXPECT_EQ(GetCapture(), hwnd);
    EXPECT_EQ(list.list_index(), 2);
    SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, static_cast<WORD>(-60)));
    EXPECT_EQ(asked, 1);
    hold_left(false);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(40, static_cast<WORD>(-60)));
    EXPECT_NE(GetCapture(), hwnd);
    // A press the list has already seen let go keeps nothing.
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, point_on(3));
    EXPECT_NE(GetCapture(), hwnd);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, point_on(3));
}

}  // namespace
}  // namespace vis::win32
