// A screenshot folder holding what the game never writes: a folder named like a screenshot,
// symbolic link loops, a name that is not valid UTF-8 (the system's encoding here), an empty file
// and a 300 MB one. The lists show every file they can, stepping over each line never ends the
// program, and no message box comes up for any of it (an unexpected prompt fails at once).
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue/list_line.h"
#include "services/paths.h"
#include "support/app_fixture.h"
#include "ui/keys.h"
#include "viewer/viewer_window.h"

namespace vis {
namespace {

namespace fs = std::filesystem;
using test::App;

constexpr std::time_t kFirst = 1'165'000'000;
const std::string kGood1 = "PelmarOnline_2006115_01715.jpg";
const std::string kNotUtf8 = "PelmarOnline_\xff\xfe\x81.jpg";
const std::string kEmpty = "PelmarOnline_empty.jpg";
const std::string kHuge = "PelmarOnline_huge.jpg";
const std::string kGood2 = "PelmarOnline_2006116_00001.jpg";
constexpr std::uintmax_t kHugeBytes = 300ULL * 1024 * 1024;

// The folder, oldest first: the files the list must show, a minute apart.
std::vector<std::string> make_bad_folder(App& app) {
    app.folders.write_settings("1", "0");
    const std::string& shots = app.folders.shots;
    app.folders.add_shot(kGood1, kFirst, 64, 48);
    app.folders.add_shot(kNotUtf8, kFirst + 60, 80, 40);
    test::write_file(join_path(shots, kEmpty), "");
    test::set_modified(join_path(shots, kEmpty), kFirst + 120);
    {
        // Sparse: the length without the bytes.
        test::write_file(join_path(shots, kHuge), "");
        fs::resize_file(to_fs_path(join_path(shots, kHuge)), kHugeBytes);
        test::set_modified(join_path(shots, kHuge), kFirst + 180);
    }
    app.folders.add_shot(kGood2, kFirst + 240, 96, 48);

    fs::create_directory(to_fs_path(join_path(shots, "PelmarOnline_folder.jpg")));
    fs::create_symlink("PelmarOnline_loop.jpg", to_fs_path(join_path(shots, "PelmarOnline_loop.jpg")));
    fs::create_symlink("PelmarOnline_b.jpg", to_fs_path(join_path(shots, "PelmarOnline_a.jpg")));
    fs::create_symlink("PelmarOnline_a.jpg", to_fs_path(join_path(shots, "PelmarOnline_b.jpg")));
    fs::create_directory_symlink(".", to_fs_path(join_path(shots, "PelmarOnline_up.jpg")));
    return {kGood1, kNotUtf8, kEmpty, kHuge, kGood2};
}

std::vector<std::string> names_in(const std::vector<std::string>& lines) {
    std::vector<std::string> names;
    for (const std::string& line : lines) names.push_back(line_name(line));
    return names;
}

TEST(BadFolders, EveryFileIsListedAndNothingElse) {
    App app;
    const auto expected = make_bad_folder(app);
    app.start();
    test::MainSurface m = app.main();
    EXPECT_EQ(names_in(m.oldest_first()), expected);
    EXPECT_EQ(names_in(m.newest_first()), std::vector<std::string>(expected.rbegin(), expected.rend()));
    // The oldest is shown, with the sparse file's whole length in the folder total.
    EXPECT_EQ(m.preview_width(), 64);
    EXPECT_NE(m.panel().find("(1/5)　　　全 300 MB"), std::string::npos) << m.panel();
    EXPECT_TRUE(m.enabled(test::entry::kSave));
}

TEST(BadFolders, EachLineShowsWhatItCanAndTheRestAreDescribedWithNoPicture) {
    App app;
    make_bad_folder(app);
    app.start();
    test::MainSurface m = app.main();

    m.choose(1);  // the name the system's encoding cannot read is still a file
    EXPECT_EQ(m.preview_width(), 80);
    EXPECT_NE(m.panel().find("ファイル名：" + kNotUtf8), std::string::npos);
    // Empty, 300 MB: nothing to show, nothing read; the panel names them and says so.
    for (const auto& [row, name, size] : {std::tuple{2, kEmpty, "0 KB"}, std::tuple{3, kHuge, "307200 KB"}}) {
        m.choose(row);
        EXPECT_TRUE(m.preview().empty()) << row;
        EXPECT_EQ(m.panel().find("ファイル名：" + name), 0u) << row;
        EXPECT_NE(m.panel().find(std::string("サイズ　　：") + size + "\r\n　　(" + std::to_string(row + 1) +
                                 "/5)　　　全 300 MB\r\nこの画像は表示できません\r\n"),
                  std::string::npos)
            << m.panel();
    }
    m.choose(4);
    EXPECT_EQ(m.preview_width(), 96);

    // The newest-first order and a rebuild go over the same files.
    m.switch_order();
    EXPECT_EQ(m.chosen(), 4);
    EXPECT_EQ(m.preview_width(), 64);
    m.window().relist();
    EXPECT_EQ(m.count(), 5);
    EXPECT_EQ(m.preview_width(), 64);
}

TEST(BadFolders, TheViewerStepsAcrossEveryLineBothWays) {
    App app;
    make_bad_folder(app);
    app.start();
    test::MainSurface m = app.main();
    m.double_click_preview();
    ASSERT_TRUE(m.viewer_open());
    test::ViewerSurface v = m.viewer();
    std::vector<int> widths{v.picture_width()};
    for (int i = 0; i < 4; ++i) {
        v.press(key::kRight);
        widths.push_back(v.picture_width());
        if (i == 1) {
            EXPECT_TRUE(v.notice_shown());
        }
    }
    // The unreadable two show no picture, with a notice, and bar nothing beyond them.
    EXPECT_EQ(widths, (std::vector<int>{64, 80, 0, 0, 96}));
    EXPECT_EQ(m.chosen(), 4);
    for (int i = 0; i < 4; ++i) v.press(key::kLeft);
    EXPECT_EQ(m.chosen(), 0);
    EXPECT_EQ(v.picture_width(), 64);
    EXPECT_TRUE(v.shown());
}

}  // namespace
}  // namespace vis
