// The two screenshot lists, the preview and information panel, and the list commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>

#include "catalogue/file_list.h"
#include "catalogue/list_line.h"
#include "editor_window/editor_window.h"
#include "services/paths.h"
#include "support/app_fixture.h"
#include "support/held_open.h"
#include "support/zone.h"
#include "ui/keys.h"
#include "viewer/viewer_window.h"
#include "viewer_fixture.h"

namespace vis {
namespace {

using test::App;
using test::InZone;

// 2006-11-05 01:07:15 local time.
std::time_t local_time(int y, int mo, int d, int h, int mi, int s) {
    std::tm t{};
    t.tm_year = y - 1900;
    t.tm_mon = mo - 1;
    t.tm_mday = d;
    t.tm_hour = h;
    t.tm_min = mi;
    t.tm_sec = s;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

std::string name_of(int i) {
    return "PelmarOnline_200611" + std::to_string(10 + i) + "_0000" + std::to_string(i) + ".jpg";
}

// n screenshots, the i-th saved i minutes after the first; returns their names oldest first.
std::vector<std::string> add_shots(App& app, int n, int width = 64) {
    std::vector<std::string> names;
    for (int i = 0; i < n; ++i) {
        names.push_back(name_of(i));
        app.folders.add_shot(names.back(), local_time(2006, 11, 5, 1, 7 + i, 15), width + i, 48, rgb(10 * i, 100, 200));
    }
    return names;
}

TEST(ListLine, FormatAndDecode) {
    const std::string line = make_list_line(local_time(2006, 11, 5, 1, 7, 15), "PelmarOnline_2006115_01715.jpg");
    EXPECT_EQ(line, "2006/11/05 01:07:15 │ PelmarOnline_2006115_01715.jpg");
    EXPECT_EQ(line_date(line), "2006/11/05 01:07:15");
    EXPECT_EQ(line_name(line), "PelmarOnline_2006115_01715.jpg");
    const std::string odd = make_list_line(local_time(2010, 1, 2, 23, 0, 9), "PelmarOnline_a │ b.jpg");
    EXPECT_EQ(line_date(odd), "2010/01/02 23:00:09");
    EXPECT_EQ(line_name(odd), "PelmarOnline_a │ b.jpg");
}

TEST(ListLine, SizeTexts) {
    EXPECT_EQ(size_kb_text(300000), "292");
    EXPECT_EQ(size_kb_text(1023), "0");
    EXPECT_EQ(size_kb_text(1024), "1");
    EXPECT_EQ(total_size_text(3000000), "2.8 MB");
    EXPECT_EQ(total_size_text(500000), "488.2 KB");
    EXPECT_EQ(total_size_text(1048576), "1024 KB");
    EXPECT_EQ(total_size_text(1048577), "1 MB");
    EXPECT_EQ(total_size_text(0), "0 KB");
    EXPECT_EQ(total_size_text(2048), "2 KB");
    EXPECT_EQ(total_size_text(12268339), "11.6 MB");
}

TEST(Lists, BothOrdersWithTiesAndPatternRules) {
    App app;
    app.folders.write_settings();
    const auto t = local_time(2007, 3, 4, 5, 6, 7);
    app.folders.add_shot("PelmarOnline_b.jpg", t);
    app.folders.add_shot("PelmarOnline_a.jpg", t);
    app.folders.add_shot("pelmaronline_old.JPG", t - 3600);
    // A newer name saved earlier is listed by its time, not its name.
    app.folders.add_shot("PelmarOnline_9999.jpg", t - 7200);
    app.folders.add_shot("PelmarOnline_x.jpeg", t);
    app.folders.add_shot("Other_1.jpg", t);
    std::filesystem::create_directories(to_fs_path(join_path(app.folders.shots, "sub")));
    app.folders.add_shot("sub/PelmarOnline_deep.jpg", t);
    app.start();
    const test::MainSurface m = app.main();
    const std::vector<std::string> oldest_first{
        "2007/03/04 03:06:07 │ PelmarOnline_9999.jpg", "2007/03/04 04:06:07 │ pelmaronline_old.JPG",
        "2007/03/04 05:06:07 │ PelmarOnline_a.jpg", "2007/03/04 05:06:07 │ PelmarOnline_b.jpg"};
    EXPECT_EQ(m.oldest_first(), oldest_first);
    EXPECT_EQ(m.newest_first(), std::vector<std::string>(oldest_first.rbegin(), oldest_first.rend()));
}

// The screenshot folder's lines built the straightforward way: each file's line, sorted as a
// sorted list box sorts its lines.
std::vector<std::string> lines_on_disk(const std::string& folder) {
    std::vector<std::string> lines;
    for (const auto& e : std::filesystem::directory_iterator(to_fs_path(folder))) {
        const std::string name = from_fs_path(e.path().filename());
        if (!e.is_regular_file() || !wildcard_match("PelmarOnline_*.jpg", name)) continue;
        const auto when = std::chrono::file_clock::to_sys(e.last_write_time());
        lines.push_back(make_list_line(
            std::chrono::system_clock::to_time_t(std::chrono::time_point_cast<std::chrono::seconds>(when)), name));
    }
    std::sort(lines.begin(), lines.end(), list_line_less);
    return lines;
}

TEST(Lists, BothOrdersMatchLinesBuiltOneByOneThroughEveryChange) {
    // Summer time ends at 03:00: the shot of 02:50 summer time was saved before the one of 02:10
    // winter time, yet lists after it.
    const InZone berlin("Europe/Berlin");
    App app;
    app.folders.write_settings();
    const std::time_t t = local_time(2007, 3, 4, 5, 6, 7);
    app.folders.add_shot("PelmarOnline_b.jpg", t);
    app.folders.add_shot("PelmarOnline_B.jpg", t);
    app.folders.add_shot("PelmarOnline_a │ b.jpg", t);
    app.folders.add_shot("pelmaronline_low.JPG", t - 1);
    app.folders.add_shot("PelmarOnline_summer.jpg", 1635641400);
    app.folders.add_shot("PelmarOnline_winter.jpg", 1635642600);
    for (int i = 0; i < 4; ++i) app.folders.add_shot(name_of(i), t + 3600 * (i + 1));
    // Where names ignore letter case (Windows) "_B" is "_b" written again.
    const int made = static_cast<int>(lines_on_disk(app.folders.shots).size());
    app.start();
    test::MainSurface m = app.main();
    auto delete_row = [&](int row) {
        m.choose(row);
        m.delete_chosen();
    };

    const std::pair<const char*, std::function<void()>> steps[] = {
        {"start", [] {}},
        {"delete oldest first", [&] { delete_row(2); }},
        {"toggle", [&] { m.switch_order(); }},
        {"delete newest first", [&] { delete_row(0); }},
        {"delete last newest first", [&] { delete_row(m.count() - 1); }},
        {"toggle back", [&] { m.switch_order(); }},
        {"rebuild",
         [&] {
             app.folders.add_shot("PelmarOnline_new.jpg", t);
             m.open_settings().press(test::settings_entry::kApply);
         }},
        {"delete the first", [&] { delete_row(0); }},
    };
    for (const auto& [step, run] : steps) {
        run();
        const std::vector<std::string> expected = lines_on_disk(app.folders.shots);
        EXPECT_EQ(m.oldest_first(), expected) << step;
        EXPECT_EQ(m.newest_first(), std::vector<std::string>(expected.rbegin(), expected.rend())) << step;
    }
    // Four deleted, one added.
    EXPECT_EQ(m.order_shown(), "oldest first");
    EXPECT_EQ(m.count(), made - 3);
}

TEST(Lists, SortToggleCarriesTheRowNumberOver) {
    App app;
    app.folders.write_settings();
    const auto names = add_shots(app, 5);
    app.start();
    test::MainSurface m = app.main();
    m.choose(1);
    m.switch_order();
    EXPECT_EQ(m.order_shown(), "newest first");
    EXPECT_EQ(m.chosen(), 1);
    EXPECT_EQ(m.chosen_name(), names[3]);
    EXPECT_EQ(m.chosen_file(), join_path(app.folders.shots, names[3]));
    EXPECT_TRUE(m.list_has_focus());
    // Row 1 of the newest-first list is the second newest screenshot.
    EXPECT_EQ(m.panel().substr(0, m.panel().find("\r\n")), "ファイル名：" + names[3]);
    EXPECT_EQ(m.preview_width(), 64 + 3);

    m.choose(0);
    m.switch_order();
    EXPECT_EQ(m.order_shown(), "oldest first");
    EXPECT_EQ(m.chosen(), 0);
    EXPECT_EQ(m.chosen_file(), join_path(app.folders.shots, names[0]));
    EXPECT_EQ(m.preview_width(), 64);
}

TEST(Lists, SortToggleWithTheSameRowStillFollowsTheNewList) {
    App app;
    app.folders.write_settings();
    add_shots(app, 3);
    app.start();
    test::MainSurface m = app.main();
    ASSERT_EQ(m.chosen(), 0);
    m.switch_order();
    EXPECT_EQ(m.chosen(), 0);
    EXPECT_EQ(m.preview_width(), 64 + 2);
    m.switch_order();
    EXPECT_EQ(m.preview_width(), 64);
}

TEST(Preview, PanelOfTheFirstOfManyLines) {
    App app;
    app.folders.write_settings();
    const auto names = add_shots(app, 25);
    app.start();
    test::MainSurface m = app.main();
    std::uintmax_t total = 0, first = 0;
    for (const auto& n : names) total += std::filesystem::file_size(to_fs_path(join_path(app.folders.shots, n)));
    first = std::filesystem::file_size(to_fs_path(join_path(app.folders.shots, names[0])));
    EXPECT_EQ(m.panel(), "ファイル名：" + names[0] + "\r\n保存日時　：2006/11/05 01:07:15\r\nサイズ　　：" +
                             std::to_string(first / 1024) + " KB\r\n　　(1/25)　　　全 " + total_size_text(total) +
                             "\r\n\r\n" + test::kHintLines);
    EXPECT_EQ(m.preview_width(), 64);
    EXPECT_TRUE(m.enabled(test::entry::kSave));
    EXPECT_TRUE(m.enabled(test::entry::kClipboard));
}

TEST(Preview, SizesOnThePanelComeFromTheFiles) {
    App app;
    app.folders.write_settings();
    // Bytes after the end of a JPEG are ignored by the decoder: pad the files to exact sizes.
    const std::string a = join_path(app.folders.shots, "PelmarOnline_a.jpg");
    const std::string b = join_path(app.folders.shots, "PelmarOnline_b.jpg");
    std::string bytes = test::write_jpeg(a, 32, 32);
    test::write_file(a, bytes + std::string(300000 - bytes.size(), '\0'));
    test::write_file(b, bytes + std::string(2700000 - bytes.size(), '\0'));
    app.start();
    test::MainSurface m = app.main();
    const std::string& panel = m.panel();
    EXPECT_NE(panel.find("サイズ　　：292 KB\r\n"), std::string::npos) << panel;
    EXPECT_NE(panel.find("(1/2)　　　全 2.8 MB\r\n"), std::string::npos) << panel;
}

TEST(Preview, ClickingTheSelectedLineShowsItAgain) {
    App app;
    app.folders.write_settings();
    const auto names = add_shots(app, 2);
    app.start();
    test::MainSurface m = app.main();
    ASSERT_EQ(m.preview_width(), 64);
    // The file changed on disk since it was shown: a click on its line shows it anew.
    app.folders.add_shot(names[0], local_time(2006, 11, 5, 1, 7, 15), 99, 48, rgb(1, 2, 3));
    m.choose(0);
    EXPECT_EQ(m.preview_width(), 99);

    // After the settings dialog's rebuild the panel names the first line only; a click on that
    // line describes it in full.
    m.open_settings().press(test::settings_entry::kApply);
    ASSERT_EQ(m.chosen(), 0);
    EXPECT_EQ(m.panel().find("(1/2)"), std::string::npos);
    m.choose(0);
    EXPECT_NE(m.panel().find("(1/2)"), std::string::npos);
}

TEST(Preview, ABusyListKeepsThePreview) {
    App app;
    app.folders.write_settings();
    add_shots(app, 3);
    app.start();
    test::MainSurface m = app.main();
    {
        const auto quiet = m.busy();
        m.choose(2);
        EXPECT_EQ(m.chosen(), 2);
        EXPECT_EQ(m.preview_width(), 64);
        EXPECT_NE(m.panel().find("(1/3)"), std::string::npos);
    }
    m.press(key::kUp);
    EXPECT_EQ(m.preview_width(), 65);
    EXPECT_NE(m.panel().find("(2/3)"), std::string::npos);
}

// Selected in the list or stepped onto in the viewer, a screenshot that cannot be shown is
// described with no picture: the one shown before never stays on the screen under its name, nor
// reaches the clipboard or the editor.
TEST(Preview, AScreenshotThatCannotBeShownIsDescribedWithNoPictureInTheListAndTheViewer) {
    // Claims 60000 x 60000 pixels in the frame header (SOF0: FF C0, length, precision, height, width).
    const auto huge = [](std::string bytes) {
        const auto sof = bytes.find("\xFF\xC0");
        EXPECT_NE(sof, std::string::npos);
        bytes.replace(sof + 5, 4, "\xEA\x60\xEA\x60");
        return bytes;
    };
    std::string noise(5000, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919u) >> 3);
    const struct {
        const char* kind;
        // The file's new bytes, from its valid ones; nothing when it is held or removed instead.
        std::function<std::string(const std::string&)> bytes;
        bool held = false, removed = false;
    } cases[] = {
        {"not a JPEG", [](const std::string&) { return std::string("not a picture"); }},
        {"cut short", [](const std::string& valid) { return valid.substr(0, valid.size() / 2); }},
        {"empty", [](const std::string&) { return std::string(); }},
        {"noise", [&](const std::string&) { return noise; }},
        {"too large", huge},
        {"held open by another program", nullptr, true},
        {"removed from outside, the watch not told yet", nullptr, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        App app;
        app.folders.write_settings();
        const auto names = add_shots(app, 4);
        const std::string bad = join_path(app.folders.shots, names[2]);
        if (c.bytes) {
            test::write_file(bad, c.bytes(test::read_file(bad)));
            test::set_modified(bad, local_time(2006, 11, 5, 1, 9, 15));
        }
        std::uintmax_t total = 0;
        for (const auto& n : names) total += std::filesystem::file_size(to_fs_path(join_path(app.folders.shots, n)));
        const auto size = std::filesystem::file_size(to_fs_path(bad));
        MainWindow& f = app.start();
        test::MainSurface m = app.main();
        std::optional<test::HeldOpen> held;
        if (c.held) held.emplace(bad);
        if (c.removed) std::filesystem::remove(to_fs_path(bad));
        // Name, time and size as the listing read them, and the notice in place of the empty line.
        const std::string panel = "ファイル名：" + names[2] + "\r\n保存日時　：2006/11/05 01:09:15\r\nサイズ　　：" +
                                  std::to_string(size / 1024) + " KB\r\n　　(3/4)　　　全 " + total_size_text(total) +
                                  "\r\nこの画像は表示できません\r\n" + test::kHintLines;

        m.choose(2);
        EXPECT_TRUE(m.preview().empty());
        EXPECT_EQ(m.panel(), panel);
        // Save-as copies the file itself, which the panel names; nothing else needs a picture.
        EXPECT_TRUE(m.enabled(test::entry::kSave));
        EXPECT_FALSE(m.enabled(test::entry::kClipboard));
        EXPECT_FALSE(m.enabled(test::entry::kEdit));
        // The file can still be shared as it is, whatever its picture.
        EXPECT_TRUE(m.enabled(test::entry::kCopyFile));
        m.press('C', shift::kCtrl);
        m.double_click_preview();
        EXPECT_FALSE(m.viewer_open());

        test::ViewerSurface v = m.view(1);
        v.press(key::kRight);
        EXPECT_TRUE(v.picture().empty());
        EXPECT_TRUE(v.notice_shown());
        EXPECT_EQ(v.notice(), "■ ＥＲＲＯＲ ■\r\nこの画像は表示できません");
        EXPECT_EQ(v.counter(), "3/4 (|||||||･･･)");
        EXPECT_EQ(v.information(), "ファイル名：" + names[2] + "\r\n保存日時　：2006/11/05 01:09:15");
        EXPECT_EQ(m.panel(), panel);
        app.plat.prompts.answer_popup("mClipboard_F");
        v.press_on_picture(button::kRight, 10, 10);
        app.plat.prompts.answer_popup("mEdit_F");
        v.press_on_picture(button::kRight, 10, 10);
        EXPECT_EQ(test::loaded<EditorWindow>(f), nullptr);
        EXPECT_TRUE(app.plat.clipboard.pictures.empty());
        // The keys pass on beyond it.
        v.press(key::kRight);
        EXPECT_EQ(v.picture_width(), 67);
        EXPECT_FALSE(v.notice_shown());
    }
}

TEST(ListDelete, TheDeleteKeyDescribesTheLineThatTakesThePlaceInEitherList) {
    for (bool newest_first : {false, true}) {
        App app;
        app.folders.write_settings();
        const auto names = add_shots(app, 5);
        app.start();
        test::MainSurface m = app.main();
        if (newest_first) m.switch_order();
        m.choose(2);
        const std::string doomed = m.chosen_name();
        app.plat.prompts.answer_message(MsgResult::yes);
        m.press(key::kDelete);
        EXPECT_EQ(app.plat.prompts.asked().back().box.owner, &m.window());
        EXPECT_FALSE(file_exists(join_path(app.folders.shots, doomed)));
        EXPECT_EQ(m.chosen(), 2);
        EXPECT_NE(m.panel().find("(3/4)"), std::string::npos);
        EXPECT_EQ(m.panel().find("ファイル名：" + m.name_at(2)), 0u);
    }
}

TEST(ListDelete, LastLineThenOnlyLine) {
    App app;
    app.folders.write_settings();
    add_shots(app, 2);
    app.start();
    test::MainSurface m = app.main();
    m.choose(1);
    app.plat.prompts.answer_message(MsgResult::yes);
    m.press(key::kDelete);
    EXPECT_EQ(m.count(), 1);
    EXPECT_EQ(m.chosen(), 0);
    EXPECT_TRUE(m.enabled(test::entry::kSave));
    EXPECT_NE(m.panel().find("(1/1)"), std::string::npos);

    app.plat.prompts.answer_message(MsgResult::yes);
    m.press(key::kDelete);
    EXPECT_EQ(m.count(), 0);
    EXPECT_TRUE(m.newest_first().empty());
    EXPECT_EQ(m.chosen(), -1);
    EXPECT_FALSE(m.enabled(test::entry::kSave));
    EXPECT_FALSE(m.enabled(test::entry::kClipboard));
    EXPECT_FALSE(m.enabled(test::entry::kCopyFile));
    // Nothing left: Delete asks nothing.
    m.press(key::kDelete);
    EXPECT_TRUE(app.plat.prompts.all_answered());
}

TEST(ListDelete, ShiftDelIsTheMusicShortcutAndDeletesNothing) {
    App app;
    app.folders.write_settings("1", "0");
    const auto names = add_shots(app, 2);
    app.start();
    test::MainSurface m = app.main();
    m.press(key::kDelete, shift::kShift);
    EXPECT_TRUE(m.checked(test::entry::kMusic));
    EXPECT_EQ(m.count(), 2);
    EXPECT_TRUE(file_exists(join_path(app.folders.shots, names[0])));
}

TEST(ListMouse, RightButtonOpensTheFileMenuWithoutMovingTheSelection) {
    App app;
    app.folders.write_settings();
    add_shots(app, 3);
    app.start();
    test::MainSurface m = app.main();
    m.choose(1);
    app.plat.prompts.answer_popup("");
    m.press_on_list(button::kRight, 300, 450);
    const auto& asked = app.plat.prompts.asked().back();
    EXPECT_EQ(asked.kind, test::AskedPrompt::Kind::popup);
    EXPECT_EQ(asked.menu, "mFile");
    EXPECT_EQ(asked.x, m.list_left() + 300);
    EXPECT_EQ(asked.y, m.list_top() + 450);
    EXPECT_EQ(m.chosen(), 1);
    // The left button is the list's own business.
    m.press_on_list(button::kLeft, 10, 10);
    EXPECT_TRUE(app.plat.prompts.all_answered());
}

TEST(ListMouse, RightButtonWithNothingSelectedOffersNoScreenshotCommands) {
    App app;
    app.folders.write_settings();
    app.start();
    test::MainSurface m = app.main();
    ASSERT_EQ(m.chosen(), -1);
    app.plat.prompts.answer_popup("mSave");
    m.press_on_list(button::kRight, 30, 40);
    EXPECT_FALSE(m.enabled(test::entry::kSave));
    EXPECT_FALSE(m.enabled(test::entry::kClipboard));
    // The disabled entry did nothing: no save dialog was asked for.
    EXPECT_EQ(app.plat.prompts.asked().size(), 1u);
}

TEST(ListDelete, ALineThatCannotBeDecodedTakesTheDeletedOnesPlaceAsNoPicture) {
    App app;
    app.folders.write_settings();
    const auto names = add_shots(app, 3);
    app.start();
    test::MainSurface m = app.main();
    test::write_file(join_path(app.folders.shots, names[1]), "not a picture");
    const auto total_after = std::filesystem::file_size(to_fs_path(join_path(app.folders.shots, names[1]))) +
                             std::filesystem::file_size(to_fs_path(join_path(app.folders.shots, names[2])));
    app.plat.prompts.answer_message(MsgResult::yes);
    m.press(key::kDelete);
    EXPECT_TRUE(m.preview().empty());
    EXPECT_EQ(m.panel().find("ファイル名：" + names[1]), 0u);
    EXPECT_NE(m.panel().find("(1/2)　　　全 " + total_size_text(total_after)), std::string::npos);
    EXPECT_TRUE(m.enabled(test::entry::kSave));
    EXPECT_FALSE(m.enabled(test::entry::kClipboard));
    m.press('C', shift::kCtrl);
    EXPECT_TRUE(app.plat.clipboard.pictures.empty());
}

TEST(ListMouse, DoubleClickOnALineShowsThatLineNotThePreviewedOne) {
    App app;
    app.folders.write_settings();
    add_shots(app, 3);
    app.start();
    test::MainSurface m = app.main();
    // The preview shows line 0; line 2 is selected without its selection handling.
    {
        const auto quiet = m.busy();
        m.choose(2);
    }
    ASSERT_EQ(m.preview_width(), 64);
    m.double_click_list();
    EXPECT_TRUE(m.viewer_open());
    EXPECT_EQ(m.viewer().picture_width(), 66);
}

}  // namespace
}  // namespace vis
