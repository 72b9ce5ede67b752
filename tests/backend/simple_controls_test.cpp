// Check boxes, text boxes, combos, buttons, progress and scroll bars and frames on each system:
// they show the model as made and as it changes, and the user's input reaches the program once,
// the program's own changes never coming back as the user's.
#include <string>
#include <utility>
#include <vector>

#include "backend/backend_driver.h"

namespace vis::test {
namespace {

struct SettingsForm : Form {
    explicit SettingsForm(WindowSystem& ws) : Form(ws, "SettingsDialog", " 設定") {
        set_client_size(7000, 5000);
        chk.set_bounds({120, 120, 3000, 300});
        txt.set_bounds({120, 600, 3000, 300});
        fra.set_bounds({120, 1000, 4000, 1300});
        cmb.set_container(fra);
        cmb.set_bounds({150, 300, 3000, 300});
        colour.set_container(fra);
        colour.set_bounds({150, 800, 3000, 300});
        colour.set_editable(true);
        cmd.set_bounds({120, 2400, 1500, 400});
        pgb.set_bounds({120, 3000, 3000, 300});
        bar.set_bounds({120, 3500, 3000, 255});
        for (const char* item : {"標準", "太字"}) cmb.add_item(item);
        for (const char* item : {"#000000", "#ffffff"}) colour.add_item(item);
        chk.on_click = [this] { log.push_back("check " + std::to_string(chk.value())); };
        txt.on_change = [this] { log.push_back("text " + txt.text()); };
        cmb.on_click = [this] { log.push_back("pick " + std::to_string(cmb.list_index()) + " " + cmb.text()); };
        cmd.on_click = [this] { log.push_back("press"); };
        bar.on_change = [this] { log.push_back("change " + std::to_string(bar.value())); };
        bar.on_scroll = [this] { log.push_back("scroll " + std::to_string(bar.value())); };
    }
    std::vector<std::string> taken() { return std::exchange(log, {}); }

    CheckBox chk{*this, "chk_BGMPlay", "BGMを再生する"};
    TextBox txt{*this, "txt", "C:\\Program Files"};
    Frame fra{*this, "Frame1", "スタイル"};
    ComboBox cmb{*this, "cmb"};
    ComboBox colour{*this, "cmb_colour"};
    Button cmd{*this, "cmd", "設定"};
    ProgressBar pgb{*this, "pgb"};
    ScrollBar bar{*this, "bar", 1, 30, 10};
    std::vector<std::string> log;
};

TEST_F(BackendTest, SimpleControlsShowTheModelAsMadeAndAsItChanges) {
    SettingsForm form(windows);
    form.chk.set_value(true);
    form.txt.set_locked(true);
    form.cmb.set_list_index(1);
    form.colour.set_list_index(0);
    form.pgb.set_value(42);
    form.cmd.set_enabled(false);
    form.show();
    windows.do_events();
    const std::vector<std::string> styles{"標準", "太字"}, colours{"#000000", "#ffffff"};
    struct Row {
        const char* what;
        std::function<void()> change;
        const Control& control;
        ShownControl shown;
    };
    const Row rows[] = {
        {"a checked check box", [] {}, form.chk, {.text = "BGMを再生する", .checked = true}},
        {"a locked text box", [] {}, form.txt, {.text = "C:\\Program Files", .read_only = true}},
        {"a combo with its second item chosen", [] {}, form.cmb, {.text = "太字", .items = styles}},
        {"an editable combo with an item chosen", [] {}, form.colour, {.text = "#000000", .items = colours}},
        {"a disabled button", [] {}, form.cmd, {.text = "設定", .enabled = false}},
        {"a progress bar", [] {}, form.pgb, {.value = 42, .max = 100}},
        {"a scroll bar", [] {}, form.bar, {.value = 10, .min = 1, .max = 30}},
        {"a frame", [] {}, form.fra, {.text = "スタイル"}},
        {"unchecked", [&] { form.chk.set_value(false); }, form.chk, {.text = "BGMを再生する"}},
        {"disabled", [&] { form.chk.set_enabled(false); }, form.chk, {.text = "BGMを再生する", .enabled = false}},
        {"unlocked, new text",
         [&] {
             form.txt.set_locked(false);
             form.txt.set_text("D:\\ゲーム");
         },
         form.txt,
         {.text = "D:\\ゲーム"}},
        {"the first item chosen", [&] { form.cmb.set_list_index(0); }, form.cmb, {.text = "標準", .items = styles}},
        {"no item chosen", [&] { form.cmb.set_list_index(-1); }, form.cmb, {.items = styles}},
        {"new items",
         [&] {
             form.cmb.clear();
             form.cmb.add_item("細字");
         },
         form.cmb,
         {.items = {"細字"}}},
        {"typed text set by the program",
         [&] { form.colour.set_text("#ff8800"); },
         form.colour,
         {.text = "#ff8800", .items = colours}},
        {"enabled, a new caption",
         [&] {
             form.cmd.set_enabled(true);
             form.cmd.set_caption("参照...");
         },
         form.cmd,
         {.text = "参照..."}},
        {"full", [&] { form.pgb.set_value(100); }, form.pgb, {.value = 100, .max = 100}},
        {"at the end", [&] { form.bar.set_value(30); }, form.bar, {.value = 30, .min = 1, .max = 30}},
    };
    for (const Row& row : rows) {
        row.change();
        windows.do_events();
        EXPECT_EQ(driver->shown_control(row.control), row.shown) << row.what;
    }
    // Controls in a frame lie at their places in it.
    EXPECT_EQ(driver->shown_place(form.cmb), (Rect{10, 20, 200, driver->shown_place(form.cmb).height}));
}

TEST_F(BackendTest, SimpleControlsTellTheProgramOfTheUsersInputOnce) {
    SettingsForm form(windows);
    form.show();
    windows.do_events();
    struct Row {
        const char* what;
        std::function<void()> act;
        std::vector<std::string> log;
    };
    const Row rows[] = {
        {"a click on the check box", [&] { driver->click(form.chk); }, {"check 1"}},
        {"a click on the button", [&] { driver->click(form.cmd); }, {"press"}},
        {"a click on the button disabled",
         [&] {
             form.cmd.set_enabled(false);
             windows.do_events();
             driver->click(form.cmd);
         },
         {}},
        {"typing at the end", [&] { driver->type(form.txt, "x"); }, {"text C:\\Program Filesx"}},
        {"typing Japanese within",
         [&] { driver->type(form.txt, "日本", 3); },
         {"text C:\\日Program Filesx", "text C:\\日本Program Filesx"}},
        {"the program's own text", [&] { form.txt.set_text("D:\\Games"); }, {"text D:\\Games"}},
        {"choosing an item", [&] { driver->choose_item(form.cmb, 1); }, {"pick 1 太字"}},
        {"the scroll bar's right arrow", [&] { driver->step_right(form.bar); }, {"change 11"}},
        {"dragging its box", [&] { driver->drag_box(form.bar, 20); }, {"scroll 20", "change 20"}},
        {"the right arrow at the end moves nothing",
         [&] {
             form.bar.set_value(30);
             windows.do_events();
             driver->step_right(form.bar);
         },
         {"change 30"}},
    };
    for (const Row& row : rows) {
        row.act();
        windows.do_events();
        EXPECT_EQ(form.taken(), row.log) << row.what;
    }
    EXPECT_EQ(driver->shown_control(form.chk).checked, true);
    EXPECT_EQ(driver->shown_control(form.txt).text, "D:\\Games");
    EXPECT_EQ(driver->shown_control(form.bar).value, 30);
}

// What the user types into an editable combo is its text, where the caret is; Enter makes no item
// of it, and choosing an item makes that the text again.
TEST_F(BackendTest, AnEditableComboTakesTypedTextAsItsText) {
    SettingsForm form(windows);
    form.colour.set_list_index(0);
    form.show();
    windows.do_events();
    driver->type(form.colour, "x");
    EXPECT_EQ(form.colour.text(), "#000000x");
    EXPECT_EQ(form.colour.list_index(), -1);
    driver->type(form.colour, "yy", 1);
    EXPECT_EQ(form.colour.text(), "#yy000000x");
    driver->type(form.colour, "\r");
    windows.do_events();
    EXPECT_EQ(driver->shown_control(form.colour),
              (ShownControl{.text = "#yy000000x", .items = {"#000000", "#ffffff"}}));
    driver->choose_item(form.colour, 1);
    windows.do_events();
    EXPECT_EQ(form.colour.text(), "#ffffff");
    EXPECT_EQ(driver->shown_control(form.colour).text, "#ffffff");
}

}  // namespace
}  // namespace vis::test
