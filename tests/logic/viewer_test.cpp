// The full-screen viewer: display, stepping by key, deleting, and the overlay texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "catalogue/info_text.h"
#include "catalogue/list_line.h"
#include "services/paths.h"
#include "ui/keys.h"
#include "viewer/overlay_text.h"
#include "viewer_fixture.h"

namespace vis {
namespace {

using test::App;
using test::shot_width;
using test::start_with_shots;

constexpr int kTwips = 15;
const std::string kNoticeHeading = "■ ＥＲＲＯＲ ■\r\n";

int row_of_width(const test::ViewerSurface& v) {
    return (v.picture_width() - 100) / 10;
}

TEST(ViewerTexts, CounterBarAndBlanks) {
    EXPECT_EQ(counter_text(1, 100), "1/100 (･･････････)");
    EXPECT_EQ(counter_text(3, 12), "3/12 (||････････)");
    EXPECT_EQ(counter_text(5, 10), "5/10 (|||||･････)");
    EXPECT_EQ(counter_text(1, 1), "1/1 (||||||||||)");
    EXPECT_EQ(counter_text(100, 100), "100/100 (||||||||||)");
    EXPECT_EQ(counter_text(9999, 10000), "9999/10000 (|||||||||･)");
    // Eighteen characters, whatever their byte length.
    EXPECT_EQ(blanks_for("1/100 (･･････････)"), std::string(18, ' '));
    EXPECT_EQ(blanks_for(""), "");
    EXPECT_EQ(name_and_date_text({"PelmarOnline_2006115_01715.jpg", 300000, 20061105010715}),
              "ファイル名：PelmarOnline_2006115_01715.jpg\r\n保存日時　：2006/11/05 01:07:15");
}

TEST(ViewerDisplay, OpensOverTheMainWindowWithItsLabels) {
    App app;
    start_with_shots(app, 5);
    test::MainSurface m = app.main();
    m.double_click_preview();
    ASSERT_TRUE(m.viewer_open());
    test::ViewerSurface v = m.viewer();
    const ScreenInfo screen = app.plat.windows.screen();

    EXPECT_TRUE(v.shown());
    EXPECT_EQ(v.window().window_state(), WindowState::maximised);
    EXPECT_EQ(v.window().border_style(), BorderStyle::none);
    EXPECT_EQ(m.state(), WindowState::minimised);
    // The very picture of the preview, at natural size in the top-left corner.
    EXPECT_EQ(v.picture().pixels, m.preview().pixels);
    EXPECT_FALSE(v.picture_stretched());
    EXPECT_EQ(v.picture_box(), (Rect{0, 0, shot_width(0) * kTwips, 60 * kTwips}));

    EXPECT_TRUE(v.information_shown());
    EXPECT_EQ(v.information(), test::name_and_date_of(m.line_at(0)));
    EXPECT_EQ(v.information_box().top, screen.height_twips / 3);
    EXPECT_EQ(v.information_box().left, (screen.width_twips - v.information_box().width) / 2);
    const TextSize info_size = app.plat.text.measure(v.information(), v.information_font());
    EXPECT_EQ(v.information_box().width, info_size.width);

    EXPECT_EQ(v.counter(), "1/5 (||････････)");
    EXPECT_TRUE(v.counter_opaque());
    EXPECT_EQ(v.counter_box().top, 0);
    EXPECT_EQ(v.counter_box().left + v.counter_box().width, v.picture_box().width);

    EXPECT_FALSE(v.notice_shown());
    EXPECT_EQ(v.notice(), "次の画像はありません");

    EXPECT_EQ(v.fade_due(), 2000);

    v.double_click();
    EXPECT_FALSE(v.shown());
    EXPECT_EQ(m.state(), WindowState::normal);
    // Opening again reuses the same window.
    test::ViewerSurface again = m.view(3);
    EXPECT_EQ(&again.window(), &v.window());
    EXPECT_EQ(v.counter(), "4/5 (||||||||･･)");
    EXPECT_EQ(row_of_width(v), 3);
}

TEST(ViewerDisplay, DoesNotOpenWithoutASelectedLine) {
    App app;
    start_with_shots(app, 0);
    test::MainSurface m = app.main();
    m.double_click_preview();
    m.double_click_list();
    EXPECT_FALSE(m.viewer_open());
    EXPECT_EQ(m.state(), WindowState::normal);
}

TEST(ViewerDisplay, InformationLabelFollowsTheCheckMarkNotTheStartUpFlag) {
    App app;
    start_with_shots(app, 3, "0");
    test::MainSurface m = app.main();
    test::ViewerSurface v = m.view(0);
    EXPECT_FALSE(v.information_shown());
    v.press(key::kRight);
    EXPECT_FALSE(v.information_shown());
    EXPECT_EQ(v.information(), test::name_and_date_of(m.line_at(1)));
}

TEST(ViewerDisplay, HighDpiScreenShowsOneImagePixelPerDevicePixel) {
    App app;
    ScreenInfo screen;
    screen.device_pixel_ratio = 2.0;
    app.plat.windows.set_screen(screen);
    start_with_shots(app, 2);
    test::MainSurface m = app.main();
    test::ViewerSurface v = m.view(1);
    EXPECT_EQ(v.picture_box().width, shot_width(1) * kTwips / 2);
    EXPECT_EQ(v.picture_box().height, 60 * kTwips / 2);
    EXPECT_EQ(v.counter_box().left + v.counter_box().width, v.picture_box().width);
}

TEST(ViewerDisplay, ReversedListCountsTheNewestFirst) {
    App app;
    start_with_shots(app, 4);
    test::MainSurface m = app.main();
    m.switch_order();
    test::ViewerSurface v = m.view(0);
    EXPECT_EQ(v.counter(), "1/4 (||････････)");
    EXPECT_EQ(row_of_width(v), 3);
}

TEST(ViewerKeys, ArrowsStepAndStopAtBothEndsOfEitherList) {
    for (const bool reversed : {false, true}) {
        SCOPED_TRACE(reversed ? "file_sort" : "file_lst");
        App app;
        start_with_shots(app, 3);
        test::MainSurface m = app.main();
        if (reversed) m.switch_order();
        test::ViewerSurface v = m.view(0);
        const int first = row_of_width(v);

        v.press(key::kLeft);
        EXPECT_TRUE(v.notice_shown());
        EXPECT_EQ(v.notice(), kNoticeHeading + "前の画像はありません");
        EXPECT_EQ(v.notice_box().top, app.plat.windows.screen().height_twips / 3);
        EXPECT_EQ(v.notice_box().left, (app.plat.windows.screen().width_twips - v.notice_box().width) / 2);
        EXPECT_EQ(m.chosen(), 0);
        EXPECT_EQ(v.counter(), "1/3 (|||･･･････)");
        EXPECT_EQ(row_of_width(v), first);

        // A step hides the notice at once.
        v.press(key::kRight);
        EXPECT_FALSE(v.notice_shown());
        EXPECT_EQ(m.chosen(), 1);
        EXPECT_EQ(v.counter(), "2/3 (||||||････)");
        EXPECT_EQ(v.picture().pixels, m.preview().pixels);
        EXPECT_EQ(m.panel().find("ファイル名：" + line_name(m.line_at(1))), 0u);

        v.press(key::kRight, shift::kShift);
        v.press(key::kRight, shift::kCtrl);
        EXPECT_EQ(m.chosen(), 2);
        EXPECT_EQ(v.notice(), kNoticeHeading + "次の画像はありません");
        EXPECT_TRUE(v.notice_shown());
        EXPECT_EQ(v.counter(), "3/3 (||||||||||)");
        EXPECT_EQ(row_of_width(v), reversed ? 0 : 2);

        v.press(key::kLeft, shift::kShift | shift::kCtrl | shift::kAlt);
        EXPECT_EQ(m.chosen(), 1);
        // Other keys do nothing.
        v.press(key::kUp);
        v.press('A');
        EXPECT_EQ(m.chosen(), 1);
        EXPECT_TRUE(app.plat.prompts.all_answered());
    }
}

TEST(ViewerKeys, ANoticeRestartsTheFadeWithoutTouchingTheCounter) {
    App app;
    start_with_shots(app, 2);
    test::MainSurface m = app.main();
    test::ViewerSurface v = m.view(1);
    app.plat.windows.advance(1500);
    v.press(key::kRight);
    // The counter is still shown as it was, not refreshed by the notice.
    EXPECT_EQ(v.counter(), "2/2 (||||||||||)");
    EXPECT_TRUE(v.counter_opaque());
    app.plat.windows.advance(1999);
    EXPECT_TRUE(v.notice_shown());
    EXPECT_EQ(v.counter(), "2/2 (||||||||||)");
    app.plat.windows.advance(1);
    EXPECT_FALSE(v.notice_shown());
    // Both fade together; the pointer brings the counter back.
    EXPECT_EQ(v.counter(), std::string(16, ' '));
    v.move_over_counter(0, 0);
    EXPECT_EQ(v.counter(), "2/2 (||||||||||)");
}

TEST(ViewerKeys, F1ChangesTheMusicOnlyWhileItIsOn) {
    App app;
    start_with_shots(app, 2);
    test::MainSurface m = app.main();
    test::ViewerSurface v = m.view(0);
    const auto before = app.plat.media.commands.size();
    v.press(key::kF1);
    EXPECT_EQ(app.plat.media.commands.size(), before);

    m.choose_menu(test::entry::kMusic);
    app.plat.windows.advance(500);  // the music starts
    const auto playing = app.plat.media.commands.size();
    const std::string first = m.window().music().track();
    app.plat.random.values.push_back(0.5);  // the fifth track
    v.press(key::kF1);
    const std::string next =
        join_path(join_path(join_path(app.folders.game, "Data"), "Sound"), "S_BGM_PlainField_conquest.mp3");
    EXPECT_EQ(std::vector<std::string>(app.plat.media.commands.begin() + static_cast<long>(playing),
                                       app.plat.media.commands.end()),
              (std::vector<std::string>{"close \"" + first + "\"", "open \"" + next + "\"", "play \"" + next + "\""}));
    EXPECT_EQ(m.window().music().track(), next);
}

// The folder watch drops the shown screenshot A and selects the one that followed, B (or the new
// last): the viewer shows B, so Right goes to the one after B and Delete removes B, the screenshot
// on the screen.
TEST(ViewerFollowsTheSelection, TheShownScreenshotRemovedFromOutsideGivesWayOnTheScreen) {
    constexpr int kShots = 6;
    for (const bool newest_first : {false, true})
        for (const int row : {0, 2, kShots - 1}) {
            SCOPED_TRACE(std::string(newest_first ? "newest first, row " : "oldest first, row ") + std::to_string(row));
            App app;
            start_with_shots(app, kShots);
            test::MainSurface m = app.main();
            if (newest_first) m.switch_order();
            std::vector<std::string> lines = m.lines();
            test::ViewerSurface v = m.view(row);
            const std::string gone = line_name(lines[row]);
            std::filesystem::remove(to_fs_path(join_path(app.folders.shots, gone)));
            app.plat.folder_watch.report({gone});
            app.plat.windows.advance(1000);
            lines.erase(lines.begin() + row);
            const int left = kShots - 1;
            const auto shows = [&](int at) {
                EXPECT_EQ(m.chosen(), at);
                EXPECT_EQ(test::shot_name(row_of_width(v)), line_name(lines[at]));
                EXPECT_EQ(v.information(), test::name_and_date_of(lines[at]));
                EXPECT_EQ(v.counter(), counter_text(at + 1, left));
            };
            const int b = std::min(row, left - 1);
            ASSERT_TRUE(v.shown());
            shows(b);

            v.press(key::kRight);
            if (b + 1 < left) {
                shows(b + 1);
                v.press(key::kLeft);
            } else {
                EXPECT_EQ(v.notice(), kNoticeHeading + "次の画像はありません");
            }
            shows(b);

            app.plat.prompts.answer_message(MsgResult::yes);
            v.press(key::kDelete);
            EXPECT_EQ(app.plat.prompts.asked().back().box.text,
                      "ＳＳ [" + line_name(lines[b]) + "]を削除しますか？\r\n削除をすると元には戻せません。");
            EXPECT_FALSE(std::filesystem::exists(to_fs_path(join_path(app.folders.shots, line_name(lines[b])))));
            EXPECT_EQ(m.listed(), left - 1);
        }
}

// Deleted from the viewer, the screenshot gives way to the line that followed it, or to the new
// last: the viewer, the panel and the listing all show that one.
TEST(ViewerDelete, TheLineThatFollowsOrTheNewLastTakesThePlace) {
    const struct {
        const char* what;
        int shots, row;
        bool reversed;
        int chosen, shown;  // the row chosen after, and the screenshot the viewer shows
        const char* counter;
    } cases[] = {
        {"second of five leaves the former third", 5, 1, false, 1, 2, "2/4 (|||||･････)"},
        {"second of five newest first leaves the former third", 5, 1, true, 1, 2, "2/4 (|||||･････)"},
        {"the last of four leaves the new last", 4, 3, false, 2, 2, "3/3 (||||||||||)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        App app;
        start_with_shots(app, c.shots);
        test::MainSurface m = app.main();
        if (c.reversed) m.switch_order();
        const std::vector<std::string> lines = m.lines();
        test::ViewerSurface v = m.view(c.row);
        const std::string name = line_name(lines[c.row]);

        app.plat.prompts.answer_message(MsgResult::yes);
        v.press(key::kDelete);
        // Asked over the viewer, which the user is looking at.
        EXPECT_EQ(app.plat.prompts.asked().back().box.owner, &v.window());
        EXPECT_FALSE(std::filesystem::exists(to_fs_path(join_path(app.folders.shots, name))));
        const int left = c.shots - 1;
        EXPECT_EQ(m.count(), left);
        EXPECT_EQ(m.listed(), left);
        EXPECT_EQ(m.chosen(), c.chosen);
        EXPECT_EQ(v.counter(), c.counter);
        EXPECT_EQ(v.information(), test::name_and_date_of(m.line_at(c.chosen)));
        EXPECT_EQ(row_of_width(v), c.shown);
        EXPECT_EQ(v.picture().pixels, m.preview().pixels);
        EXPECT_NE(m.panel().find("(" + std::to_string(c.chosen + 1) + "/" + std::to_string(left) + ")"),
                  std::string::npos);
        EXPECT_TRUE(m.enabled(test::entry::kSave));
    }
}

TEST(ViewerDelete, ALineThatCannotBeDecodedTakesTheDeletedOnesPlaceAsNoPicture) {
    App app;
    start_with_shots(app, 6);
    test::MainSurface m = app.main();
    test::write_file(join_path(app.folders.shots, test::shot_name(2)), "not a picture");
    test::ViewerSurface v = m.view(1);
    app.plat.prompts.answer_message(MsgResult::yes);
    v.press(key::kDelete);
    // The former third line, now second of five: described, but no picture of the deleted one.
    EXPECT_EQ(m.chosen(), 1);
    EXPECT_TRUE(m.preview().empty());
    EXPECT_TRUE(v.picture().empty());
    EXPECT_EQ(v.counter(), "2/5 (||||･･････)");
    EXPECT_TRUE(v.notice_shown());
    EXPECT_EQ(v.notice(), kNoticeHeading + "この画像は表示できません");
    EXPECT_EQ(m.panel().find("ファイル名：" + test::shot_name(2)), 0u);
    EXPECT_NE(m.panel().find("(2/5)"), std::string::npos);
    // Nothing of the deleted picture reaches the clipboard.
    EXPECT_FALSE(m.enabled(test::entry::kClipboard));
    app.plat.prompts.answer_popup("mClipboard_F");
    v.press_on_picture(button::kRight, 0, 0);
    EXPECT_TRUE(app.plat.clipboard.pictures.empty());
}

TEST(ViewerDelete, TheOnlyScreenshotLeavesEmptyListsAndQuietKeys) {
    App app;
    start_with_shots(app, 1);
    test::MainSurface m = app.main();
    test::ViewerSurface v = m.view(0);
    const auto shown = v.picture().pixels;
    app.plat.prompts.answer_message(MsgResult::yes);
    v.press(key::kDelete);
    EXPECT_EQ(m.count(), 0);
    EXPECT_TRUE(m.newest_first().empty());
    EXPECT_FALSE(m.enabled(test::entry::kSave));
    EXPECT_FALSE(m.enabled(test::entry::kClipboard));
    EXPECT_TRUE(v.shown());
    EXPECT_EQ(v.picture().pixels, shown);

    // Nothing left to step through or delete: no notice, no question.
    v.press(key::kRight);
    v.press(key::kLeft);
    v.press(key::kDelete);
    EXPECT_FALSE(v.notice_shown());
    EXPECT_EQ(app.plat.prompts.asked().size(), 1u);
    // The pop-up entries stay harmless.
    m.choose_menu("フルスクリーンメニュー/保存");
    m.choose_menu("フルスクリーンメニュー/画像情報");
    EXPECT_EQ(app.plat.prompts.asked().size(), 1u);
    v.double_click();
    EXPECT_FALSE(v.shown());
    EXPECT_EQ(m.state(), WindowState::normal);
}

TEST(ViewerDelete, AFileThatCannotBeDeletedKeepsItsLine) {
    App app;
    start_with_shots(app, 3);
    test::MainSurface m = app.main();
    const std::string path = join_path(app.folders.shots, test::shot_name(1));
    test::ViewerSurface v = m.view(1);
    // A non-empty folder in the file's place cannot be removed, not even by root.
    std::filesystem::remove(to_fs_path(path));
    std::filesystem::create_directories(to_fs_path(join_path(path, "inner")));
    app.plat.prompts.answer_message(MsgResult::yes);
    app.plat.prompts.answer_message(MsgResult::ok);
    v.press(key::kDelete);
    EXPECT_NE(app.plat.prompts.asked().back().box.text.find("削除できませんでした"), std::string::npos);
    // Shown above the viewer, which the user is looking at, not the minimised main window.
    EXPECT_EQ(app.plat.prompts.asked().back().box.owner, &v.window());
    EXPECT_EQ(v.counter(), "2/3 (||||||････)");
    EXPECT_TRUE(app.plat.prompts.all_answered());
}

}  // namespace
}  // namespace vis
