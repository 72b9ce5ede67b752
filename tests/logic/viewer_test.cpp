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
using test::open_viewer_at;
using test::press_key;
using test::shot_width;
using test::start_with_shots;

constexpr int kTwips = 15;
const std::string kNoticeHeading = "■ ＥＲＲＯＲ ■\r\n";

int row_of_width(const ViewerWindow& v) {
    return (v.img_view.picture().width - 100) / 10;
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
    EXPECT_EQ(name_and_date_text("2006/11/05 01:07:15 │ PelmarOnline_2006115_01715.jpg"),
              "ファイル名：PelmarOnline_2006115_01715.jpg\r\n保存日時　：2006/11/05 01:07:15");
}

TEST(ViewerDisplay, OpensOverTheMainWindowWithItsLabels) {
    App app;
    MainWindow& f = start_with_shots(app, 5);
    test::dbl_click(f.img_pre);
    ASSERT_TRUE((test::loaded<ViewerWindow>(f) != nullptr));
    ViewerWindow& v = test::win<ViewerWindow>(f);
    const ScreenInfo screen = app.plat.windows.screen();

    EXPECT_TRUE(v.visible());
    EXPECT_EQ(v.window_state(), WindowState::maximised);
    EXPECT_EQ(v.border_style(), BorderStyle::none);
    EXPECT_EQ(f.window_state(), WindowState::minimised);
    // The very picture of the preview, at natural size in the top-left corner.
    EXPECT_EQ(v.img_view.picture().pixels, f.img_pre.picture().pixels);
    EXPECT_FALSE(v.img_view.stretch());
    EXPECT_EQ(v.img_view.bounds(), (Rect{0, 0, shot_width(0) * kTwips, 60 * kTwips}));

    EXPECT_TRUE(v.lbl_info.visible());
    EXPECT_EQ(v.lbl_info.caption(), name_and_date_text(f.file_lst.item(0)));
    EXPECT_EQ(v.lbl_info.top(), screen.height_twips / 3);
    EXPECT_EQ(v.lbl_info.left(), (screen.width_twips - v.lbl_info.width()) / 2);
    const TextSize info_size = app.plat.text.measure(v.lbl_info.caption(), v.lbl_info.font());
    EXPECT_EQ(v.lbl_info.width(), info_size.width);

    EXPECT_EQ(v.lbl_cnt.caption(), "1/5 (||････････)");
    EXPECT_TRUE(v.lbl_cnt.opaque());
    EXPECT_EQ(v.lbl_cnt.top(), 0);
    EXPECT_EQ(v.lbl_cnt.left() + v.lbl_cnt.width(), v.img_view.width());

    EXPECT_FALSE(v.lbl_err.visible());
    EXPECT_EQ(v.lbl_err.caption(), "次の画像はありません");

    EXPECT_TRUE(v.tmr_fade.timer_enabled());
    EXPECT_EQ(v.tmr_fade.interval(), 2000);

    test::dbl_click(v.img_view);
    EXPECT_FALSE(v.visible());
    EXPECT_EQ(f.window_state(), WindowState::normal);
    // Opening again reuses the same window.
    ViewerWindow& again = open_viewer_at(f, 3);
    EXPECT_EQ(&again, &v);
    EXPECT_EQ(v.lbl_cnt.caption(), "4/5 (||||||||･･)");
    EXPECT_EQ(row_of_width(v), 3);
}

TEST(ViewerDisplay, DoesNotOpenWithoutASelectedLine) {
    App app;
    MainWindow& f = start_with_shots(app, 0);
    test::dbl_click(f.img_pre);
    test::dbl_click(f.file_lst);
    EXPECT_FALSE((test::loaded<ViewerWindow>(f) != nullptr) && test::win<ViewerWindow>(f).visible());
    EXPECT_EQ(f.window_state(), WindowState::normal);
}

TEST(ViewerDisplay, InformationLabelFollowsTheCheckMarkNotTheStartUpFlag) {
    App app;
    MainWindow& f = start_with_shots(app, 3, "0");
    ViewerWindow& v = open_viewer_at(f, 0);
    EXPECT_FALSE(v.lbl_info.visible());
    press_key(v, key::kRight);
    EXPECT_FALSE(v.lbl_info.visible());
    EXPECT_EQ(v.lbl_info.caption(), name_and_date_text(f.file_lst.item(1)));
}

TEST(ViewerDisplay, HighDpiScreenShowsOneImagePixelPerDevicePixel) {
    App app;
    ScreenInfo screen;
    screen.device_pixel_ratio = 2.0;
    app.plat.windows.set_screen(screen);
    MainWindow& f = start_with_shots(app, 2);
    ViewerWindow& v = open_viewer_at(f, 1);
    EXPECT_EQ(v.img_view.width(), shot_width(1) * kTwips / 2);
    EXPECT_EQ(v.img_view.height(), 60 * kTwips / 2);
    EXPECT_EQ(v.lbl_cnt.left() + v.lbl_cnt.width(), v.img_view.width());
}

TEST(ViewerDisplay, ReversedListCountsTheNewestFirst) {
    App app;
    MainWindow& f = start_with_shots(app, 4);
    test::click(f.img_sort_up);
    ViewerWindow& v = open_viewer_at(f, 0);
    EXPECT_EQ(v.lbl_cnt.caption(), "1/4 (||････････)");
    EXPECT_EQ(row_of_width(v), 3);
}

TEST(ViewerKeys, ArrowsStepAndStopAtBothEndsOfEitherList) {
    for (const bool reversed : {false, true}) {
        SCOPED_TRACE(reversed ? "file_sort" : "file_lst");
        App app;
        MainWindow& f = start_with_shots(app, 3);
        if (reversed) test::click(f.img_sort_up);
        ListBox& list = f.lists().in_use();
        ViewerWindow& v = open_viewer_at(f, 0);
        const int first = row_of_width(v);

        press_key(v, key::kLeft);
        EXPECT_TRUE(v.lbl_err.visible());
        EXPECT_EQ(v.lbl_err.caption(), kNoticeHeading + "前の画像はありません");
        EXPECT_EQ(v.lbl_err.top(), app.plat.windows.screen().height_twips / 3);
        EXPECT_EQ(v.lbl_err.left(), (app.plat.windows.screen().width_twips - v.lbl_err.width()) / 2);
        EXPECT_EQ(list.list_index(), 0);
        EXPECT_EQ(v.lbl_cnt.caption(), "1/3 (|||･･･････)");
        EXPECT_EQ(row_of_width(v), first);

        // A step hides the notice at once.
        press_key(v, key::kRight);
        EXPECT_FALSE(v.lbl_err.visible());
        EXPECT_EQ(list.list_index(), 1);
        EXPECT_EQ(v.lbl_cnt.caption(), "2/3 (||||||････)");
        EXPECT_EQ(v.img_view.picture().pixels, f.img_pre.picture().pixels);
        EXPECT_EQ(f.lbl_alt.caption().find("ファイル名：" + line_name(list.item(1))), 0u);

        press_key(v, key::kRight, shift::kShift);
        press_key(v, key::kRight, shift::kCtrl);
        EXPECT_EQ(list.list_index(), 2);
        EXPECT_EQ(v.lbl_err.caption(), kNoticeHeading + "次の画像はありません");
        EXPECT_TRUE(v.lbl_err.visible());
        EXPECT_EQ(v.lbl_cnt.caption(), "3/3 (||||||||||)");
        EXPECT_EQ(row_of_width(v), reversed ? 0 : 2);

        press_key(v, key::kLeft, shift::kShift | shift::kCtrl | shift::kAlt);
        EXPECT_EQ(list.list_index(), 1);
        // Other keys do nothing.
        press_key(v, key::kUp);
        press_key(v, 'A');
        EXPECT_EQ(list.list_index(), 1);
        EXPECT_TRUE(app.plat.prompts.all_answered());
    }
}

TEST(ViewerKeys, ANoticeRestartsTheFadeWithoutTouchingTheCounter) {
    App app;
    MainWindow& f = start_with_shots(app, 2);
    ViewerWindow& v = open_viewer_at(f, 1);
    app.plat.windows.advance(1500);
    press_key(v, key::kRight);
    // The counter is still shown as it was, not refreshed by the notice.
    EXPECT_EQ(v.lbl_cnt.caption(), "2/2 (||||||||||)");
    EXPECT_TRUE(v.lbl_cnt.opaque());
    app.plat.windows.advance(1999);
    EXPECT_TRUE(v.lbl_err.visible());
    EXPECT_EQ(v.lbl_cnt.caption(), "2/2 (||||||||||)");
    app.plat.windows.advance(1);
    EXPECT_FALSE(v.lbl_err.visible());
    // Both fade together; the pointer brings the counter back.
    EXPECT_EQ(v.lbl_cnt.caption(), std::string(16, ' '));
    test::mouse_move(v.lbl_cnt, 0, 0);
    EXPECT_EQ(v.lbl_cnt.caption(), "2/2 (||||||||||)");
}

TEST(ViewerKeys, F1ChangesTheMusicOnlyWhileItIsOn) {
    App app;
    MainWindow& f = start_with_shots(app, 2);
    ViewerWindow& v = open_viewer_at(f, 0);
    const auto before = app.plat.media.commands.size();
    press_key(v, key::kF1);
    EXPECT_EQ(app.plat.media.commands.size(), before);

    test::click_menu(f.mBGMPlay);
    app.plat.windows.advance(500);  // the music starts
    const auto playing = app.plat.media.commands.size();
    const std::string first = f.music().track();
    app.plat.random.values.push_back(0.5);  // the fifth track
    press_key(v, key::kF1);
    const std::string next =
        join_path(join_path(join_path(app.folders.game, "Data"), "Sound"), "S_BGM_PlainField_conquest.mp3");
    EXPECT_EQ(std::vector<std::string>(app.plat.media.commands.begin() + static_cast<long>(playing),
                                       app.plat.media.commands.end()),
              (std::vector<std::string>{"close \"" + first + "\"", "open \"" + next + "\"", "play \"" + next + "\""}));
    EXPECT_EQ(f.music().track(), next);
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
            MainWindow& f = start_with_shots(app, kShots);
            if (newest_first) test::click(f.img_sort_up);
            ListBox& list = f.lists().in_use();
            std::vector<std::string> lines = list.items();
            ViewerWindow& v = open_viewer_at(f, row);
            const std::string gone = line_name(lines[row]);
            std::filesystem::remove(to_fs_path(join_path(app.folders.shots, gone)));
            app.plat.folder_watch.report({gone});
            app.plat.windows.advance(1000);
            lines.erase(lines.begin() + row);
            const int left = kShots - 1;
            const auto shows = [&](int at) {
                EXPECT_EQ(list.list_index(), at);
                EXPECT_EQ(test::shot_name(row_of_width(v)), line_name(lines[at]));
                EXPECT_EQ(v.lbl_info.caption(), name_and_date_text(lines[at]));
                EXPECT_EQ(v.lbl_cnt.caption(), counter_text(at + 1, left));
            };
            const int b = std::min(row, left - 1);
            ASSERT_TRUE(v.visible());
            shows(b);

            press_key(v, key::kRight);
            if (b + 1 < left) {
                shows(b + 1);
                press_key(v, key::kLeft);
            } else {
                EXPECT_EQ(v.lbl_err.caption(), kNoticeHeading + "次の画像はありません");
            }
            shows(b);

            app.plat.prompts.answer_message(MsgResult::yes);
            press_key(v, key::kDelete);
            EXPECT_EQ(app.plat.prompts.asked().back().box.text,
                      "ＳＳ [" + line_name(lines[b]) + "]を削除しますか？\r\n削除をすると元には戻せません。");
            EXPECT_FALSE(std::filesystem::exists(to_fs_path(join_path(app.folders.shots, line_name(lines[b])))));
            EXPECT_EQ(f.file_path.count(), left - 1);
        }
}

TEST(ViewerDelete, SecondOfFiveLeavesTheFormerThirdAsTwoOfFour) {
    for (const bool reversed : {false, true}) {
        SCOPED_TRACE(reversed ? "file_sort" : "file_lst");
        App app;
        MainWindow& f = start_with_shots(app, 5);
        if (reversed) test::click(f.img_sort_up);
        ListBox& list = f.lists().in_use();
        const std::vector<std::string> lines = list.items();
        ViewerWindow& v = open_viewer_at(f, 1);
        const std::string name = line_name(lines[1]);

        app.plat.prompts.answer_message(MsgResult::yes);
        press_key(v, key::kDelete);
        // Asked over the viewer, which the user is looking at.
        EXPECT_EQ(app.plat.prompts.asked().back().box.owner, &v);
        EXPECT_FALSE(std::filesystem::exists(to_fs_path(join_path(app.folders.shots, name))));
        EXPECT_EQ(list.list_index(), 1);
        EXPECT_EQ(v.lbl_cnt.caption(), "2/4 (|||||･････)");
        EXPECT_EQ(v.lbl_info.caption(), name_and_date_text(lines[2]));
        EXPECT_EQ(row_of_width(v), 2);  // the former third in either order
        EXPECT_NE(f.lbl_alt.caption().find("(2/4)"), std::string::npos);
        EXPECT_EQ(f.file_path.count(), 4);
        EXPECT_TRUE(f.mSave.enabled());
    }
}

TEST(ViewerDelete, ALineThatCannotBeDecodedTakesTheDeletedOnesPlaceAsNoPicture) {
    App app;
    MainWindow& f = start_with_shots(app, 6);
    test::write_file(join_path(app.folders.shots, test::shot_name(2)), "not a picture");
    ViewerWindow& v = open_viewer_at(f, 1);
    app.plat.prompts.answer_message(MsgResult::yes);
    press_key(v, key::kDelete);
    // The former third line, now second of five: described, but no picture of the deleted one.
    EXPECT_EQ(f.file_lst.list_index(), 1);
    EXPECT_TRUE(f.img_pre.picture().empty());
    EXPECT_TRUE(v.img_view.picture().empty());
    EXPECT_EQ(v.lbl_cnt.caption(), "2/5 (||||･･････)");
    EXPECT_TRUE(v.lbl_err.visible());
    EXPECT_EQ(v.lbl_err.caption(), kNoticeHeading + "この画像は表示できません");
    EXPECT_EQ(f.lbl_alt.caption().find("ファイル名：" + test::shot_name(2)), 0u);
    EXPECT_NE(f.lbl_alt.caption().find("(2/5)"), std::string::npos);
    // Nothing of the deleted picture reaches the clipboard.
    EXPECT_FALSE(f.mClipboard.enabled());
    app.plat.prompts.answer_popup("mClipboard_F");
    test::mouse_down(v.img_view, button::kRight, 0, 0);
    EXPECT_TRUE(app.plat.clipboard.pictures.empty());
}

TEST(ViewerDelete, TheLastLineOfALongerListLeavesTheNewLast) {
    App app;
    MainWindow& f = start_with_shots(app, 4);
    ViewerWindow& v = open_viewer_at(f, 3);
    app.plat.prompts.answer_message(MsgResult::yes);
    press_key(v, key::kDelete);
    EXPECT_EQ(f.file_lst.count(), 3);
    EXPECT_EQ(f.file_lst.list_index(), 2);
    EXPECT_EQ(v.lbl_cnt.caption(), "3/3 (||||||||||)");
    EXPECT_EQ(row_of_width(v), 2);
    EXPECT_EQ(f.img_pre.picture().pixels, v.img_view.picture().pixels);
}

TEST(ViewerDelete, TheOnlyScreenshotLeavesEmptyListsAndQuietKeys) {
    App app;
    MainWindow& f = start_with_shots(app, 1);
    ViewerWindow& v = open_viewer_at(f, 0);
    const auto shown = v.img_view.picture().pixels;
    app.plat.prompts.answer_message(MsgResult::yes);
    press_key(v, key::kDelete);
    EXPECT_EQ(f.file_lst.count(), 0);
    EXPECT_EQ(f.file_sort.count(), 0);
    EXPECT_FALSE(f.mSave.enabled());
    EXPECT_FALSE(f.mClipboard.enabled());
    EXPECT_TRUE(v.visible());
    EXPECT_EQ(v.img_view.picture().pixels, shown);

    // Nothing left to step through or delete: no notice, no question.
    press_key(v, key::kRight);
    press_key(v, key::kLeft);
    press_key(v, key::kDelete);
    EXPECT_FALSE(v.lbl_err.visible());
    EXPECT_EQ(app.plat.prompts.asked().size(), 1u);
    // The pop-up entries stay harmless.
    test::click_menu(f.mSave_F);
    test::click_menu(f.mInfo_F);
    EXPECT_EQ(app.plat.prompts.asked().size(), 1u);
    test::dbl_click(v.img_view);
    EXPECT_FALSE(v.visible());
    EXPECT_EQ(f.window_state(), WindowState::normal);
}

TEST(ViewerDelete, AFileThatCannotBeDeletedKeepsItsLine) {
    App app;
    MainWindow& f = start_with_shots(app, 3);
    const std::string path = join_path(app.folders.shots, test::shot_name(1));
    ViewerWindow& v = open_viewer_at(f, 1);
    // A non-empty folder in the file's place cannot be removed, not even by root.
    std::filesystem::remove(to_fs_path(path));
    std::filesystem::create_directories(to_fs_path(join_path(path, "inner")));
    app.plat.prompts.answer_message(MsgResult::yes);
    app.plat.prompts.answer_message(MsgResult::ok);
    press_key(v, key::kDelete);
    EXPECT_NE(app.plat.prompts.asked().back().box.text.find("削除できませんでした"), std::string::npos);
    // Shown above the viewer, which the user is looking at, not the minimised main window.
    EXPECT_EQ(app.plat.prompts.asked().back().box.owner, &v);
    EXPECT_EQ(v.lbl_cnt.caption(), "2/3 (||||||････)");
    EXPECT_TRUE(app.plat.prompts.all_answered());
}

}  // namespace
}  // namespace vis
