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
using test::shot_width;
using test::start_with_shots;

constexpr int kTwips = 15;

TEST(ViewerFade, LabelsGoTogetherAndTheCounterComesBackUnderThePointer) {
    App app;
    start_with_shots(app, 5);
    test::MainSurface m = app.main();
    test::ViewerSurface v = m.view(0);
    v.press(key::kLeft);  // a notice as well
    const Rect counter_box = v.counter_box();
    const std::string counter = "1/5 (||････････)";

    app.plat.windows.advance(1999);
    EXPECT_TRUE(v.information_shown());
    EXPECT_TRUE(v.notice_shown());
    app.plat.windows.advance(1);
    EXPECT_FALSE(v.information_shown());
    EXPECT_FALSE(v.notice_shown());
    EXPECT_EQ(v.counter(), std::string(16, ' '));
    EXPECT_FALSE(v.counter_opaque());
    EXPECT_TRUE(v.counter_shown());
    EXPECT_EQ(v.counter_box(), counter_box);
    EXPECT_EQ(v.fade_due(), 0);

    v.move_over_counter(30, 30);
    EXPECT_EQ(v.counter(), counter);
    EXPECT_TRUE(v.counter_opaque());
    EXPECT_EQ(v.counter_box(), counter_box);
    EXPECT_EQ(v.fade_due(), 5000);
    // The information label comes back only with a display.
    EXPECT_FALSE(v.information_shown());
    app.plat.windows.advance(4999);
    EXPECT_EQ(v.counter(), counter);
    app.plat.windows.advance(1);
    EXPECT_EQ(v.counter(), std::string(16, ' '));

    // A notice in between fades after the longer interval; the blank counter keeps its text.
    v.press(key::kLeft);
    app.plat.windows.advance(4999);
    EXPECT_TRUE(v.notice_shown());
    app.plat.windows.advance(1);
    EXPECT_FALSE(v.notice_shown());
    v.move_over_counter(0, 0);
    EXPECT_EQ(v.counter(), counter);

    // The next display shows everything again and fades after two seconds.
    v.press(key::kRight);
    EXPECT_EQ(v.fade_due(), 2000);
    EXPECT_TRUE(v.information_shown());
    EXPECT_EQ(v.counter(), "2/5 (||||･･････)");
}

TEST(ViewerFade, TimerStillFiresAfterTheViewerClosed) {
    App app;
    start_with_shots(app, 2);
    test::MainSurface m = app.main();
    test::ViewerSurface v = m.view(0);
    v.double_click();
    app.plat.windows.advance(2000);
    EXPECT_FALSE(v.information_shown());
    EXPECT_FALSE(v.counter_opaque());
    // Opening again shows the new counter on an opaque label.
    m.view(1);
    EXPECT_EQ(v.counter(), "2/2 (||||||||||)");
    EXPECT_TRUE(v.counter_opaque());
    EXPECT_TRUE(v.information_shown());
}

TEST(ViewerPointer, EdgeZonesFollowThePicture) {
    App app;
    start_with_shots(app, 4);
    test::MainSurface m = app.main();
    test::ViewerSurface v = m.view(2);
    const int width2 = shot_width(2) * kTwips;

    v.move_over_picture(101, 500);
    v.move_over_picture(width2 - 101, 500);
    EXPECT_EQ(m.chosen(), 2);

    v.move_over_picture(100, 9000, button::kLeft);  // dragging steps too
    EXPECT_EQ(m.chosen(), 1);
    v.move_over_picture(40, 0);
    EXPECT_EQ(m.chosen(), 0);
    // At the first line the notice instead.
    v.move_over_picture(0, 0);
    EXPECT_EQ(m.chosen(), 0);
    EXPECT_TRUE(v.notice_shown());
    EXPECT_NE(v.notice().find("前の画像はありません"), std::string::npos);

    // Picture 0 is narrower than picture 2: its right zone lies further left.
    const int width0 = shot_width(0) * kTwips;
    ASSERT_EQ(v.picture_box().width, width0);
    v.move_over_picture(width2 - 50, 0);  // beyond this picture: the bare window
    EXPECT_EQ(m.chosen(), 0);
    v.move_over_picture(width0 - 100, 0);
    EXPECT_EQ(m.chosen(), 1);
    EXPECT_FALSE(v.notice_shown());
    v.move_over_picture(v.picture_box().width - 1, 0);
    v.move_over_picture(v.picture_box().width - 1, 0);
    EXPECT_EQ(m.chosen(), 3);
    EXPECT_EQ(v.counter(), "4/4 (||||||||||)");
    v.move_over_picture(v.picture_box().width - 1, 0);
    EXPECT_NE(v.notice().find("次の画像はありません"), std::string::npos);
}

TEST(ViewerPointer, AStepThatFailsEndsSilently) {
    App app;
    start_with_shots(app, 3);
    test::MainSurface m = app.main();
    test::ViewerSurface v = m.view(1);
    test::write_file(join_path(app.folders.shots, test::shot_name(2)), "broken");
    v.move_over_picture(v.picture_box().width - 10, 0);
    EXPECT_EQ(m.chosen(), 1);
    EXPECT_EQ(v.counter(), "2/3 (||||||････)");
    EXPECT_FALSE(v.notice_shown());
    EXPECT_TRUE(v.shown());
    EXPECT_TRUE(app.plat.prompts.asked().empty());
    // The main window shows the line the viewer stayed on again, picture and all.
    EXPECT_EQ(m.preview().pixels, v.picture().pixels);
    EXPECT_EQ(m.panel().find("ファイル名：" + test::shot_name(1)), 0u);
}

TEST(ViewerPointer, RightButtonMenuAndInformationLabelClicks) {
    App app;
    start_with_shots(app, 2);
    test::MainSurface m = app.main();
    test::ViewerSurface v = m.view(0);

    app.plat.prompts.answer_popup("");
    v.press_on_picture(button::kLeft, 10, 10);
    v.press_on_picture(button::kRight, 300, 450);
    ASSERT_EQ(app.plat.prompts.asked().size(), 1u);
    EXPECT_EQ(app.plat.prompts.asked()[0].menu, "mFullMenu");
    EXPECT_EQ(app.plat.prompts.asked()[0].x, 300);
    EXPECT_EQ(app.plat.prompts.asked()[0].y, 450);

    app.plat.prompts.answer_popup("");
    v.press_on_information(button::kRight, 20, 30);
    ASSERT_EQ(app.plat.prompts.asked().size(), 2u);
    EXPECT_EQ(app.plat.prompts.asked()[1].menu, "mFullMenu");
    EXPECT_EQ(app.plat.prompts.asked()[1].x, v.information_box().left + 20);
    EXPECT_EQ(app.plat.prompts.asked()[1].y, v.information_box().top + 30);

    // A left click on the label hides it and opens nothing.
    v.press_on_information(button::kLeft, 20, 30);
    v.click_information();
    EXPECT_FALSE(v.information_shown());
    EXPECT_EQ(app.plat.prompts.asked().size(), 2u);

    // "画像情報(&I)" brings it back at its place, without the fade being restarted.
    app.plat.windows.advance(2000);
    app.plat.prompts.answer_popup("mInfo_F");
    v.press_on_picture(button::kRight, 5, 5);
    EXPECT_TRUE(v.information_shown());
    EXPECT_EQ(v.information(), test::name_and_date_of(m.line_at(0)));
    EXPECT_EQ(v.information_box().top, app.plat.windows.screen().height_twips / 3);
    EXPECT_EQ(v.fade_due(), 0);

    // "画像を閉じる(&X)" closes the viewer and restores the main window.
    app.plat.prompts.answer_popup("mClose_F");
    v.press_on_picture(button::kRight, 5, 5);
    EXPECT_FALSE(v.shown());
    EXPECT_EQ(m.state(), WindowState::normal);
    EXPECT_TRUE(app.plat.prompts.all_answered());
}

TEST(ViewerPointer, InformationFromTheMenuWithTheCheckMarkOff) {
    App app;
    start_with_shots(app, 2, "0");
    test::MainSurface m = app.main();
    test::ViewerSurface v = m.view(1);
    EXPECT_FALSE(v.information_shown());
    m.choose_menu("フルスクリーンメニュー/画像情報");
    EXPECT_TRUE(v.information_shown());
    EXPECT_EQ(v.information(), test::name_and_date_of(m.line_at(1)));
    app.plat.windows.advance(2000);
    EXPECT_FALSE(v.information_shown());
}

}  // namespace
}  // namespace vis
