// Decoding ahead for the viewer: the right pictures, a small memory bound, never a stale one.
#include "viewer/prefetch.h"

#include <gtest/gtest.h>

#include "platform/jpeg.h"
#include "platform/keys.h"
#include "platform/paths.h"
#include "support/temp_folder.h"
#include "viewer_fixture.h"

namespace vis {
namespace {

using test::TempFolder;

std::vector<std::string> write_pictures(const TempFolder& dir, int n) {
    std::vector<std::string> paths;
    for (int i = 0; i < n; ++i) {
        paths.push_back(join_path(dir.path(), "p" + std::to_string(i) + ".jpg"));
        test::write_jpeg(paths.back(), 40 + i, 30, rgb(30 * i, 60, 90));
        test::set_modified(paths.back(), 1'000'000'000);
    }
    return paths;
}

void expect_same_picture(const std::optional<Picture>& got, const std::string& path) {
    ASSERT_TRUE(got.has_value());
    const auto direct = decode_jpeg_file(path);
    ASSERT_TRUE(direct.has_value());
    EXPECT_EQ(got->width, direct->width);
    EXPECT_EQ(got->height, direct->height);
    EXPECT_EQ(*got->pixels, *direct->pixels);
}

TEST(Prefetcher, KeepsTheMostRecentlyWantedPicturesUpToItsBound) {
    TempFolder dir;
    const auto paths = write_pictures(dir, 5);
    Prefetcher prefetch(3);
    prefetch.request(paths);
    prefetch.wait_idle();
    EXPECT_EQ(prefetch.kept(), 3u);
    EXPECT_FALSE(prefetch.take(paths[0]).has_value());
    EXPECT_FALSE(prefetch.take(paths[1]).has_value());
    for (int i = 2; i < 5; ++i) expect_same_picture(prefetch.take(paths[i]), paths[i]);

    // A file asked for again is kept over older ones, and is not decoded twice.
    const auto kept2 = prefetch.take(paths[2]);
    prefetch.request({paths[2], paths[0]});
    prefetch.wait_idle();
    EXPECT_EQ(prefetch.kept(), 3u);
    EXPECT_EQ(prefetch.take(paths[2])->pixels, kept2->pixels);
    expect_same_picture(prefetch.take(paths[0]), paths[0]);

    prefetch.clear();
    EXPECT_EQ(prefetch.kept(), 0u);
    EXPECT_FALSE(prefetch.take(paths[0]).has_value());
}

TEST(Prefetcher, AChangedOrVanishedFileIsNeverHandedOut) {
    TempFolder dir;
    const auto paths = write_pictures(dir, 3);
    Prefetcher prefetch;
    prefetch.request(paths);
    prefetch.wait_idle();

    // Another picture under the same name.
    test::write_jpeg(paths[0], 77, 30, rgb(255, 0, 0));
    EXPECT_FALSE(prefetch.take(paths[0]).has_value());
    // The same bytes with another time.
    test::set_modified(paths[1], 1'000'000'060);
    EXPECT_FALSE(prefetch.take(paths[1]).has_value());
    std::filesystem::remove(to_fs_path(paths[2]));
    EXPECT_FALSE(prefetch.take(paths[2]).has_value());

    // Asked again, the new contents are decoded.
    prefetch.request({paths[0]});
    prefetch.wait_idle();
    const auto again = prefetch.take(paths[0]);
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->width, 77);
}

TEST(Prefetcher, TakingWhileItDecodesGivesTheRightPictureOrNone) {
    TempFolder dir;
    const std::string path = join_path(dir.path(), "big.jpg");
    test::write_jpeg(path, 1920, 1080);
    Prefetcher prefetch;
    for (int round = 0; round < 10; ++round) {
        prefetch.request({path});
        const auto got = prefetch.take(path);
        if (got) expect_same_picture(got, path);
        prefetch.clear();
    }
    // Undecodable files are simply not kept.
    test::write_file(path, "not a jpeg");
    prefetch.request({path, join_path(dir.path(), "missing.jpg")});
    prefetch.wait_idle();
    EXPECT_EQ(prefetch.kept(), 0u);
}

TEST(ViewerPrefetch, StepsShowThePicturesDecodedAheadOnlyWhileTheViewerIsOpen) {
    test::App app;
    Form1& f = test::start_with_shots(app, 4);
    Form2& v = test::open_viewer_at(f, 1);
    v.prefetcher().wait_idle();
    EXPECT_EQ(v.prefetcher().kept(), 2u);  // the next and the previous

    const std::string next = join_path(app.folders.shots, test::shot_name(2));
    const auto ahead = v.prefetcher().take(next);
    ASSERT_TRUE(ahead.has_value());
    test::press_key(v, key::kRight);
    EXPECT_EQ(v.img_view.picture().pixels, ahead->pixels);
    EXPECT_EQ(f.img_pre.picture().pixels, ahead->pixels);

    v.prefetcher().wait_idle();
    EXPECT_LE(v.prefetcher().kept(), 3u);
    test::dbl_click(v.img_view);
    EXPECT_EQ(v.prefetcher().kept(), 0u);
    test::click_row(f.file_lst, 3);
    test::click_row(f.file_lst, 0);
    v.prefetcher().wait_idle();
    EXPECT_EQ(v.prefetcher().kept(), 0u);
}

TEST(ViewerPrefetch, AScreenshotChangedAfterItWasDecodedAheadShowsItsNewPicture) {
    test::App app;
    Form1& f = test::start_with_shots(app, 3);
    Form2& v = test::open_viewer_at(f, 0);
    v.prefetcher().wait_idle();
    const std::string next = join_path(app.folders.shots, test::shot_name(1));
    test::write_jpeg(next, 333, 40);
    test::set_modified(next, test::viewer_local_time(30));
    test::press_key(v, key::kRight);
    EXPECT_EQ(v.img_view.picture().width, 333);
    EXPECT_EQ(f.img_pre.picture().width, 333);
}

}  // namespace
}  // namespace vis
