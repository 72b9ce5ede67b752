#pragma once
// One system's side of the tests both systems run alike: its window system and event loop, its
// folder watch, the user's input on a control's view as that system delivers it, and what the
// view shows as that system's screen readers and pixels tell it. Each system's test program
// defines make_backend_driver().
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "services/clipboard.h"
#include "services/folder_watch.h"
#include "services/http.h"
#include "services/instance_guard.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/keys.h"
#include "ui/prompts.h"
#include "ui/text_metrics.h"
#include "ui/text_painter.h"
#include "ui/window_system.h"

namespace vis::test {

// A place in a view's client area (a scroll area's viewport), in pixels.
struct ViewPoint {
    int x = 0;
    int y = 0;
};

// What a message box showed the user; its lines end in "\n".
struct SeenBox {
    std::string title;
    std::string text;
    MsgIcon icon = MsgIcon::none;
    int buttons = 0;
    MsgResult default_button = MsgResult::cancel;
};

// What a simple control shows: its caption or text (a combo's shown item or typed text), whether
// it is checked, takes input and is read-only, its value within its range, and a combo's items.
struct ShownControl {
    std::string text{};
    bool checked = false;
    bool enabled = true;
    bool read_only = false;
    int value = 0;
    int min = 0;
    int max = 0;
    std::vector<std::string> items{};
    bool operator==(const ShownControl&) const = default;
};

inline void PrintTo(const ShownControl& s, std::ostream* out) {
    *out << "{\"" << s.text << "\" checked " << s.checked << " enabled " << s.enabled << " read-only " << s.read_only
         << " value " << s.value << " in " << s.min << ".." << s.max << " items";
    for (const std::string& item : s.items) *out << " \"" << item << "\"";
    *out << "}";
}

class BackendDriver {
public:
    virtual ~BackendDriver() = default;

    virtual WindowSystem& windows() = 0;
    // Where the windows read the program's icons from (its data/ folder): a fresh folder.
    virtual std::string program_folder() = 0;
    // Turns the event loop until `done` holds or `ms` pass; whether it holds.
    bool run_until(const std::function<bool()>& done, int ms = 3000) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) return false;
            windows().do_events();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }
    void run_for(int ms) {
        run_until([] { return false; }, ms);
    }
    virtual std::unique_ptr<FolderWatch> folder_watch() = 0;
    virtual std::unique_ptr<Http> http() = 0;
    virtual std::unique_ptr<Prompts> prompts() = 0;
    virtual std::unique_ptr<TextPainter> text_painter() = 0;
    virtual std::unique_ptr<TextMetrics> text_metrics() = 0;
    virtual std::unique_ptr<InstanceGuard> instance_guard(const std::string& program_folder) = 0;
    virtual std::unique_ptr<Clipboard> clipboard() = 0;
    // The picture another program pastes from the clipboard (opaque pixels as 0xFFRRGGBB).
    virtual Picture pasted_picture() = 0;
    // Runs `ask`, which shows one message box: a user reads the box and presses `press`.
    virtual SeenBox answer_box(MsgResult press, const std::function<void()>& ask) = 0;

    // The user's input on a shown control. A press is pressed and let go; a double-click is the
    // press, release, second press and release the system delivers; a key goes to the control
    // with the keyboard, Shift and Ctrl held as `shift` says (the program's key codes and bits).
    void press(const Control& c, ViewPoint at, int button, int shift = 0) {
        press_and_let_go(c, at, button, shift, at);
    }
    virtual void press_and_let_go(const Control& c, ViewPoint at, int button, int shift, ViewPoint let_go) = 0;
    // The left button pressed at `from`, the pointer moved with it held to `to` (outside the
    // control too) and let go there: the system sends the move and the release to the window that
    // holds the pointer, else to the window under it.
    virtual void drag(const Control& c, ViewPoint from, ViewPoint to) = 0;
    // The pointer moved with no button held.
    virtual void move(const Control& c, ViewPoint at) = 0;
    virtual void double_click(const Control& c, ViewPoint at) = 0;
    // A click with the left button near the control's left edge (on a check box's box).
    void click(const Control& c) {
        const ViewPoint size = client_size(c);
        press(c, {size.y / 2, size.y / 2}, button::kLeft);
    }
    virtual void key(const Control& c, int key_code, int shift = 0) = 0;
    // The user pages down, or goes to the top, with the control's scroll bar.
    virtual void page_down(const Control& c) = 0;
    virtual void scroll_to_top(const Control& c) = 0;
    // Typing into a text box or an editable combo with the caret at `at` (-1: the end); "\r" is
    // the Enter key.
    virtual void type(const Control& c, const std::string& text, int at = -1) = 0;
    // Choosing a combo's item from its list.
    virtual void choose_item(const ComboBox& c, int index) = 0;
    // A scroll bar's right arrow; dragging its box to `value` and letting go.
    virtual void step_right(const ScrollBar& b) = 0;
    virtual void drag_box(const ScrollBar& b, int value) = 0;

    // A key pressed as the system delivers it to the focused control, with shortcuts looked for first.
    virtual void shortcut_key(const Control& focused, int key_code, int shift) = 0;
    // The user chooses an entry in the form's menus, as a click on it does; the program's own
    // check decides whether it runs.
    virtual void choose_menu(const Form& f, const Menu& entry) = 0;
    // The menu bar as a user sees it: a line per shown entry in order, indented two spaces a
    // level, the shortcut after a tab, " ✓" when checked and " (grey)" when disabled; "-" a
    // separator.
    virtual std::vector<std::string> shown_menus(const Form& f) = 0;

    // The user closes the form's window with its frame's close box; whether the window shows.
    virtual void close_by_frame(const Form& f) = 0;
    virtual bool window_shown(const Form& f) = 0;
    // The player drags the window's frame until its client area is `size` pixels, or maximises or
    // restores it with the title bar's button; whether the frame and the button let them.
    virtual void drag_frame_to(const Form& f, ViewPoint size) = 0;
    virtual void maximise(const Form& f, bool maximised) = 0;
    virtual bool sizable_by_player(const Form& f) = 0;
    // The title bar's text and the client area's size in pixels.
    virtual std::string window_title(const Form& f) = 0;
    virtual ViewPoint window_client_size(const Form& f) = 0;
    // A label's text as shown (its lines ending in "\n"), its place in its parent's client area
    // (left, top, width, height in pixels) and whether it shows.
    virtual std::string shown_text(const Control& c) = 0;
    virtual Rect shown_place(const Control& c) = 0;
    virtual bool control_shown(const Control& c) = 0;
    virtual ShownControl shown_control(const Control& c) = 0;

    // What the control's view shows: its client size and pixels (0xRRGGBB), the name a screen
    // reader speaks, the scroll bar's position.
    virtual ViewPoint client_size(const Control& c) = 0;
    virtual std::uint32_t pixel(const Control& c, ViewPoint at) = 0;
    virtual std::string spoken(const Control& c) = 0;
    virtual int scroll_position(const Control& c) = 0;

    // A list's view: its lines as a screen reader reads them, the line it shows selected (-1 for
    // none), whether a line lies wholly in view, and a line's middle.
    virtual int shown_count(const ListBox& l) = 0;
    virtual std::string shown_line(const ListBox& l, int row) = 0;
    virtual int shown_selection(const ListBox& l) = 0;
    virtual bool line_in_view(const ListBox& l, int row) = 0;
    virtual ViewPoint middle_of_line(const ListBox& l, int row) = 0;
};

std::unique_ptr<BackendDriver> make_backend_driver();

// A row of a shared table that Windows (as Wine runs it) cannot meet names why in the table; there
// the row is reported with its reason rather than run.
inline bool runs_here(const char* unmet_on_windows) {
#ifdef _WIN32
    if (unmet_on_windows != nullptr) {
        std::printf("[  UNMET   ] on Windows: %s\n", unmet_on_windows);
        return false;
    }
#else
    static_cast<void>(unmet_on_windows);
#endif
    return true;
}

// The fixture of the tests both systems run.
class BackendTest : public ::testing::Test {
protected:
    std::unique_ptr<BackendDriver> driver = make_backend_driver();
    WindowSystem& windows = driver->windows();
};

}  // namespace vis::test
