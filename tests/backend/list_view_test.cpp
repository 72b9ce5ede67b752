// A list box on each system: the source's lines as screen readers read them, asked for only when
// shown; the model's selection shown and kept in view; every press, key and double-click of the
// user reaching the program, the user never clearing the selection; lines the program adds or
// takes out running no click.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "backend/backend_driver.h"
#include "ui/form.h"
#include "ui/keys.h"

namespace vis::test {
namespace {

// Line i reads "画面 i.jpg"; counts how many lines were asked for.
struct Numbered : ListSource {
    explicit Numbered(int n) : n(n) {}
    int count() const override { return n; }
    std::string line(int row) const override {
        ++asked;
        return "画面 " + std::to_string(row) + ".jpg";
    }
    int n;
    mutable int asked = 0;
};

struct Lines : ListSource {
    explicit Lines(std::vector<std::string> l) : lines(std::move(l)) {}
    int count() const override { return static_cast<int>(lines.size()); }
    std::string line(int row) const override { return lines.at(static_cast<std::size_t>(row)); }
    std::vector<std::string> lines;
};

struct ListForm : Form {
    ListForm(WindowSystem& ws, const ListSource& lines) : Form(ws, "MainWindow", "lists") {
        set_client_size(7000, 4000);
        lst.set_bounds({120, 120, 6000, 2400});
        lst.set_source(&lines);
        lst.on_click = [this] { clicks.push_back(lst.list_index()); };
        lst.on_key_down = [this](int k, int s) { keys.emplace_back(k, s); };
        lst.on_mouse_down = [this](int b, int, int, int y) { downs.emplace_back(b, y); };
        lst.on_dbl_click = [this] { ++dbl_clicks; };
        // Ctrl+S is a shortcut of the window, as the menus' are.
        on_shortcut = [this](int k, int s) {
            const bool taken = k == 'S' && s == shift::kCtrl;
            shortcuts += taken ? 1 : 0;
            return taken;
        };
    }
    ListBox lst{*this, "file_lst"};
    std::vector<int> clicks;
    std::vector<std::pair<int, int>> keys;
    std::vector<std::pair<int, int>> downs;  // button, y in twips
    int dbl_clicks = 0, shortcuts = 0;
};

TEST_F(BackendTest, EveryPressKeyAndDoubleClickOnAListReachesTheProgram) {
    enum class Do { key, press, double_click, press_below, program_selects };
    struct Step {
        const char* what;
        Do act;
        int key_or_row;
        int shift_or_button;
        int selected;              // afterwards, in the model and on screen
        std::vector<int> clicks;   // the click handler's runs, with the selection each time
        bool reaches_key_handler;  // a key: the list's handler saw it
    };
    const int left = button::kLeft, right = button::kRight, ctrl = shift::kCtrl;
    const Step steps[] = {
        {"Down from no selection", Do::key, key::kDown, 0, 0, {0}, true},
        {"End", Do::key, key::kEnd, 0, 4, {4}, true},
        {"Up", Do::key, key::kUp, 0, 3, {3}, true},
        {"Home", Do::key, key::kHome, 0, 0, {0}, true},
        {"a press on a line", Do::press, 2, left, 2, {2}, false},
        {"a press on the selected line", Do::press, 2, left, 2, {2}, false},
        {"Ctrl and a press on the selected line", Do::press, 2, left | ctrl << 8, 2, {2}, false},
        {"Ctrl+Space on the selected line", Do::key, key::kSpace, ctrl, 2, {}, true},
        {"Ctrl and a press below the last line", Do::press_below, 0, left | ctrl << 8, 2, {}, false},
        {"the right button", Do::press, 4, right, 2, {}, false},
        {"Ctrl and a press on another line", Do::press, 3, left | ctrl << 8, 3, {3}, false},
        {"a double-click", Do::double_click, 3, left, 3, {3}, false},
        {"Shift+Ctrl+Delete", Do::key, key::kDelete, shift::kShift | ctrl, 3, {}, true},
        {"the window's shortcut", Do::key, 'S', ctrl, 3, {}, false},
        {"the program selects", Do::program_selects, 1, 0, 1, {1}, false},
        {"Down from the program's line", Do::key, key::kDown, 0, 2, {2}, true},
        {"the program selects none", Do::program_selects, -1, 0, -1, {-1}, false},
    };
    const Numbered lines(5);
    ListForm form(windows, lines);
    form.show();
    windows.do_events();
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        form.clicks.clear();
        const std::size_t keys = form.keys.size(), downs = form.downs.size();
        const int button = s.shift_or_button & 0xFF, held = s.shift_or_button >> 8;
        switch (s.act) {
            case Do::key:
                driver->key(form.lst, s.key_or_row, s.shift_or_button);
                break;
            case Do::press:
                driver->press(form.lst, driver->middle_of_line(form.lst, s.key_or_row), button, held);
                break;
            case Do::double_click:
                driver->double_click(form.lst, driver->middle_of_line(form.lst, s.key_or_row));
                break;
            case Do::press_below:
                driver->press(form.lst, {5, driver->client_size(form.lst).y - 2}, button, held);
                break;
            case Do::program_selects:
                form.lst.set_list_index(s.key_or_row);
                windows.do_events();
                break;
        }
        EXPECT_EQ(form.lst.list_index(), s.selected);
        EXPECT_EQ(driver->shown_selection(form.lst), s.selected);
        EXPECT_EQ(form.clicks, s.clicks);
        // Shift and Ctrl, keys of their own, reach the handler too; the key itself as told.
        const std::vector<std::pair<int, int>> new_keys(form.keys.begin() + static_cast<long>(keys), form.keys.end());
        const auto heard = std::find(new_keys.begin(), new_keys.end(), std::make_pair(s.key_or_row, s.shift_or_button));
        EXPECT_EQ(heard != new_keys.end(), s.reaches_key_handler);
        const bool pressed = s.act == Do::press || s.act == Do::press_below || s.act == Do::double_click;
        ASSERT_EQ(form.downs.size(), downs + (pressed ? 1 : 0));
        if (pressed) {
            EXPECT_EQ(form.downs.back().first, button);
        }
    }
    EXPECT_EQ(form.dbl_clicks, 1);
    EXPECT_EQ(form.shortcuts, 1);
}

TEST_F(BackendTest, ARightPressIsPlacedInTwipsFromTheListsCorner) {
    const Numbered lines(5);
    ListForm form(windows, lines);
    form.show();
    windows.do_events();
    const ViewPoint at = driver->middle_of_line(form.lst, 2);
    driver->press(form.lst, at, button::kRight);
    ASSERT_EQ(form.downs.size(), 1u);
    // The view's frame lies between the list's corner and its lines.
    const double tpp = windows.screen().twips_per_pixel_y;
    EXPECT_NEAR(form.downs[0].second, at.y * tpp, 3 * tpp);
}

TEST_F(BackendTest, FiftyThousandLinesByKeyClickAndScreenReader) {
    constexpr int kLines = 50000;
    const Numbered lines(kLines);
    ListForm form(windows, lines);
    form.lst.set_list_index(0);
    form.show();
    windows.do_events();
    // Only what is shown is made.
    EXPECT_LT(lines.asked, 200);
    EXPECT_EQ(driver->shown_count(form.lst), kLines);
    for (const int row : {0, 1, 25000, kLines - 1})
        EXPECT_EQ(driver->shown_line(form.lst, row), "画面 " + std::to_string(row) + ".jpg") << row;

    constexpr int kPageOn = -1, kPageBack = -2;
    struct Step {
        int key;
        // Where the selection is afterwards; kPageOn / kPageBack: more than a line further on / back
        // than before (a page up goes back a page on Qt, to the top of the page shown on Windows).
        int row;
    };
    const Step steps[] = {{key::kEnd, kLines - 1}, {key::kUp, kLines - 2},    {key::kHome, 0},
                          {key::kDown, 1},         {key::kPageDown, kPageOn}, {key::kPageUp, kPageBack}};
    int before = 0;
    for (const Step& step : steps) {
        form.clicks.clear();
        driver->key(form.lst, step.key);
        const int now = form.lst.list_index();
        if (step.row == kPageOn)
            EXPECT_GT(now, before + 1) << step.key;
        else if (step.row == kPageBack)
            EXPECT_LT(now, before - 1) << step.key;
        else
            EXPECT_EQ(now, step.row) << step.key;
        EXPECT_EQ(form.clicks, std::vector<int>{now}) << step.key;
        EXPECT_TRUE(driver->line_in_view(form.lst, now)) << step.key;
        before = now;
    }

    // The program selects far down: the line is scrolled into view and a press on the line
    // above selects that one.
    form.lst.set_list_index(30000);
    windows.do_events();
    EXPECT_TRUE(driver->line_in_view(form.lst, 30000));
    form.clicks.clear();
    driver->press(form.lst, driver->middle_of_line(form.lst, 29999), button::kLeft);
    EXPECT_EQ(form.clicks, std::vector<int>{29999});
    EXPECT_EQ(driver->shown_selection(form.lst), 29999);
}

TEST_F(BackendTest, LinesTheProgramAddsOrTakesOutMoveTheOthersAndRunNoClick) {
    std::vector<std::string> many;
    for (int i = 0; i < 300; ++i) many.push_back("画面 " + std::to_string(i) + ".jpg");
    Lines lines(many);
    ListForm form(windows, lines);
    form.show();
    form.lst.set_list_index(299);
    windows.do_events();
    EXPECT_TRUE(driver->line_in_view(form.lst, 299));
    form.clicks.clear();

    // The first line taken out: every line moves up, the selection with its line.
    lines.lines.erase(lines.lines.begin());
    form.lst.line_removed(0);
    windows.do_events();
    EXPECT_EQ(driver->shown_count(form.lst), 299);
    EXPECT_EQ(driver->shown_line(form.lst, 0), "画面 1.jpg");
    EXPECT_EQ(form.lst.list_index(), 298);
    EXPECT_EQ(driver->shown_selection(form.lst), 298);

    // Scrolled away by the user, the list stays there when a line comes.
    driver->scroll_to_top(form.lst);
    windows.do_events();
    ASSERT_TRUE(driver->line_in_view(form.lst, 0));
    lines.lines.insert(lines.lines.begin(), "画面 0.jpg");
    form.lst.line_inserted(0);
    windows.do_events();
    EXPECT_TRUE(driver->line_in_view(form.lst, 0));
    EXPECT_EQ(driver->shown_line(form.lst, 0), "画面 0.jpg");
    EXPECT_EQ(driver->shown_selection(form.lst), 299);

    // The selected line taken out leaves no selection.
    lines.lines.pop_back();
    form.lst.line_removed(299);
    windows.do_events();
    EXPECT_EQ(driver->shown_count(form.lst), 299);
    EXPECT_EQ(driver->shown_selection(form.lst), -1);
    EXPECT_TRUE(form.clicks.empty());

    // A hidden list (the other order) catches up with its lines and selection when it shows.
    form.lst.set_visible(false);
    windows.do_events();
    lines.lines.resize(20);
    form.lst.lines_reset(7);
    windows.do_events();
    form.lst.set_visible(true);
    windows.do_events();
    EXPECT_EQ(driver->shown_count(form.lst), 20);
    EXPECT_EQ(driver->shown_selection(form.lst), 7);
    EXPECT_TRUE(form.clicks.empty());
}

}  // namespace
}  // namespace vis::test
