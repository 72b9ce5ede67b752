// Decoding ahead for the viewer: the right pictures, a small memory bound, never a stale one.
#include "catalogue/prefetch.h"

#include <gtest/gtest.h>

#include "imaging/jpeg.h"
#include "imaging/picture_scale.h"
#include "services/paths.h"
#include "support/temp_folder.h"
#include "ui/keys.h"
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

// A file the caller decodes itself (taken before its turn came) is not opened by the worker
// afterwards: on Windows a file held open stays in its folder after a delete until it is closed,
// so the program would still see a screenshot the user has just removed.
TEST(Prefetcher, AFileTakenBeforeItsTurnIsNotDecodedBehindTheCallersBack) {
    TempFolder dir;
    std::vector<std::string> paths;
    for (int i = 0; i < 3; ++i) {
        paths.push_back(join_path(dir.path(), "big" + std::to_string(i) + ".jpg"));
        test::write_jpeg(paths.back(), 1920, 1080);
    }
    const std::string small = write_pictures(dir, 1).front();
    Prefetcher prefetch(8);
    prefetch.request({paths[0], paths[1], paths[2], small});
    // Still waiting behind three full-size pictures: the caller decodes it itself.
    EXPECT_FALSE(prefetch.take(small).has_value());
    prefetch.wait_idle();
    EXPECT_EQ(prefetch.kept(), 3u);
    EXPECT_FALSE(prefetch.take(small).has_value());
}

TEST(DecodeAhead, TheListAndTheViewerShowThePicturesDecodedAhead) {
    test::App app;
    test::start_with_shots(app, 4);
    test::MainSurface m = app.main();
    m.choose(1);
    m.window().decode_ahead().wait_idle();
    // The previous and the next line are ready.
    EXPECT_TRUE(m.window().decode_ahead().take(join_path(app.folders.shots, test::shot_name(0))).has_value());
    const auto ahead = m.window().decode_ahead().take(join_path(app.folders.shots, test::shot_name(2)));
    ASSERT_TRUE(ahead.has_value());

    // Down in the list takes the next picture as it was decoded ahead.
    m.press(key::kDown);
    EXPECT_EQ(m.preview().pixels, ahead->pixels);

    // So does a step in the viewer.
    m.window().decode_ahead().wait_idle();
    const auto next = m.window().decode_ahead().take(join_path(app.folders.shots, test::shot_name(3)));
    ASSERT_TRUE(next.has_value());
    test::ViewerSurface v = m.view(2);
    v.press(key::kRight);
    EXPECT_EQ(v.picture().pixels, next->pixels);
    m.window().decode_ahead().wait_idle();
    EXPECT_LE(m.window().decode_ahead().kept(), 3u);
}

TEST(DecodeAhead, APictureDecodedAheadComesShrunkForThePreviewByAveraging) {
    test::App app;
    test::start_with_shots(app, 2);
    test::MainSurface m = app.main();
    m.window().decode_ahead().wait_idle();
    m.press(key::kDown);
    const Picture& shown = m.preview();
    ASSERT_TRUE(shown.scaled);
    // The preview's 12000 x 9000 twips at 15 twips a pixel.
    EXPECT_EQ(shown.scaled->width, 800);
    EXPECT_EQ(shown.scaled->height, 600);

    // Four pixels into one: the rounded mean of each component.
    auto px = std::make_shared<std::vector<std::uint32_t>>(
        std::vector<std::uint32_t>{0x000000, 0x0A1403, 0x020406, 0x0A1403});
    const ScaledCopy one = scale_by_area(Picture{2, 2, px}, 1, 1);
    ASSERT_EQ(one.pixels.size(), 1u);
    EXPECT_EQ(one.pixels[0] & 0xFFFFFF, 0x060B03u);
    EXPECT_TRUE(scale_by_area(Picture{}, 10, 10).pixels.empty());
}

TEST(PictureScale, EachPixelIsTheRoundedMeanOfTheSourcePixelsItCovers) {
    const struct {
        int from_width, from_height, width, height;
    } shapes[] = {
        {240, 135, 192, 108},  // a full-HD screenshot's 1/8 decode into a thumbnail cell
        {7, 5, 3, 2},          // spans of unequal widths
        {1920, 1, 1, 1},       // a whole row into one pixel
        {2, 3, 5, 7},          // larger than the picture: pixels repeat
    };
    for (const auto& s : shapes) {
        SCOPED_TRACE(std::to_string(s.from_width) + "x" + std::to_string(s.from_height));
        auto px = std::make_shared<std::vector<std::uint32_t>>();
        std::uint32_t seed = 7;
        for (int i = 0; i < s.from_width * s.from_height; ++i)
            px->push_back((seed = seed * 1664525u + 1013904223u) >> 8);
        const Picture from{s.from_width, s.from_height, px};
        const ScaledCopy to = scale_by_area(from, s.width, s.height);
        ASSERT_EQ(to.pixels.size(), static_cast<std::size_t>(s.width) * s.height);
        // Target pixel t of n over m source pixels covers [t*m/n, (t+1)*m/n), at least one.
        const auto cover = [](int t, int n, int m) {
            const int first = t * m / n;
            return std::make_pair(first, std::max(first + 1, (t + 1) * m / n));
        };
        for (int ty = 0; ty < s.height; ++ty)
            for (int tx = 0; tx < s.width; ++tx) {
                const auto [x0, x1] = cover(tx, s.width, s.from_width);
                const auto [y0, y1] = cover(ty, s.height, s.from_height);
                const int n = (x1 - x0) * (y1 - y0);
                std::uint32_t want = 0xFF000000u;
                for (int shift : {16, 8, 0}) {
                    int sum = 0;
                    for (int y = y0; y < y1; ++y)
                        for (int x = x0; x < x1; ++x) sum += static_cast<int>(from.pixel(x, y) >> shift & 0xFF);
                    want |= static_cast<std::uint32_t>((sum + n / 2) / n) << shift;
                }
                ASSERT_EQ(to.pixels[static_cast<std::size_t>(ty) * s.width + tx], want) << tx << "," << ty;
            }
    }
}

TEST(DecodeAhead, AScreenshotChangedAfterItWasDecodedAheadShowsItsNewPicture) {
    for (const bool same_size : {false, true}) {
        SCOPED_TRACE(same_size ? "only its time changed" : "its size changed");
        test::App app;
        app.folders.write_settings("1", "0");
        test::add_viewer_shots(app, 3);
        const std::string next = join_path(app.folders.shots, test::shot_name(1));
        // Room at its end, so a new picture of the same length can take its place.
        test::write_file(next, test::read_file(next) + std::string(64, '\0'));
        test::set_modified(next, test::viewer_local_time(1));
        app.start();
        test::MainSurface m = app.main();
        m.window().decode_ahead().wait_idle();
        if (same_size) {
            // Same length, new bytes: only the time tells the file changed. A decoder stops at the
            // picture's end marker, so padding brings the new file to the old length.
            const std::size_t old_size = test::read_file(next).size();
            std::string other = test::write_jpeg(next, test::shot_width(1), 60, rgb(250, 0, 0));
            ASSERT_LE(other.size(), old_size);
            other.resize(old_size, '\0');
            test::write_file(next, other);
        } else {
            test::write_jpeg(next, 333, 40);
        }
        test::set_modified(next, test::viewer_local_time(30));
        m.press(key::kDown);
        EXPECT_EQ(m.preview_width(), same_size ? test::shot_width(1) : 333);
        if (same_size) {
            const std::uint32_t centre = m.preview().pixel(test::shot_width(1) / 2, 30);
            EXPECT_GT(centre >> 16 & 0xFFu, 200u);
        }
        test::ViewerSurface v = m.view(0);
        v.press(key::kRight);
        EXPECT_EQ(v.picture_width(), same_size ? test::shot_width(1) : 333);
    }
}

}  // namespace
}  // namespace vis
