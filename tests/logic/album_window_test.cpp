// The album window as the player uses it: loading, moving lines between the two lists, closing,
// and the two build buttons writing real albums (or, on a failure, nothing).
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "album_window/album_window.h"
#include "album_window/progress_caption.h"
#include "catalogue/list_line.h"
#include "services/ansi.h"
#include "services/paths.h"
#include "support/album_surface.h"
#include "support/app_fixture.h"

namespace vis {
namespace {

namespace fs = std::filesystem;
namespace button = test::album_button;

constexpr std::time_t kWhen = 1165500000;
const std::string kGif(
    "GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff\x2c\x00\x00\x00\x00\x01\x00"
    "\x01\x00\x00\x02\x02\x44\x01\x00\x3b",
    36);

std::vector<std::string> entries(const std::string& folder) {
    std::vector<std::string> names;
    if (!fs::exists(to_fs_path(folder))) return names;
    for (const auto& e : fs::directory_iterator(to_fs_path(folder))) names.push_back(from_fs_path(e.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

struct AlbumWindowTest : ::testing::Test {
    test::App app;
    std::vector<std::string> lines;  // oldest first
    std::optional<test::AlbumSurface> a;

    // Shots named against their date order, each of its own width so the preview tells them apart.
    test::AlbumSurface& open_with(int shots) {
        app.folders.write_settings();
        test::write_file(join_path(join_path(app.folders.program, "data"), "null.gif"), kGif);
        for (int i = 0; i < shots; ++i) {
            const std::string name = "PelmarOnline_2006115_0" + std::to_string(1900 - i) + ".jpg";
            app.folders.add_shot(name, kWhen + 60 * i, 40 + i, 30);
            lines.push_back(make_list_line(kWhen + 60 * i, name));
        }
        app.start();
        open_album();
        return *a;
    }
    // Opens the window from the main window's menu; a test keeps the surface it got first.
    void open_album() {
        const test::AlbumSurface opened = app.main().open_album();
        if (!a) a.emplace(opened);
    }
    std::string albums() const { return join_path(app.folders.program, "album"); }
    const std::vector<std::string>& captions() { return app.plat.windows.captions["AlbumWindow"]; }
    bool has_caption(const std::string& c) {
        return std::find(captions().begin(), captions().end(), c) != captions().end();
    }
    void send_all() {
        a->choose_screenshot(0);
        a->press(button::kSendAll);
    }
    const test::AskedPrompt& last_prompt() const { return app.plat.prompts.asked().back(); }
    // Presses a build button, agrees to build, then gives the boxes that follow these answers.
    void build(const std::string& button, std::initializer_list<MsgResult> answers) {
        app.plat.prompts.answer_message(MsgResult::ok);
        for (const MsgResult answer : answers) app.plat.prompts.answer_message(answer);
        a->press(button);
    }
};

TEST_F(AlbumWindowTest, OpeningListsTheScreenshotsWithItsLoadingCaption) {
    test::AlbumSurface& a = open_with(3);
    EXPECT_TRUE(a.shown());
    EXPECT_EQ(app.main().state(), WindowState::minimised);
    EXPECT_EQ(a.screenshots(), lines);
    const std::vector<std::string> loading(captions().end() - 4, captions().end());
    EXPECT_EQ(loading, (std::vector<std::string>{"読み込み中... 1 / 3 (25.0%)", "読み込み中... 2 / 3 (50.0%)",
                                                 "読み込み中... 3 / 3 (75.0%)", " アルバム"}));
    EXPECT_EQ(a.progress(), 0);

    // Reopening: the album list empties, the colours are listed once and chosen afresh, the
    // check boxes stay as the user left them.
    send_all();
    a.type_line_colour("#102030");
    EXPECT_FALSE(a.checked("ズーム"));
    a.toggle("ズーム");
    a.press(button::kClose);
    open_album();
    EXPECT_EQ(a.screenshots(), lines);
    EXPECT_TRUE(a.album().empty());
    EXPECT_EQ(a.line_colours_offered(), 17);
    EXPECT_EQ(a.line_colour(), "Black");
    EXPECT_TRUE(a.checked("ズーム"));
}

TEST(AlbumProgress, PercentagesHaveOneDecimalAndNoLeadingZero) {
    EXPECT_EQ(progress_caption("読み込み中... ", 1, 1), "読み込み中... 1 / 1 (50.0%)");
    EXPECT_EQ(percent_text(album_progress(1, 199)), ".5");
    EXPECT_EQ(percent_text(album_progress(2, 2)), "66.7");
}

TEST_F(AlbumWindowTest, SendAndReturnMoveLinesAndSetTheButtons) {
    test::AlbumSurface& a = open_with(4);
    const auto sends = [&] { return a.can_press(button::kSendOne) && a.can_press(button::kSendAll); };
    const auto returns = [&] { return a.can_press(button::kReturnOne) || a.can_press(button::kReturnAll); };
    a.choose_screenshot(1);
    EXPECT_TRUE(sends());
    EXPECT_FALSE(returns());
    EXPECT_EQ(a.preview_width(), 41);

    // From the middle: the line that moved up is selected and previewed, as by a click.
    a.press(button::kSendOne);
    EXPECT_EQ(a.album(), std::vector<std::string>{lines[1]});
    EXPECT_EQ(a.chosen_screenshot(), 1);
    EXPECT_EQ(a.screenshots()[1], lines[2]);
    EXPECT_EQ(a.preview_width(), 42);
    // From the end: the new last line.
    a.choose_screenshot(2);
    a.press(button::kSendOne);
    EXPECT_EQ(a.chosen_screenshot(), 1);
    EXPECT_EQ(a.album(), (std::vector<std::string>{lines[1], lines[3]}));

    // Returning puts the line back at its date-ordered place.
    a.choose_in_album(0);
    EXPECT_TRUE(a.can_press(button::kReturnOne) && !a.can_press(button::kSendOne));
    a.press(button::kReturnOne);
    EXPECT_EQ(a.screenshots(), (std::vector<std::string>{lines[0], lines[1], lines[2]}));
    EXPECT_EQ(a.chosen_in_album(), 0);

    a.press(button::kReturnAll);
    EXPECT_EQ(a.screenshots(), lines);
    EXPECT_FALSE(returns());
    EXPECT_TRUE(has_caption(" アルバムリストから削除中... 1 / 1 (50.0%)"));

    send_all();
    EXPECT_TRUE(a.screenshots().empty());
    EXPECT_EQ(a.album(), lines);
    EXPECT_FALSE(a.can_press(button::kSendOne) || a.can_press(button::kSendAll));
    EXPECT_TRUE(has_caption(" アルバムリストへ移動中... 4 / 4 (80.0%)"));
    EXPECT_EQ(a.caption(), " アルバム");
    EXPECT_EQ(a.progress(), 0);

    // The last one sent alone leaves nothing selected and the send buttons off.
    a.choose_in_album(2);
    a.press(button::kReturnOne);
    a.choose_screenshot(0);
    a.press(button::kSendOne);
    EXPECT_TRUE(a.screenshots().empty());
    EXPECT_EQ(a.chosen_screenshot(), -1);
    EXPECT_FALSE(a.can_press(button::kSendOne) || a.can_press(button::kSendAll));
}

TEST_F(AlbumWindowTest, ClickingTheLineAlreadySelectedStillSetsTheButtonsAndThePreview) {
    test::AlbumSurface& a = open_with(3);
    a.choose_screenshot(1);
    a.press(button::kSendOne);
    a.choose_screenshot(0);
    a.choose_in_album(0);
    // Back to the upper list's selected line: its pair of buttons and its picture again.
    a.choose_screenshot(0);
    EXPECT_TRUE(a.can_press(button::kSendOne) && a.can_press(button::kSendAll));
    EXPECT_FALSE(a.can_press(button::kReturnOne) || a.can_press(button::kReturnAll));
    EXPECT_EQ(a.preview_width(), 40);
}

TEST_F(AlbumWindowTest, ClosingHidesTheWindowAndRestoresTheMainWindow) {
    test::AlbumSurface& a = open_with(1);
    a.press(button::kClose);
    EXPECT_FALSE(a.shown());
    EXPECT_EQ(app.main().state(), WindowState::normal);

    open_album();
    a.choose_screenshot(0);
    a.press(button::kSendOne);
    a.close();
    EXPECT_FALSE(a.shown());
    EXPECT_EQ(app.main().state(), WindowState::normal);
    EXPECT_EQ(test::loaded<AlbumWindow>(*app.form), &a.window());
    EXPECT_EQ(a.album().size(), 1u);
}

TEST_F(AlbumWindowTest, EmptyListOrCancelBuildsNothing) {
    test::AlbumSurface& a = open_with(2);
    app.plat.prompts.answer_message(MsgResult::ok);
    a.press(button::kCopyAlbum);
    EXPECT_EQ(last_prompt().box.text, "アルバムリストがありません");
    EXPECT_EQ(last_prompt().box.title, kAppTitle);

    send_all();
    app.plat.prompts.answer_message(MsgResult::cancel);
    a.press(button::kPathAlbum);
    EXPECT_EQ(last_prompt().box.text, "「絶対パス作成」を実行しますか？");
    EXPECT_EQ(last_prompt().box.title, "作成");
    EXPECT_EQ(last_prompt().box.buttons, MsgButtons::ok_cancel);
    EXPECT_TRUE(entries(albums()).empty());
}

TEST_F(AlbumWindowTest, CopyAlbumIsWrittenAndOpenedInTheBrowser) {
    open_with(4);
    send_all();
    a->type_line_colour("#123456");
    // Pressed while the album is being built: ignored (an unexpected question would fail here).
    bool pressed = false;
    app.plat.windows.queue([&] {
        pressed = true;
        EXPECT_TRUE(a->busy());
        a->press(button::kCopyAlbum);
        a->press(button::kReturnAll);
        open_album();
    });
    build(button::kCopyAlbum, {MsgResult::yes});
    EXPECT_TRUE(pressed);

    // The build read the clock 1 ms after the epoch, local time.
    const std::string created = line_date(make_list_line(0, ""));
    std::string name = created;
    for (char& c : name) c = (c == '/' || c == ' ' || c == ':') ? '.' : c;
    ASSERT_EQ(entries(albums()), std::vector<std::string>{name});
    const std::string album = join_path(albums(), name);
    EXPECT_EQ(entries(album), (std::vector<std::string>{"images", "index.html", "page1.html"}));
    std::vector<std::string> images{"null.gif"};
    for (const std::string& l : lines) images.push_back(line_name(l));
    std::sort(images.begin(), images.end());
    EXPECT_EQ(entries(join_path(album, "images")), images);
    EXPECT_EQ(test::read_file(join_path(join_path(album, "images"), line_name(lines[2]))),
              test::read_file(join_path(app.folders.shots, line_name(lines[2]))));

    const std::string index = from_ansi(test::read_file(join_path(album, "index.html")));
    EXPECT_NE(index.find("<html><head><title>" + created + " 作成 - Pelmarオンライン - Vistelle</title>\r\n"),
              std::string::npos);
    const std::string page = test::read_file(join_path(album, "page1.html"));
    EXPECT_NE(page.find("<table bgcolor='#123456' cellpadding='5' cellspacing='1'>\r\n"), std::string::npos);
    EXPECT_NE(page.find("<td rowspan='3' bgcolor='Aqua' "), std::string::npos);  // the edge colour as offered
    EXPECT_NE(page.find("<a href='images/" + line_name(lines[0]) + "'>"), std::string::npos);

    const test::AskedPrompt& done = last_prompt();
    EXPECT_EQ(done.box.text, "「サムネイル」パターンのアルバムを作成しました。\r\n表示しますか？");
    EXPECT_EQ(done.box.title, "完了");
    EXPECT_EQ(done.box.buttons, MsgButtons::yes_no);
    EXPECT_EQ(app.plat.shell.opened, std::vector<std::string>{join_path(album, "index.html")});
    EXPECT_EQ(a->album(), lines);
    EXPECT_EQ(a->chosen_in_album(), 0);
    EXPECT_EQ(a->progress(), 0);
    EXPECT_FALSE(a->can_press(button::kSendOne));
    EXPECT_TRUE(a->can_press(button::kCopyAlbum) && a->can_press(button::kClose));
}

TEST_F(AlbumWindowTest, AbsolutePathAlbumCopiesNoScreenshotAndASecondOneGetsItsOwnFolder) {
    open_with(1);
    send_all();
    build(button::kPathAlbum, {MsgResult::no});
    ASSERT_EQ(entries(albums()).size(), 1u);
    const std::string name = entries(albums())[0];
    const std::string album = join_path(albums(), name);
    EXPECT_EQ(entries(join_path(album, "images")), std::vector<std::string>{"null.gif"});
    const std::string shot = join_path(app.folders.shots, line_name(lines[0]));
    const std::string page = test::read_file(join_path(album, "page1.html"));
    EXPECT_NE(page.find("<a href='" + shot + "'><img src='" + shot + "'"), std::string::npos);
    EXPECT_TRUE(app.plat.shell.opened.empty());

    // Built again within the same second: a folder of its own, opened from there.
    build(button::kPathAlbum, {MsgResult::yes});
    ASSERT_EQ(entries(albums()), (std::vector<std::string>{name, name + "_2"}));
    const std::string second = join_path(albums(), name + "_2");
    EXPECT_EQ(test::read_file(join_path(second, "page1.html")), page);
    EXPECT_EQ(app.plat.shell.opened, std::vector<std::string>{join_path(second, "index.html")});
}

TEST_F(AlbumWindowTest, ScreenshotsThatHaveGoneAreLeftOutAndNamed) {
    open_with(12);
    send_all();
    const auto name = [&](int i) { return line_name(lines[static_cast<std::size_t>(i)]); };
    for (int i = 0; i < 11; ++i) fs::remove(to_fs_path(join_path(app.folders.shots, name(i))));
    const std::string gone = "次のスクリーンショットが見つかりませんでした（移動または削除されています）：";
    std::string first_ten;
    for (int i = 0; i < 10; ++i) first_ten += "\r\n" + name(i);

    // The one left makes the album; the box names the first ten that had gone and counts the rest.
    build(button::kCopyAlbum, {MsgResult::ok, MsgResult::no});
    const auto& asked = app.plat.prompts.asked();
    const MessageBox& notice = asked[asked.size() - 2].box;
    EXPECT_EQ(notice.text, gone + first_ten + "\r\nほか 1 枚\r\n\r\nこれらを除いてアルバムを作成しました。");
    EXPECT_EQ(last_prompt().box.title, "完了");
    ASSERT_EQ(entries(albums()).size(), 1u);
    const std::string album = join_path(albums(), entries(albums())[0]);
    EXPECT_EQ(entries(join_path(album, "images")), (std::vector<std::string>{name(11), "null.gif"}));
    EXPECT_EQ(a->album(), lines);

    // Any other failure still takes the album back, gone screenshots or not.
    app.plat.files.fail_copy = true;
    build(button::kCopyAlbum, {MsgResult::ok});
    EXPECT_EQ(
        last_prompt().box.text.rfind("アルバムを作成できませんでした。\r\n次のファイルをコピーできませんでした：", 0),
        0u)
        << last_prompt().box.text;
    EXPECT_EQ(entries(albums()).size(), 1u);

    // With none left there is nothing to build, and the box says why.
    app.plat.files.fail_copy = false;
    fs::remove(to_fs_path(join_path(app.folders.shots, name(11))));
    build(button::kPathAlbum, {MsgResult::ok});
    EXPECT_EQ(last_prompt().box.text, "アルバムを作成できませんでした。\r\n" + gone + first_ten + "\r\nほか 2 枚");
    EXPECT_EQ(entries(albums()).size(), 1u);
    EXPECT_FALSE(a->busy());
}

TEST_F(AlbumWindowTest, FailedBuildSaysWhatAndLeavesNoAlbum) {
    open_with(2);
    send_all();
    app.plat.files.disk_space = 0;
    build(button::kCopyAlbum, {MsgResult::ok});
    ASSERT_EQ(entries(albums()), std::vector<std::string>{});
    const std::string& text = last_prompt().box.text;
    EXPECT_EQ(text.rfind("アルバムを作成できませんでした。\r\n次のファイルを書き込めませんでした：\r\n", 0), 0u)
        << text;
    EXPECT_NE(text.find("index.html\r\n\r\n作りかけのアルバムは残っていません。"), std::string::npos) << text;
    EXPECT_EQ(last_prompt().box.title, kAppTitle);
    EXPECT_EQ(a->progress(), 0);

    // Without the placeholder picture the copy fails and says which file it needed.
    app.plat.files.disk_space.reset();
    fs::remove(to_fs_path(join_path(join_path(app.folders.program, "data"), "null.gif")));
    build(button::kCopyAlbum, {MsgResult::ok});
    EXPECT_NE(last_prompt().box.text.find("次のファイルをコピーできませんでした：\r\n" +
                                          join_path(join_path(app.folders.program, "data"), "null.gif")),
              std::string::npos);
    EXPECT_TRUE(entries(albums()).empty());
    EXPECT_FALSE(a->busy());
}

// The disk fills up halfway through the first screenshot copied: the part already written goes
// with the rest of the album.
TEST_F(AlbumWindowTest, ACopyBreakingOffMidFileLeavesNoAlbum) {
    struct FillingDisk : test::FaultyFileSystem {
        bool copy(const std::string& from, const std::string& to) override {
            if (from.ends_with(".jpg") && !disk_space) disk_space = *size(from) / 2;
            return FaultyFileSystem::copy(from, to);
        }
    } disk;
    app.plat.use(disk);
    open_with(2);
    send_all();
    build(button::kCopyAlbum, {MsgResult::ok});
    const std::string& text = last_prompt().box.text;
    EXPECT_EQ(text.rfind("アルバムを作成できませんでした。\r\n次のファイルをコピーできませんでした：\r\n", 0), 0u)
        << text;
    EXPECT_TRUE(text.ends_with("\r\n\r\n作りかけのアルバムは残っていません。")) << text;
    EXPECT_EQ(entries(albums()), std::vector<std::string>{});
}

}  // namespace
}  // namespace vis
