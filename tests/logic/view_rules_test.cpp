// The view rules both systems' windows share: redraw by revision, the handlers a pointer or a key
// runs, a form's keys, repainting the changed part of a picture, a list's press and highlight,
// timers' countdowns, shapes' places. Each system's view only turns its events into these.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "support/headless.h"
#include "ui/form_keys.h"
#include "ui/list_input.h"
#include "ui/picture_repaint.h"
#include "ui/pointer_rules.h"
#include "ui/revision_mark.h"
#include "ui/shape_outline.h"
#include "ui/timer_countdown.h"
#include "ui/view_roster.h"
#include "ui/window_presence.h"

namespace vis {
namespace {

TEST(ViewRules, ActsOnARevisionOnceAndOnEveryOneAfterForgetting) {
    RevisionMark mark;
    // A serial that starts at 0 has not happened yet; a model's first revision (1) is shown.
    EXPECT_FALSE(mark.moved_on(0));
    const std::vector<std::pair<std::uint64_t, bool>> steps = {{1, true},  {1, false}, {2, true},
                                                               {2, false}, {5, true},  {4, true}};
    for (const auto& [revision, acted] : steps) EXPECT_EQ(mark.moved_on(revision), acted) << revision;
    mark.forget();
    EXPECT_TRUE(mark.moved_on(4));
    EXPECT_FALSE(mark.moved_on(4));
    mark.forget();
    EXPECT_TRUE(mark.moved_on(0));
}

struct PointerCase {
    const char* name;
    // c: the control makes its own clicks; R: right presses are kept from the system; x: the
    // release's and the key's handlers take the control away.
    const char* options;
    // What a drag carries: nullptr for a control that starts no drag.
    const char* drag_file;
    // Steps: p press, r release, o release outside, d double-click, m move, k key; then the button
    // (held buttons for a move, the code for a key), 1 unless given, and @ view pixels across.
    const char* script;
    // Handlers run, in order; each step's answer: c consumed, d:<file> a drag, - passed on.
    const char* handlers;
    const char* answers;
};

class PointerRulesTable : public ::testing::TestWithParam<PointerCase> {};

TEST_P(PointerRulesTable, RunsTheHandlersInOrderAndAnswersTheView) {
    const PointerCase& row = GetParam();
    test::HeadlessWindowSystem windows;
    Form form(windows, "form", "form");
    Label label(form, "lbl");
    Control* control = &label;
    std::string log;
    const auto logged = [&log](const char* what) {
        return
            [&log, what](int b, int, int x, int) { log += what + std::to_string(b) + "@" + std::to_string(x) + " "; };
    };
    const bool takes_away = std::string(row.options).find('x') != std::string::npos;
    label.on_mouse_down = logged("down");
    label.on_mouse_up = [&, up = logged("up")](int b, int shift, int x, int y) {
        up(b, shift, x, y);
        if (takes_away) control = nullptr;
    };
    label.on_mouse_move = logged("move");
    label.on_click = [&] { log += "click "; };
    label.on_dbl_click = [&] { log += "dbl "; };
    label.on_key_down = [&](int code, int) {
        log += "key" + std::to_string(code) + " ";
        if (takes_away) control = nullptr;
    };
    if (row.drag_file != nullptr)
        label.on_drag_file = [&] {
            log += "asked ";
            return std::string(row.drag_file);
        };
    PointerRules rules(
        control,
        [&](const std::function<void(Control&)>& handler) {
            if (control != nullptr) handler(*control);
        },
        [](int dx, int dy) { return std::abs(dx) + std::abs(dy) >= 4; });
    rules.set_clicks(std::string(row.options).find('c') != std::string::npos);
    rules.set_right_press_consumed(std::string(row.options).find('R') != std::string::npos);

    std::string answers;
    std::istringstream script(row.script);
    for (std::string step; script >> step;) {
        int button = 1, at = 0;
        std::sscanf(step.c_str() + 1, "%d@%d", &button, &at);
        if (step.size() > 1 && step[1] == '@') std::sscanf(step.c_str() + 2, "%d", &at);
        const PointerEvent event{button, 0, at * 15, 0};
        PointerAnswer a;
        switch (step[0]) {
            case 'p':
                a = rules.press(event, {at, 0});
                break;
            case 'r':
            case 'o':
                a = rules.release(event, step[0] == 'r');
                break;
            case 'd':
                rules.double_click(button);
                break;
            case 'm':
                a = rules.move(event, {at, 0});
                break;
            default:
                a.consumed = rules.key_down(button, 0);
                break;
        }
        answers += (!a.drag_file.empty() ? "d:" + a.drag_file : a.consumed ? "c" : "-") + " ";
    }
    EXPECT_EQ(log, row.handlers);
    EXPECT_EQ(answers, row.answers);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Gestures, PointerRulesTable, ::testing::Values(
    PointerCase{"click", "c", nullptr, "p r", "down1@0 up1@0 click ", "- - "},
    PointerCase{"release_outside", "c", nullptr, "p o", "down1@0 up1@0 ", "- - "},
    PointerCase{"no_clicks_of_its_own", "", nullptr, "p r", "down1@0 up1@0 ", "- - "},
    PointerCase{"right_button_makes_no_click", "c", nullptr, "p2 r2", "down2@0 up2@0 ", "- - "},
    PointerCase{"right_button_kept_from_the_system", "cR", nullptr, "p2 r2 p r", "down2@0 up2@0 down1@0 up1@0 click ", "c c - - "},
    PointerCase{"release_without_press", "c", nullptr, "r", "up1@0 ", "- "},
    PointerCase{"double_click", "c", nullptr, "p r d r", "down1@0 up1@0 click dbl up1@0 ", "- - - - "},
    PointerCase{"right_double_click_ignored", "c", nullptr, "p2 d2 r2", "down2@0 up2@0 ", "- - - "},
    PointerCase{"move_short_of_the_drag_stays_a_click", "c", "a.jpg", "p@10 m@13 r", "down1@150 move1@195 up1@0 click ", "- c - "},
    PointerCase{"drag_takes_the_release", "c", "a.jpg", "p@10 m@14 m@30 r", "down1@150 move1@210 asked move1@450 up1@0 ", "- d:a.jpg - - "},
    PointerCase{"drag_backwards", "c", "b.jpg", "p@10 m@6", "down1@150 move1@90 asked ", "- d:b.jpg "},
    PointerCase{"nothing_to_drag", "c", "", "p m@20 r", "down1@0 move1@300 asked up1@0 ", "- c - "},
    PointerCase{"no_drag_without_a_file_handler", "c", nullptr, "p m@20 r", "down1@0 move1@300 up1@0 click ", "- - - "},
    PointerCase{"move_without_left_held", "c", "a.jpg", "p m2@20 r", "down1@0 move2@300 up1@0 click ", "- - - "},
    PointerCase{"move_after_a_double_click", "c", "a.jpg", "p d m@20", "down1@0 dbl move1@300 ", "- - - "},
    PointerCase{"keys", "c", nullptr, "k40 k0", "key40 ", "- - "},
    PointerCase{"nothing_runs_on_a_control_taken_away", "cx", "a.jpg", "p r p m@20 k40", "down1@0 up1@0 ", "- - - - c "},
    PointerCase{"a_key_handler_takes_the_control_away", "cx", nullptr, "k40", "key40 ", "c "}),
    [](const ::testing::TestParamInfo<PointerCase>& info) { return std::string(info.param.name); });
// clang-format on

// A form's shortcuts see a key first, then its key handler; a shortcut that closed the form leaves
// the key to no one.
TEST(ViewRules, OffersAKeyToTheFormsShortcutsThenItsHandler) {
    test::HeadlessWindowSystem windows;
    Form form(windows, "form", "form");
    Form* shown = &form;
    std::string log;
    const Dispatch dispatch = [&log](const std::function<void()>& handler) {
        log += "| ";
        handler();
    };
    EXPECT_FALSE(offer_key_to_form(shown, 40, 0, dispatch));
    form.on_key_down = [&](int code, int shift) {
        log += "key" + std::to_string(code) + "/" + std::to_string(shift) + " ";
    };
    EXPECT_TRUE(offer_key_to_form(shown, 40, 1, dispatch));
    EXPECT_FALSE(offer_key_to_form(shown, 0, 0, dispatch));
    form.on_shortcut = [&](int code, int) {
        log += "shortcut" + std::to_string(code) + " ";
        if (code == 27) shown = nullptr;
        return code == 46;
    };
    EXPECT_TRUE(offer_key_to_form(shown, 46, 0, dispatch));
    EXPECT_TRUE(offer_key_to_form(shown, 38, 2, dispatch));
    EXPECT_FALSE(offer_key_to_form(shown, 27, 0, dispatch));
    EXPECT_FALSE(offer_key_to_form(shown, 38, 0, dispatch));
    EXPECT_EQ(log, "| key40/1 | shortcut46 | shortcut38 | key38/2 | shortcut27 ");
}

struct RepaintCase {
    const char* name;
    PixelRect changed;
    int width, height;
    bool stretch;
    int view_width, view_height;
    double ratio;
    PixelRect area;
};

class RepaintAreaTable : public ::testing::TestWithParam<RepaintCase> {};

TEST_P(RepaintAreaTable, CoversTheChangedPixelsAndOneBeyond) {
    const RepaintCase& row = GetParam();
    EXPECT_EQ(repaint_area(row.changed, row.width, row.height, row.stretch, row.view_width, row.view_height, row.ratio),
              row.area);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, RepaintAreaTable,
    ::testing::Values(RepaintCase{"natural", {10, 20, 5, 6}, 100, 80, false, 0, 0, 1.0, {9, 19, 7, 8}},
                      RepaintCase{
                          "natural_on_a_doubled_screen", {11, 20, 5, 7}, 100, 80, false, 0, 0, 2.0, {4, 9, 5, 6}},
                      RepaintCase{"stretched_twice", {10, 20, 5, 6}, 100, 80, true, 200, 160, 1.0, {19, 39, 12, 14}},
                      RepaintCase{"stretched_to_a_third", {10, 10, 1, 1}, 300, 300, true, 100, 100, 1.0, {2, 2, 3, 3}},
                      RepaintCase{"corner", {0, 0, 1, 1}, 4, 4, true, 4, 4, 1.0, {-1, -1, 3, 3}},
                      RepaintCase{"nothing_changed", {10, 10, 0, 3}, 100, 80, true, 200, 160, 1.0, {}},
                      RepaintCase{"no_picture", {0, 0, 4, 4}, 0, 0, true, 200, 160, 1.0, {}}),
    [](const ::testing::TestParamInfo<RepaintCase>& info) { return std::string(info.param.name); });

Picture blank(int width, int height) {
    return {width, height, std::make_shared<const std::vector<std::uint32_t>>(width * height, 0u)};
}

// A picture drawn into in place repaints its changed part; anything else is shown anew.
TEST(ViewRules, ShowsAPictureAnewOrOnlyWhatChangedInIt) {
    test::HeadlessWindowSystem windows;
    Form form(windows, "form", "form");
    ImageBox box(form, "img", true);
    ShownPicture shown;
    const auto take = [&] {
        const ShownPicture::Update u = shown.take(box);
        const PixelRect& c = u.changed;
        return std::string(u.whole ? "whole" : "part") + (u.icon_changed ? "+icon" : "") + " " +
               std::to_string(c.left) + "," + std::to_string(c.top) + " " + std::to_string(c.width) + "x" +
               std::to_string(c.height);
    };
    EXPECT_EQ(take(), "part 0,0 0x0");
    const Picture first = blank(8, 6);
    box.set_picture(first);
    EXPECT_EQ(take(), "whole 0,0 0x0");
    EXPECT_EQ(shown.picture().pixels, first.pixels);
    box.picture_changed({1, 2, 3, 1});
    box.picture_changed({5, 1, 1, 1});
    EXPECT_EQ(take(), "part 1,1 5x2");
    EXPECT_EQ(take(), "part 0,0 0x0");
    // The same buffer set again: all of it is painted again, in place.
    box.set_picture(first);
    EXPECT_EQ(take(), "part 0,0 8x6");
    box.set_picture(blank(8, 6));
    EXPECT_EQ(take(), "whole 0,0 0x0");
    box.set_resource("sort_up.png");
    EXPECT_EQ(take(), "whole+icon 0,0 0x0");
    box.set_picture({});
    EXPECT_EQ(take(), "whole 0,0 0x0");
    box.set_resource("sort_up.png");
    EXPECT_EQ(take(), "part 0,0 0x0");
    box.set_resource("");
    EXPECT_EQ(take(), "whole+icon 0,0 0x0");
}

struct ThreeLines : ListSource {
    int count() const override { return 3; }
    std::string line(int row) const override { return "line " + std::to_string(row); }
};

// A press on a line is its click even when it is chosen already; the list's own notices while the
// view shows the program's choice, or while a press moves the highlight, choose nothing.
TEST(ViewRules, ListPressesClickAndOnlyTheUsersHighlightChooses) {
    test::HeadlessWindowSystem windows;
    Form form(windows, "form", "form");
    ListBox list(form, "lst");
    ThreeLines lines;
    list.set_source(&lines);
    Control* control = &list;
    std::string log;
    list.on_click = [&] { log += std::to_string(list.list_index()) + " "; };
    ListInput input(control, [&](const std::function<void(Control&)>& handler) {
        if (control != nullptr) handler(*control);
    });

    input.pressed(1);
    input.pressed(1);
    input.pressed(-1);
    input.pressed(3);
    EXPECT_EQ(log, "1 1 ");
    EXPECT_TRUE(input.highlight_moved(2));
    EXPECT_FALSE(input.highlight_moved(-1));
    EXPECT_FALSE(input.highlight_moved(3));
    {
        const ListInput::Quiet showing(input);
        {
            const ListInput::Quiet nested(input);
            EXPECT_FALSE(input.highlight_moved(0));
        }
        EXPECT_TRUE(input.quiet());
        EXPECT_FALSE(input.highlight_moved(0));
    }
    EXPECT_FALSE(input.quiet());
    EXPECT_EQ(log, "1 1 2 ");
    EXPECT_EQ(list.list_index(), 2);
    control = nullptr;
    input.pressed(0);
    EXPECT_FALSE(input.highlight_moved(0));
    EXPECT_EQ(log, "1 1 2 ");
}

// A countdown starts again only when the model asks, and runs only while enabled with an interval.
TEST(ViewRules, RestartsATimersCountdownOnlyWhenAsked) {
    test::HeadlessWindowSystem windows;
    Form form(windows, "form", "form");
    Timer timer(form, "tmr", 250, true);
    int ticks = 0;
    timer.on_timer = [&ticks] { ++ticks; };
    TimerCountdown countdown;
    EXPECT_EQ(countdown.restart(timer), 250);
    EXPECT_EQ(countdown.restart(timer), std::nullopt);
    run_tick(timer);
    timer.set_interval(0);
    EXPECT_EQ(countdown.restart(timer), 0);
    timer.set_interval(100);
    EXPECT_EQ(countdown.restart(timer), 100);
    timer.set_timer_enabled(false);
    EXPECT_EQ(countdown.restart(timer), 0);
    run_tick(timer);
    EXPECT_EQ(ticks, 1);
}

struct OutlineCase {
    bool line;
    int pen;
    Rect bounds;       // twips, at 15 a pixel
    PixelRect pixels;  // the same bounds in pixels, as a view measures them
    PixelRect place;
    int margin;
    bool falls;
};

// A line's ends are its bounds' corners, whichever way they run: its view is turned the right way
// round, a pixel wider and higher so both ends show, with room for a wide pen's round ends.
TEST(ViewRules, PlacesShapesAndLinesTheRightWayRound) {
    const std::vector<OutlineCase> rows = {
        {false, 3, {150, 300, 1500, 750}, {10, 20, 100, 50}, {10, 20, 100, 50}, 0, true},
        {false, 1, {1650, 300, -1500, 750}, {110, 20, -100, 50}, {10, 20, 100, 50}, 0, false},
        {true, 1, {150, 300, 1500, 750}, {10, 20, 100, 50}, {10, 20, 101, 51}, 0, true},
        {true, 5, {150, 1050, 1500, -750}, {10, 70, 100, -50}, {8, 18, 105, 55}, 2, false},
        {true, 4, {1650, 1050, -1500, -750}, {110, 70, -100, -50}, {8, 18, 105, 55}, 2, true},
        {true, 1, {150, 300, 0, 750}, {10, 20, 0, 50}, {10, 20, 1, 51}, 0, true},
    };
    test::HeadlessWindowSystem windows;
    Form form(windows, "form", "form");
    for (const OutlineCase& row : rows) {
        Shape rectangle(form, "shp");
        Line line(form, "lin");
        Shape& shape = row.line ? static_cast<Shape&>(line) : rectangle;
        shape.set_border_width(row.pen);
        shape.set_bounds(row.bounds);
        EXPECT_EQ(outline_place(shape, row.pixels), row.place) << row.pixels.left << "," << row.pixels.width;
        EXPECT_EQ(outline_margin(shape), row.margin);
        EXPECT_EQ(line_falls(shape), row.falls);
    }
}

// The program's window state is applied as the window shows and when the program changes it, so
// a window the user minimised stays so; it is placed once, and raised unless minimised.
TEST(ViewRules, AppliesAWindowsStateWhenItShowsOrTheProgramChangesIt) {
    test::HeadlessWindowSystem windows;
    Form form(windows, "form", "form");
    WindowPresence presence;
    std::string log;
    const auto render = [&](bool showing) {
        if (const std::optional<WindowState> state = presence.state_due(form, showing))
            log += "state" + std::to_string(static_cast<int>(*state)) + " ";
        if (presence.first_showing(showing)) log += "place ";
        if (presence.raise_due(form)) log += "raise ";
        log += "| ";
    };
    render(false);
    form.show();
    render(true);
    form.set_caption("changed");
    render(false);
    form.set_window_state(WindowState::minimised);
    form.activate();
    render(false);
    form.set_window_state(WindowState::normal);
    render(false);
    form.hide();
    form.show();
    render(true);
    EXPECT_EQ(log, "| state0 place raise | | state1 | state0 | state0 raise | ");

    EXPECT_FALSE(covers_screen(form));
    form.set_window_state(WindowState::maximised);
    EXPECT_FALSE(covers_screen(form));
    form.set_border_style(BorderStyle::none);
    EXPECT_TRUE(covers_screen(form));
}

// A view as the roster sees it: its control, and what it did.
struct RosterView {
    Control* shown;
    std::string name;
    std::string* log;
    Control* control() const { return shown; }
    void sync() { *log += "sync:" + name + " "; }
};

// Views follow the controls: a gone control's view goes, new controls get views in the form's
// order, and every view renders.
TEST(ViewRules, ViewsFollowTheFormsControlsInOrder) {
    test::HeadlessWindowSystem windows;
    Form form(windows, "form", "form");
    std::string log;
    std::vector<std::unique_ptr<RosterView>> views;
    const auto follow = [&] {
        follow_controls(
            views, form.controls(),
            [&log](Control& c) {
                log += "make:" + c.name() + " ";
                return std::make_unique<RosterView>(RosterView{&c, c.name(), &log});
            },
            [&log](const std::unique_ptr<RosterView>& v) { log += "let go:" + v->name + " "; });
        log += "| ";
    };
    auto first = std::make_unique<Label>(form, "a");
    Label second(form, "b");
    follow();
    follow();
    first.reset();
    Label third(form, "c");
    follow();
    EXPECT_EQ(log, "make:a make:b sync:a sync:b | sync:a sync:b | let go:a make:c sync:b sync:c | ");
}

}  // namespace
}  // namespace vis
