// "保存" in the editor: the save-name loop, the stamp, the JPEG written whole, and failures that
// show their code and leave nothing behind.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/credits.h"
#include "editor/edit_save.h"
#include "editor/stamp.h"
#include "imaging/jpeg.h"
#include "services/paths.h"
#include "support/editor_surface.h"
#include "viewer_fixture.h"

namespace vis {
namespace {

using namespace test::editor_button;

constexpr const char* kShot = "PelmarOnline_2006115_01715.jpg";

struct SaveEdit : ::testing::Test {
    test::App app;
    test::EditorSurface e{app};
    std::string folder;  // the default save folder
    std::string target;  // a file in it holding "old"

    void SetUp() override {
        folder = join_path(app.folders.root.path(), "saved");
        std::filesystem::create_directory(folder);
        target = join_path(folder, "mine.jpg");
        test::write_file(target, "old");
        app.folders.write_settings("1", "0", folder);
        app.folders.add_shot("PelmarOnline_2006114_00001.jpg", test::viewer_local_time(0), 800, 600);
        app.folders.add_shot(kShot, test::viewer_local_time(1), 800, 600, rgb(30, 60, 90));
        app.start();
        // The second line: the screenshot the editor opens on.
        app.main().choose(1);
        app.main().choose_menu(test::entry::kEdit);
        ASSERT_TRUE(e.open());
    }
    const std::vector<test::AskedPrompt>& asked() const { return app.plat.prompts.asked(); }
    // Saves under `path`, replacing a file that is there; returns the message that ends it.
    std::string save_as(const std::string& path) {
        auto& prompts = app.plat.prompts;
        prompts.answer_save(path);
        if (std::filesystem::exists(path)) prompts.answer_message(MsgResult::yes);
        prompts.answer_message(MsgResult::ok);
        e.click(kSave);
        return asked().back().box.text;
    }
    std::vector<std::string> files_in(const std::string& dir) const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir)) names.push_back(e.path().filename().string());
        return names;
    }
};

TEST_F(SaveEdit, ProposesEditNameAndLoopsOnEmptyNoAndCancel) {
    auto& prompts = app.plat.prompts;
    prompts.answer_save("");
    prompts.answer_message(MsgResult::ok);
    prompts.answer_save(target);
    prompts.answer_message(MsgResult::no);
    prompts.answer_save(target);
    prompts.answer_message(MsgResult::cancel);
    e.click(kSave);

    // Every round opens afresh in the default folder on the screenshot's name; the questions in
    // between are those of saving from the viewer.
    ASSERT_EQ(asked().size(), 6u);
    for (int i : {0, 2, 4}) {
        const FileDialog& d = asked()[static_cast<std::size_t>(i)].dialog;
        EXPECT_EQ(d.initial_folder, folder) << i;
        EXPECT_EQ(d.file_name, std::string("Edit_") + kShot) << i;
    }
    EXPECT_EQ(asked()[1].box.text, "ファイル名が入力されていません。");
    EXPECT_EQ(asked()[3].box.buttons, MsgButtons::yes_no_cancel);
    EXPECT_EQ(test::read_file(target), "old");
    EXPECT_TRUE(app.plat.painter.lines.empty());  // nothing stamped

    // Cancelling the dialog ends silently.
    prompts.clear_asked();
    prompts.answer_save(std::nullopt);
    e.click(kSave);
    EXPECT_EQ(asked().size(), 1u);
}

TEST_F(SaveEdit, YesReplacesTheFileWithTheStampedCanvasAsAJpeg) {
    // The canvas keeps the font and colour of the last text printed, empty here.
    e.pick_colour(rgb(1, 2, 3));
    e.click(kText);
    e.stroke({{0, 0}});
    app.plat.windows.advance(1);
    test::TextSurface d = e.text_dialog();
    d.choose_font("ＭＳ 明朝");
    d.type_size("20");
    d.choose_style("太字");
    d.ok();
    const Font own{"ＭＳ 明朝", 20, true, false};
    const Canvas& canvas = e.document().canvas();
    ASSERT_EQ(canvas.font(), own);
    app.plat.painter.lines.clear();
    EXPECT_EQ(save_as(target), "保存しました");

    const std::vector<std::string> lines{
        std::string(kCopyrightLine) + app.plat.update_server + "/",
        "(C) Pelmar Online 開発元 All rights reserved. 運営会社に独占的に許諾。発行元 All rights reserved."};
    EXPECT_EQ(app.plat.painter.lines, lines);
    EXPECT_EQ(canvas.font(), own);
    EXPECT_EQ(canvas.text_colour(), rgb(1, 2, 3));
    // The stamp's white blocks lie at (800 - 5300 / 15, 600 - 400 / 15) and (800 - 9400 / 15, 600 - 220 / 15).
    const Picture edited = e.picture();
    EXPECT_EQ(edited.pixel(448, 575) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(edited.pixel(175, 587) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_NE(edited.pixel(445, 572) & 0xFFFFFF, 0xFFFFFFu);

    const auto saved = decode_jpeg_file(target);
    ASSERT_TRUE(saved);
    ASSERT_EQ(saved->width, 800);
    ASSERT_EQ(saved->height, 600);
    int worst = 0;
    for (int y = 0; y < 600; y += 7)
        for (int x = 0; x < 800; x += 7)
            for (int shift : {0, 8, 16}) {
                const int a = static_cast<int>(saved->pixel(x, y) >> shift & 0xFF);
                const int b = static_cast<int>(edited.pixel(x, y) >> shift & 0xFF);
                worst = std::max(worst, std::abs(a - b));
            }
    EXPECT_LE(worst, 12);
    EXPECT_GT(saved->pixel(460, 580) & 0xFF, 230u);  // inside the first stamp line
    EXPECT_EQ(files_in(folder), std::vector<std::string>{"mine.jpg"});
    for (const std::string& name : files_in(app.folders.program)) EXPECT_NE(name, "img.bmp");
}

TEST_F(SaveEdit, AFullDiskShowsItsCodeAndLeavesTheOldFileAndNothingElse) {
    app.plat.files.disk_space = 1000;
    for (const std::string& path : {target, join_path(folder, "new.jpg")}) {
        EXPECT_EQ(save_as(path), "保存に失敗しました(2)") << path;
        EXPECT_EQ(files_in(folder), std::vector<std::string>{"mine.jpg"}) << path;
    }
    EXPECT_EQ(test::read_file(target), "old");
}

TEST(SaveEditStamp, LandsOnTheSamePixelsWhateverTheScreensScale) {
    const Picture shot{800, 600, std::make_shared<std::vector<std::uint32_t>>(800 * 600, 0xFF102030u)};
    test::BlockTextPainter painter;
    std::vector<std::uint32_t> stamped[2];
    for (const int ratio : {1, 2}) {
        Canvas canvas;
        canvas.set_screen(15, ratio);
        canvas.set_background(shot);
        stamp_notices(canvas, painter, "Vistelle", "Pelmar Online");
        stamped[ratio - 1] = *canvas.image().pixels;
    }
    EXPECT_NE(stamped[0], *shot.pixels);
    EXPECT_EQ(stamped[1], stamped[0]);
}

TEST(SaveEditFile, AFailingEncoderWritesNothing) {
    test::TempFolder dir;
    test::FaultyFileSystem fs;
    const std::string path = join_path(dir.path(), "out.jpg");
    const Picture picture{2, 2, std::make_shared<std::vector<std::uint32_t>>(4, 0xFF102030u)};
    EXPECT_EQ(save_edit(fs, path, picture, [](const Picture&, int) { return std::vector<unsigned char>{}; }),
              kEncodeFailed);
    EXPECT_TRUE(fs.writes.empty());
    EXPECT_FALSE(std::filesystem::exists(path));

    int quality = 0;
    EXPECT_EQ(save_edit(fs, path, picture,
                        [&](const Picture& p, int q) {
                            quality = q;
                            return encode_jpeg(p, q);
                        }),
              kSaved);
    EXPECT_EQ(quality, 80);
    EXPECT_EQ(decode_jpeg_file(path)->pixel(1, 1) & 0xFFFFFF, 0x102030u);
}

}  // namespace
}  // namespace vis
