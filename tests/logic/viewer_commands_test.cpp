// Save-as, clipboard and the information commands of the main menu and the viewer's pop-up.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "catalogue/list_line.h"
#include "core/app.h"
#include "services/paths.h"
#include "ui/keys.h"
#include "viewer_fixture.h"

namespace vis {
namespace {

using test::App;
using test::AskedPrompt;
using test::read_file;
using test::shot_name;
using test::start_with_shots;

std::string settings_text(const App& app, const std::string& save_folder) {
    return app.folders.game + "\r\n1\r\n0\r\n" + save_folder + "\r\n";
}

std::string make_folder(const App& app, const std::string& name) {
    const std::string path = join_path(app.folders.root.path(), name);
    std::filesystem::create_directories(to_fs_path(path));
    return path;
}

void expect_save_dialog(const AskedPrompt& asked, const App& app, const std::string& name, const Form* owner) {
    ASSERT_EQ(asked.kind, AskedPrompt::Kind::save);
    EXPECT_EQ(asked.dialog.title, "名前を付けて保存");
    EXPECT_EQ(asked.dialog.filter, "スクリーンショット(*.jpg)|*.jpg");
    EXPECT_EQ(asked.dialog.default_extension, ".jpg");
    EXPECT_EQ(asked.dialog.initial_folder, app.folders.game);
    EXPECT_EQ(asked.dialog.file_name, name);
    EXPECT_EQ(asked.dialog.owner, owner);
}

TEST(ViewerSaveAs, EmptyNameThenNoThenYesCopiesAndRemembersTheFolder) {
    App app;
    start_with_shots(app, 3);
    test::MainSurface m = app.main();
    test::ViewerSurface v = m.view(1);
    const std::string out = make_folder(app, "out");
    const std::string target = join_path(out, "x.jpg");
    test::write_file(target, "old bytes");

    auto& prompts = app.plat.prompts;
    prompts.answer_popup("mSave_F");
    prompts.answer_save("");
    prompts.answer_message(MsgResult::ok);
    prompts.answer_save(target);
    prompts.answer_message(MsgResult::no);
    prompts.answer_save(target);
    prompts.answer_message(MsgResult::yes);
    v.press_on_picture(button::kRight, 10, 10);
    EXPECT_TRUE(prompts.all_answered());

    const auto& asked = prompts.asked();
    ASSERT_EQ(asked.size(), 7u);
    for (const int i : {1, 3, 5}) expect_save_dialog(asked[i], app, shot_name(1), &v.window());
    const MessageBox& empty = asked[2].box;
    EXPECT_EQ(empty.text, "ファイル名が入力されていません。");
    EXPECT_EQ(empty.title, kAppTitle);
    EXPECT_EQ(empty.buttons, MsgButtons::ok);
    EXPECT_EQ(empty.icon, MsgIcon::none);
    for (const int i : {4, 6}) {
        const MessageBox& ask = asked[i].box;
        EXPECT_EQ(ask.text, "そのファイル名は既に存在します。上書きしますか？");
        EXPECT_EQ(ask.title, "上書き");
        EXPECT_EQ(ask.buttons, MsgButtons::yes_no_cancel);
        EXPECT_EQ(ask.icon, MsgIcon::exclamation);
        EXPECT_EQ(ask.default_button, 0);
    }

    EXPECT_EQ(read_file(target), read_file(join_path(app.folders.shots, shot_name(1))));
    EXPECT_TRUE(std::filesystem::exists(to_fs_path(join_path(app.folders.shots, shot_name(1)))));
    EXPECT_EQ(read_file(app.folders.settings_file()), settings_text(app, out));
    EXPECT_TRUE(m.checked(test::entry::kInformation));

    // The next save of this run still opens in the folder read at start-up.
    prompts.clear_asked();
    prompts.answer_save(std::nullopt);
    m.choose_menu("フルスクリーンメニュー/保存");
    ASSERT_EQ(prompts.asked().size(), 1u);
    expect_save_dialog(prompts.asked()[0], app, shot_name(1), &v.window());
}

TEST(ViewerSaveAs, CancelInTheQuestionOrTheDialogCopiesNothing) {
    App app;
    start_with_shots(app, 2);
    test::MainSurface m = app.main();
    const std::string target = join_path(make_folder(app, "out"), "x.jpg");
    test::write_file(target, "old bytes");
    const std::string settings = read_file(app.folders.settings_file());

    app.plat.prompts.answer_save(target);
    app.plat.prompts.answer_message(MsgResult::cancel);
    m.choose_menu(test::entry::kSave);
    app.plat.prompts.answer_save(std::nullopt);
    m.choose_menu(test::entry::kSave);
    EXPECT_EQ(app.plat.prompts.asked().size(), 3u);
    EXPECT_EQ(read_file(target), "old bytes");
    EXPECT_EQ(read_file(app.folders.settings_file()), settings);
}

TEST(ViewerSaveAs, ReversedListSavesTheShownScreenshot) {
    App app;
    start_with_shots(app, 4);
    test::MainSurface m = app.main();
    m.switch_order();
    m.choose(1);  // the second newest
    const std::string out = make_folder(app, "a folder");
    const std::string target = join_path(out, "copy.jpg");
    app.plat.prompts.answer_save(target);
    m.press('S', shift::kCtrl);
    expect_save_dialog(app.plat.prompts.asked()[0], app, shot_name(2), &m.window());
    EXPECT_EQ(read_file(target), read_file(join_path(app.folders.shots, shot_name(2))));
    EXPECT_EQ(read_file(app.folders.settings_file()), settings_text(app, out));
}

TEST(ViewerSaveAs, AFailedCopyIsReportedAndChangesNoSetting) {
    App app;
    start_with_shots(app, 2);
    test::MainSurface m = app.main();
    const std::string settings = read_file(app.folders.settings_file());
    const std::string target = join_path(join_path(app.folders.root.path(), "missing"), "x.jpg");
    app.plat.prompts.answer_save(target);
    app.plat.prompts.answer_message(MsgResult::ok);
    m.choose_menu(test::entry::kSave);
    ASSERT_EQ(app.plat.prompts.asked().size(), 2u);
    const MessageBox& report = app.plat.prompts.asked()[1].box;
    EXPECT_NE(report.text.find("保存できませんでした"), std::string::npos);
    EXPECT_NE(report.text.find(target), std::string::npos);
    EXPECT_EQ(report.title, kAppTitle);
    EXPECT_FALSE(std::filesystem::exists(to_fs_path(target)));
    EXPECT_EQ(read_file(app.folders.settings_file()), settings);
}

TEST(ViewerSaveAs, ACopyBrokenOffLeavesTheFileItWasToReplace) {
    App app;
    start_with_shots(app, 2);
    test::MainSurface m = app.main();
    const std::string target = join_path(make_folder(app, "out"), "x.jpg");
    test::write_file(target, "an older picture");
    app.plat.files.short_copy = true;
    app.plat.prompts.answer_save(target);
    app.plat.prompts.answer_message(MsgResult::yes);
    app.plat.prompts.answer_message(MsgResult::ok);
    m.choose_menu(test::entry::kSave);
    ASSERT_EQ(app.plat.prompts.asked().size(), 3u);
    EXPECT_NE(app.plat.prompts.asked()[2].box.text.find("保存できませんでした"), std::string::npos);
    EXPECT_EQ(read_file(target), "an older picture");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(to_fs_path(parent_folder(target))), {}), 1);
}

TEST(ViewerSaveAs, ASettingsFileThatCannotBeWrittenKeepsTheCopyAndSaysSo) {
    App app;
    start_with_shots(app, 2);
    test::MainSurface m = app.main();
    const std::string settings = read_file(app.folders.settings_file());
    app.plat.files.fail_flush = true;  // the settings file's write, not the copy, waits for the disk
    const std::string target = join_path(make_folder(app, "out"), "x.jpg");
    app.plat.prompts.answer_save(target);
    app.plat.prompts.answer_message(MsgResult::ok);
    m.choose_menu(test::entry::kSave);
    EXPECT_EQ(read_file(target), read_file(join_path(app.folders.shots, shot_name(0))));
    EXPECT_EQ(read_file(app.folders.settings_file()), settings);
    ASSERT_EQ(app.plat.prompts.asked().size(), 2u);
    const MessageBox& told = app.plat.prompts.asked()[1].box;
    EXPECT_EQ(told.text, "設定ファイルに書き込めなかったため、保存先の設定は変更されていません。");
    EXPECT_EQ(told.owner, &m.window());
}

TEST(ViewerInformationSetting, TogglingTwiceRestoresTheMarkAndTheLine) {
    App app;
    start_with_shots(app, 2);
    test::MainSurface m = app.main();
    const std::string game = app.folders.game;
    m.choose_menu(test::entry::kInformation);
    EXPECT_FALSE(m.checked(test::entry::kInformation));
    EXPECT_EQ(read_file(app.folders.settings_file()), game + "\r\n 0\r\n0\r\n" + game + "\r\n");
    // The next display leaves the label hidden.
    test::ViewerSurface v = m.view(0);
    EXPECT_FALSE(v.information_shown());

    m.choose_menu(test::entry::kInformation);
    EXPECT_TRUE(m.checked(test::entry::kInformation));
    EXPECT_EQ(read_file(app.folders.settings_file()), game + "\r\n 1\r\n0\r\n" + game + "\r\n");
    v.press(key::kRight);
    EXPECT_TRUE(v.information_shown());
}

TEST(ViewerInformationSetting, AFileThatCannotBeWrittenOrReadKeepsTheMarkAndSaysWhich) {
    App app;
    start_with_shots(app, 1);
    test::MainSurface m = app.main();
    const std::string settings = read_file(app.folders.settings_file());
    app.plat.files.disk_space = 3;  // the disk fills up during the write
    app.plat.prompts.answer_message(MsgResult::ok);
    m.choose_menu(test::entry::kInformation);
    EXPECT_TRUE(m.checked(test::entry::kInformation));
    EXPECT_EQ(read_file(app.folders.settings_file()), settings);
    for (const auto& e : std::filesystem::directory_iterator(to_fs_path(parent_folder(app.folders.settings_file()))))
        EXPECT_FALSE(from_fs_path(e.path().filename()).starts_with("setting.mto.")) << "left behind";
    EXPECT_EQ(app.plat.prompts.asked().back().box.text,
              "設定ファイルに書き込めなかったため、画像情報の設定は変更されていません。");

    std::filesystem::remove(to_fs_path(app.folders.settings_file()));
    app.plat.prompts.answer_message(MsgResult::ok);
    m.choose_menu(test::entry::kInformation);
    EXPECT_TRUE(m.checked(test::entry::kInformation));
    EXPECT_EQ(app.plat.prompts.asked().back().box.text,
              "設定ファイルを読み込めなかったため、画像情報の設定は変更されていません。");
}

TEST(ViewerClipboard, CopiesExactlyThePictureOnTheScreen) {
    App app;
    start_with_shots(app, 3);
    test::MainSurface m = app.main();
    test::ViewerSurface v = m.view(0);
    v.press(key::kRight);
    app.plat.prompts.answer_popup("mClipboard_F");
    v.press_on_picture(button::kRight, 10, 10);
    ASSERT_EQ(app.plat.clipboard.pictures.size(), 1u);
    EXPECT_EQ(app.plat.clipboard.pictures[0].pixels, v.picture().pixels);
    EXPECT_EQ(app.plat.clipboard.pictures[0].width, test::shot_width(1));

    v.double_click();
    m.press('C', shift::kCtrl);
    ASSERT_EQ(app.plat.clipboard.pictures.size(), 2u);
    EXPECT_EQ(app.plat.clipboard.pictures[1].pixels, m.preview().pixels);
}

// The picture and the file alike.
TEST(ViewerClipboard, AClipboardHeldByAnotherProgramIsReportedAboveTheViewer) {
    for (const char* entry : {"mClipboard_F", "mCopyFile_F"}) {
        SCOPED_TRACE(entry);
        App app;
        start_with_shots(app, 2);
        test::MainSurface m = app.main();
        test::ViewerSurface v = m.view(0);
        app.plat.clipboard.fail = true;
        app.plat.prompts.answer_popup(entry);
        app.plat.prompts.answer_message(MsgResult::ok);
        v.press_on_picture(button::kRight, 10, 10);
        const MessageBox& box = app.plat.prompts.asked().back().box;
        EXPECT_EQ(box.text, "クリップボードにコピーできませんでした。");
        EXPECT_EQ(box.title, "Pelmar online - Vistelle");
        EXPECT_EQ(box.owner, &v.window());
        EXPECT_TRUE(app.plat.prompts.all_answered());
    }
}

// Copy as file hands over the shown screenshot's file itself, from either menu, and no picture.
TEST(CopyAsFile, HandsOverTheSelectedFileAndNoPicture) {
    App app;
    start_with_shots(app, 3);
    test::MainSurface m = app.main();
    const auto file = [&](int i) { return join_path(app.folders.shots, shot_name(i)); };
    // The reversed order: the screenshot selected, not the line at the same row of the other list.
    m.switch_order();
    m.choose(0);
    m.choose_menu(test::entry::kCopyFile);
    test::ViewerSurface v = m.view(1);
    app.plat.prompts.answer_popup("mCopyFile_F");
    v.press_on_picture(button::kRight, 10, 10);
    EXPECT_EQ(app.plat.clipboard.files, (std::vector<std::string>{file(2), file(1)}));
    EXPECT_TRUE(app.plat.clipboard.pictures.empty());
}

// A file deleted or moved from outside before the watch told of it is reported and its line
// goes, from the menu as from a drag; nothing empty is handed on.
TEST(CopyAsFile, AFileGoneFromOutsideIsReportedAndItsLineGoes) {
    const struct {
        const char* way;
        // Shares the selected screenshot; returns what other programs were handed.
        std::function<std::vector<std::string>(App&, test::MainSurface&)> share;
    } ways[] = {
        {"copy as file",
         [](App& app, test::MainSurface& m) {
             app.plat.clipboard.files.clear();
             m.choose_menu(test::entry::kCopyFile);
             return app.plat.clipboard.files;
         }},
        {"drag from the list",
         [](App&, test::MainSurface& m) {
             const std::string dragged = m.drag_from_list();
             return dragged.empty() ? std::vector<std::string>{} : std::vector<std::string>{dragged};
         }},
        {"drag from the preview",
         [](App&, test::MainSurface& m) {
             const std::string dragged = m.drag_from_preview();
             return dragged.empty() ? std::vector<std::string>{} : std::vector<std::string>{dragged};
         }},
    };
    for (const auto& w : ways) {
        SCOPED_TRACE(w.way);
        App app;
        start_with_shots(app, 3);
        test::MainSurface m = app.main();
        m.choose(1);
        EXPECT_EQ(w.share(app, m), std::vector<std::string>{join_path(app.folders.shots, shot_name(1))});
        std::filesystem::remove(to_fs_path(join_path(app.folders.shots, shot_name(1))));
        app.plat.prompts.answer_message(MsgResult::ok);
        EXPECT_TRUE(w.share(app, m).empty());
        ASSERT_FALSE(app.plat.prompts.asked().empty());
        const MessageBox& box = app.plat.prompts.asked().back().box;
        EXPECT_EQ(box.text, "ＳＳ [" + shot_name(1) + "]が見つかりませんでした（移動または削除されています）。");
        EXPECT_EQ(box.title, kAppTitle);
        EXPECT_EQ(box.icon, MsgIcon::exclamation);
        EXPECT_EQ(box.owner, &m.window());
        ASSERT_EQ(m.count(), 2);
        EXPECT_EQ(m.chosen(), 1);
        EXPECT_EQ(line_name(m.line_at(1)), shot_name(2));
        EXPECT_EQ(m.newest_first().size(), 2u);
        EXPECT_EQ(m.panel().find("ファイル名：" + shot_name(2)), 0u);
        EXPECT_TRUE(app.plat.prompts.all_answered());
    }
}

// The viewer's picture is dragged out as the file on the screen.
TEST(CopyAsFile, TheViewersPictureDragsTheFileShown) {
    App app;
    start_with_shots(app, 3);
    test::MainSurface m = app.main();
    test::ViewerSurface v = m.view(2);
    v.press(key::kLeft);
    EXPECT_EQ(v.drag_picture(), join_path(app.folders.shots, shot_name(1)));
    EXPECT_TRUE(app.plat.prompts.asked().empty());
}
}  // namespace
}  // namespace vis
