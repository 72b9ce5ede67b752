// The viewer's mouse handling and the fade of its labels.
#include <gtest/gtest.h>

#include "catalogue/info_text.h"
#include "services/paths.h"
#include "ui/keys.h"
#include "viewer/overlay_text.h"
#include "viewer_fixture.h"

namespace vis {
namespace {

using test::App;
using test::mouse_down;
using test::mouse_move;
using test::open_viewer_at;
using test::shot_width;
using test::start_with_shots;

constexpr int kTwips = 15;

using test::click;

TEST(ViewerFade, LabelsGoTogetherAndTheCounterComesBackUnderThePointer) {
    App app;
    MainWindow& f = start_with_shots(app, 5);
    ViewerWindow& v = open_viewer_at(f, 0);
    test::press_key(v, key::kLeft);  // a notice as well
    const Rect counter_box = v.lbl_cnt.bounds();
    const std::string counter = "1/5 (||････････)";

    app.plat.windows.advance(1999);
    EXPECT_TRUE(v.lbl_info.visible());
    EXPECT_TRUE(v.lbl_err.visible());
    app.plat.windows.advance(1);
    EXPECT_FALSE(v.lbl_info.visible());
    EXPECT_FALSE(v.lbl_err.visible());
    EXPECT_EQ(v.lbl_cnt.caption(), std::string(16, ' '));
    EXPECT_FALSE(v.lbl_cnt.opaque());
    EXPECT_TRUE(v.lbl_cnt.visible());
    EXPECT_EQ(v.lbl_cnt.bounds(), counter_box);
    EXPECT_FALSE(v.tmr_fade.timer_enabled());

    mouse_move(v.lbl_cnt, 30, 30);
    EXPECT_EQ(v.lbl_cnt.caption(), counter);
    EXPECT_TRUE(v.lbl_cnt.opaque());
    EXPECT_EQ(v.lbl_cnt.bounds(), counter_box);
    EXPECT_EQ(v.tmr_fade.interval(), 5000);
    EXPECT_TRUE(v.tmr_fade.timer_enabled());
    // The information label comes back only with a display.
    EXPECT_FALSE(v.lbl_info.visible());
    app.plat.windows.advance(4999);
    EXPECT_EQ(v.lbl_cnt.caption(), counter);
    app.plat.windows.advance(1);
    EXPECT_EQ(v.lbl_cnt.caption(), std::string(16, ' '));

    // A notice in between fades after the longer interval; the blank counter keeps its text.
    test::press_key(v, key::kLeft);
    app.plat.windows.advance(4999);
    EXPECT_TRUE(v.lbl_err.visible());
    app.plat.windows.advance(1);
    EXPECT_FALSE(v.lbl_err.visible());
    mouse_move(v.lbl_cnt, 0, 0);
    EXPECT_EQ(v.lbl_cnt.caption(), counter);

    // The next display shows everything again and fades after two seconds.
    test::press_key(v, key::kRight);
    EXPECT_EQ(v.tmr_fade.interval(), 2000);
    EXPECT_TRUE(v.lbl_info.visible());
    EXPECT_EQ(v.lbl_cnt.caption(), "2/5 (||||･･････)");
}

TEST(ViewerFade, TimerStillFiresAfterTheViewerClosed) {
    App app;
    MainWindow& f = start_with_shots(app, 2);
    ViewerWindow& v = open_viewer_at(f, 0);
    test::dbl_click(v.img_view);
    app.plat.windows.advance(2000);
    EXPECT_FALSE(v.lbl_info.visible());
    EXPECT_FALSE(v.lbl_cnt.opaque());
    // Opening again shows the new counter on an opaque label.
    open_viewer_at(f, 1);
    EXPECT_EQ(v.lbl_cnt.caption(), "2/2 (||||||||||)");
    EXPECT_TRUE(v.lbl_cnt.opaque());
    EXPECT_TRUE(v.lbl_info.visible());
}

TEST(ViewerPointer, EdgeZonesFollowThePicture) {
    App app;
    MainWindow& f = start_with_shots(app, 4);
    ViewerWindow& v = open_viewer_at(f, 2);
    const int width2 = shot_width(2) * kTwips;

    mouse_move(v.img_view, 101, 500);
    mouse_move(v.img_view, width2 - 101, 500);
    EXPECT_EQ(f.file_lst.list_index(), 2);

    mouse_move(v.img_view, 100, 9000, button::kLeft);  // dragging steps too
    EXPECT_EQ(f.file_lst.list_index(), 1);
    mouse_move(v.img_view, 40, 0);
    EXPECT_EQ(f.file_lst.list_index(), 0);
    // At the first line the notice instead.
    mouse_move(v.img_view, 0, 0);
    EXPECT_EQ(f.file_lst.list_index(), 0);
    EXPECT_TRUE(v.lbl_err.visible());
    EXPECT_NE(v.lbl_err.caption().find("前の画像はありません"), std::string::npos);

    // Picture 0 is narrower than picture 2: its right zone lies further left.
    const int width0 = shot_width(0) * kTwips;
    ASSERT_EQ(v.img_view.width(), width0);
    mouse_move(v.img_view, width2 - 50, 0);  // beyond this picture: the bare window
    EXPECT_EQ(f.file_lst.list_index(), 0);
    mouse_move(v.img_view, width0 - 100, 0);
    EXPECT_EQ(f.file_lst.list_index(), 1);
    EXPECT_FALSE(v.lbl_err.visible());
    mouse_move(v.img_view, v.img_view.width() - 1, 0);
    mouse_move(v.img_view, v.img_view.width() - 1, 0);
    EXPECT_EQ(f.file_lst.list_index(), 3);
    EXPECT_EQ(v.lbl_cnt.caption(), "4/4 (||||||||||)");
    mouse_move(v.img_view, v.img_view.width() - 1, 0);
    EXPECT_NE(v.lbl_err.caption().find("次の画像はありません"), std::string::npos);
}

TEST(ViewerPointer, AStepThatFailsEndsSilently) {
    App app;
    MainWindow& f = start_with_shots(app, 3);
    ViewerWindow& v = open_viewer_at(f, 1);
    test::write_file(join_path(app.folders.shots, test::shot_name(2)), "broken");
    mouse_move(v.img_view, v.img_view.width() - 10, 0);
    EXPECT_EQ(f.file_lst.list_index(), 1);
    EXPECT_EQ(v.lbl_cnt.caption(), "2/3 (||||||････)");
    EXPECT_FALSE(v.lbl_err.visible());
    EXPECT_TRUE(v.visible());
    EXPECT_TRUE(app.plat.prompts.asked().empty());
    // The main window shows the line the viewer stayed on again, picture and all.
    EXPECT_EQ(f.img_pre.picture().pixels, v.img_view.picture().pixels);
    EXPECT_EQ(f.lbl_alt.caption().find("ファイル名：" + test::shot_name(1)), 0u);
}

TEST(ViewerPointer, RightButtonMenuAndInformationLabelClicks) {
    App app;
    MainWindow& f = start_with_shots(app, 2);
    ViewerWindow& v = open_viewer_at(f, 0);

    app.plat.prompts.answer_popup("");
    mouse_down(v.img_view, button::kLeft, 10, 10);
    mouse_down(v.img_view, button::kRight, 300, 450);
    ASSERT_EQ(app.plat.prompts.asked().size(), 1u);
    EXPECT_EQ(app.plat.prompts.asked()[0].menu, "mFullMenu");
    EXPECT_EQ(app.plat.prompts.asked()[0].x, 300);
    EXPECT_EQ(app.plat.prompts.asked()[0].y, 450);

    app.plat.prompts.answer_popup("");
    mouse_down(v.lbl_info, button::kRight, 20, 30);
    ASSERT_EQ(app.plat.prompts.asked().size(), 2u);
    EXPECT_EQ(app.plat.prompts.asked()[1].menu, "mFullMenu");
    EXPECT_EQ(app.plat.prompts.asked()[1].x, v.lbl_info.left() + 20);
    EXPECT_EQ(app.plat.prompts.asked()[1].y, v.lbl_info.top() + 30);

    // A left click on the label hides it and opens nothing.
    mouse_down(v.lbl_info, button::kLeft, 20, 30);
    click(v.lbl_info);
    EXPECT_FALSE(v.lbl_info.visible());
    EXPECT_EQ(app.plat.prompts.asked().size(), 2u);

    // "画像情報(&I)" brings it back at its place, without the fade being restarted.
    app.plat.windows.advance(2000);
    app.plat.prompts.answer_popup("mInfo_F");
    mouse_down(v.img_view, button::kRight, 5, 5);
    EXPECT_TRUE(v.lbl_info.visible());
    EXPECT_EQ(v.lbl_info.caption(), name_and_date_text(f.file_lst.item(0)));
    EXPECT_EQ(v.lbl_info.top(), app.plat.windows.screen().height_twips / 3);
    EXPECT_FALSE(v.tmr_fade.timer_enabled());

    // "画像を閉じる(&X)" closes the viewer and restores the main window.
    app.plat.prompts.answer_popup("mClose_F");
    mouse_down(v.img_view, button::kRight, 5, 5);
    EXPECT_FALSE(v.visible());
    EXPECT_EQ(f.window_state(), WindowState::normal);
    EXPECT_TRUE(app.plat.prompts.all_answered());
}

TEST(ViewerPointer, InformationFromTheMenuWithTheCheckMarkOff) {
    App app;
    MainWindow& f = start_with_shots(app, 2, "0");
    ViewerWindow& v = open_viewer_at(f, 1);
    EXPECT_FALSE(v.lbl_info.visible());
    test::click_menu(f.mInfo_F);
    EXPECT_TRUE(v.lbl_info.visible());
    EXPECT_EQ(v.lbl_info.caption(), name_and_date_text(f.file_lst.item(1)));
    app.plat.windows.advance(2000);
    EXPECT_FALSE(v.lbl_info.visible());
}

}  // namespace
}  // namespace vis
