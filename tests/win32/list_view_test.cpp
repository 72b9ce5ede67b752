// The Win32 list: an owner-data list-view over the model's source, read back through the messages
// the system's screen reader support uses, and driven by keys and presses sent as messages.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "backend_fixture.h"

namespace vis::win32 {
namespace {

class Lines : public ListSource {
public:
    explicit Lines(int n) : n_(n) {}
    int count() const override { return n_; }
    std::string line(int row) const override {
        ++asked_;
        return "画面 " + std::to_string(row) + ".jpg";
    }
    int n_;
    mutable int asked_ = 0;
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

int selected_row(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

class Win32List : public Win32Backend {
protected:
    Lines lines{5};
    ListBox list{form, "file_lst"};
    HWND hwnd = nullptr;

    void show_lines(int n, int selected = -1) {
        lines.n_ = n;
        list.set_bounds({0, 0, 3000, 3000});
        list.set_source(&lines);
        list.lines_reset(selected);
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

TEST_F(Win32List, ShowsTheSourcesCountAndTheModelsSelectionInView) {
    show_lines(10000);
    EXPECT_EQ(SendMessageW(hwnd, LVM_GETITEMCOUNT, 0, 0), 10000);
    EXPECT_EQ(selected_row(hwnd), -1);
    list.set_list_index(9999);
    windows.render();
    EXPECT_EQ(selected_row(hwnd), 9999);
    // The selected line is scrolled into view.
    const auto top = SendMessageW(hwnd, LVM_GETTOPINDEX, 0, 0);
    const auto per_page = SendMessageW(hwnd, LVM_GETCOUNTPERPAGE, 0, 0);
    EXPECT_LE(top, 9999);
    EXPECT_GT(top + per_page, 9999);
    // Scrolled away by the user, the list stays there when a line comes.
    SendMessageW(hwnd, LVM_ENSUREVISIBLE, 0, FALSE);
    ASSERT_EQ(SendMessageW(hwnd, LVM_GETTOPINDEX, 0, 0), 0);
    lines.n_ = 10001;
    list.line_inserted(10000);
    windows.render();
    EXPECT_EQ(SendMessageW(hwnd, LVM_GETTOPINDEX, 0, 0), 0);
    EXPECT_EQ(selected_row(hwnd), 9999);
    lines.n_ = 10000;
    list.line_removed(10000);
    lines.n_ = 9999;
    list.line_removed(9999);
    windows.render();
    EXPECT_EQ(SendMessageW(hwnd, LVM_GETITEMCOUNT, 0, 0), 9999);
    EXPECT_EQ(selected_row(hwnd), -1);
    // A hidden list (the other order) catches up with its lines and selection when it shows.
    list.set_visible(false);
    windows.render();
    lines.n_ = 20;
    list.lines_reset(7);
    windows.render();
    list.set_visible(true);
    windows.render();
    EXPECT_EQ(SendMessageW(hwnd, LVM_GETITEMCOUNT, 0, 0), 20);
    EXPECT_EQ(selected_row(hwnd), 7);
}

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

TEST_F(Win32List, ScreenReadersReadEachLinesTextWhileTheListStoresNone) {
    show_lines(50000);
    // Only the lines on screen were asked for, not fifty thousand.
    EXPECT_LT(lines.asked_, 200);
    EXPECT_EQ(SendMessageW(hwnd, LVM_GETITEMCOUNT, 0, 0), 50000);
    for (const int row : {0, 1, 25000, 49999})
        EXPECT_EQ(read_line(hwnd, row), widen("画面 " + std::to_string(row) + ".jpg")) << row;
    // A short buffer gets the line's start, ended.
    EXPECT_EQ(read_line(hwnd, 25000, 5), L"画面 2");
    // The lines follow the source: the first one gone, every line moves up.
    lines.n_ = 49999;
    list.line_removed(0);
    windows.render();
    EXPECT_EQ(SendMessageW(hwnd, LVM_GETITEMCOUNT, 0, 0), 49999);
    EXPECT_EQ(read_line(hwnd, 49998), widen("画面 49998.jpg"));
}

class Surrogates : public ListSource {
public:
    int count() const override { return 1; }
    // U+20BB7 takes two UTF-16 units.
    std::string line(int) const override { return "a\xF0\xA0\xAE\xB7"; }
};

TEST_F(Win32List, ACutLineKeepsNoHalfCharacter) {
    Surrogates source;
    list.set_source(&source);
    show();
    hwnd = hwnd_of(list);
    EXPECT_EQ(read_line(hwnd, 0), widen("a\xF0\xA0\xAE\xB7"));
    EXPECT_EQ(read_line(hwnd, 0, 3), L"a");
}

TEST_F(Win32List, AKeyedSelectionReachesTheProgram) {
    show_lines(5);
    int clicks = 0;
    list.on_click = [&] { ++clicks; };
    SetFocus(hwnd);
    SendMessageW(hwnd, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(list.list_index(), 0);
    SendMessageW(hwnd, WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(list.list_index(), 4);
    EXPECT_EQ(clicks, 2);
    // The keys move on from a line the program chose.
    list.set_list_index(1);
    windows.render();
    SendMessageW(hwnd, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(list.list_index(), 2);
}

TEST_F(Win32List, KeysGoToTheFormsShortcutsFirst) {
    show_lines(3, 0);
    std::vector<std::pair<int, int>> seen;
    form.on_shortcut = [&](int key, int shift) {
        seen.emplace_back(key, shift);
        return key == VK_DELETE;
    };
    SendMessageW(hwnd, WM_KEYDOWN, VK_DELETE, 0);
    SendMessageW(hwnd, WM_KEYDOWN, VK_DOWN, 0);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].first, VK_DELETE);
    // Delete was taken; Down went on to the list.
    EXPECT_EQ(list.list_index(), 1);
}

TEST_F(Win32List, PressesAreClicksAndOnlyTheLeftButtonChooses) {
    show_lines(5);
    int clicks = 0, double_clicks = 0;
    std::vector<int> downs;
    list.on_click = [&] { ++clicks; };
    list.on_dbl_click = [&] { ++double_clicks; };
    list.on_mouse_down = [&](int button, int, int, int) { downs.push_back(button); };

    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, point_on(2));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, point_on(2));
    EXPECT_EQ(list.list_index(), 2);
    EXPECT_EQ(clicks, 1);
    // A press on the selected line is a click again; with Ctrl it does not take the line away.
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, point_on(2));
    SendMessageW(hwnd, WM_LBUTTONUP, MK_CONTROL, point_on(2));
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(list.list_index(), 2);
    EXPECT_EQ(selected_row(hwnd), 2);
    SendMessageW(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, point_on(2));
    EXPECT_EQ(double_clicks, 1);
    // The right button reports its press and leaves the selection where it was.
    SendMessageW(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, point_on(4));
    SendMessageW(hwnd, WM_RBUTTONUP, 0, point_on(4));
    EXPECT_EQ(list.list_index(), 2);
    EXPECT_EQ(selected_row(hwnd), 2);
    // A press below the last line chooses nothing and keeps the choice.
    RECT client;
    GetClientRect(hwnd, &client);
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, client.bottom - 2));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, client.bottom - 2));
    EXPECT_EQ(list.list_index(), 2);
    EXPECT_EQ(selected_row(hwnd), 2);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(downs, (std::vector<int>{1, 1, 2, 1}));
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
