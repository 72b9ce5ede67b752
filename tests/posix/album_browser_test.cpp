// A copy album written to real files and opened in headless Chromium: the browser's own
// parse shows the frame, the page menu and the thumbnails, and its picture of page 1 shows
// every thumbnail at full size.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "album/album_writer.h"
#include "album/disk_album_output.h"
#include "catalogue/save_time.h"
#include "imaging/jpeg.h"
#include "services/paths.h"
#include "services/system_clock.h"
#include "support/temp_folder.h"
#include "system_file_system.h"
#include "ui/colour.h"

namespace vis {
namespace {

namespace fs = std::filesystem;

std::string chromium(const std::string& profile, const std::string& what, const std::string& file) {
    return "timeout 60 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
           "--disable-background-networking --disable-component-update --disable-sync --user-data-dir='" +
           profile + "' " + what + " 'file://" + file + "' 2>/dev/null";
}

// The document as Chromium built it, or empty when the browser did not answer in time.
std::string dump_dom(const std::string& file, const std::string& profile) {
    const std::string command = chromium(profile, "--dump-dom", file);
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {};
    std::string dom;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) dom.append(buf, n);
    pclose(pipe);
    return dom;
}

struct FixedClock : Clock {
    explicit FixedClock(std::int64_t ms) : ms(ms) {}
    std::int64_t ms;
    std::int64_t now_ms() const override { return ms; }
};

int count_of(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + 1)) ++n;
    return n;
}

// The page as Chromium draws it in a window of the given size, one pixel to a CSS pixel.
std::optional<Picture> screenshot(const std::string& file, const std::string& profile, int width, int height) {
    const std::string shot = join_path(profile, "page.jpeg");
    const std::string size = std::to_string(width) + "," + std::to_string(height);
    const std::string command = chromium(profile,
                                         "--hide-scrollbars --force-device-scale-factor=1 --window-size=" + size +
                                             " --screenshot='" + shot + "'",
                                         file) +
                                " >/dev/null";
    if (std::system(command.c_str()) != 0) return std::nullopt;
    return decode_jpeg_file(shot);
}

// Pixels within a small distance of the colour on every channel, as a JPEG keeps a flat colour.
int pixels_of(const Picture& p, Colour c) {
    int n = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const std::uint32_t px = p.pixel(x, y);  // B, G, R bytes
            const int r = static_cast<int>((px >> 16) & 0xFF), g = static_cast<int>((px >> 8) & 0xFF),
                      b = static_cast<int>(px & 0xFF);
            if (std::abs(r - red_of(c)) <= 24 && std::abs(g - green_of(c)) <= 24 && std::abs(b - blue_of(c)) <= 24) ++n;
        }
    return n;
}

TEST(AlbumBrowser, ChromiumFindsTheFrameMenuAndThumbnails) {
    ASSERT_EQ(std::system("command -v chromium >/dev/null 2>&1"), 0) << "chromium is missing: run scripts/setup.sh";
    test::GameFolders folders;
    fs::create_directory(to_fs_path(join_path(folders.program, "album")));
    const std::string gif(
        "GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff\x2c\x00\x00\x00\x00\x01\x00"
        "\x01\x00\x00\x02\x02\x44\x01\x00\x3b",
        36);
    test::write_file(join_path(join_path(folders.program, "data"), "null.gif"), gif);

    AlbumInput in;
    in.shots_folder = folders.shots;
    in.program_folder = folders.program;
    in.line_colour = "Black";
    in.edge_colour = "Aqua";
    in.zoom = true;
    std::vector<std::string> shots;
    // Page 1's pictures each in a flat colour of their own, none of them the table's black, the
    // cells' white or the side cells' aqua.
    std::vector<Colour> colours;
    const int levels[] = {40, 128, 215};
    for (int i = 0; i < 9; ++i) colours.push_back(rgb(levels[i % 3], levels[i / 3], 150));
    const std::time_t when = 1165500000;
    for (int i = 0; i < 10; ++i) {
        // The last one's name holds characters that mean something in HTML.
        const std::string name =
            i < 9 ? "PelmarOnline_2006115_0" + std::to_string(1000 + i) + ".jpg" : "PelmarOnline_<b>&'9.jpg";
        shots.push_back(folders.add_shot(name, when + 60 * i, 64, 48, i < 9 ? colours[i] : rgb(200, 60, 60)));
        in.shots.push_back({.name = name, .size = 0, .saved = save_time_of(when + 60 * i)});
    }

    test::SystemFileSystem disk;
    DiskAlbumOutput out(disk);
    const FixedClock clock(SystemClock().now_ms());
    const AlbumResult r = write_album(in, clock, out);
    ASSERT_TRUE(r.ok()) << r.failed_path;
    for (int i = 0; i < 10; ++i) {
        const std::string& name = in.shots[static_cast<std::size_t>(i)].name;
        EXPECT_EQ(test::read_file(join_path(join_path(r.folder, "images"), name)), test::read_file(shots[i])) << name;
    }
    EXPECT_EQ(test::read_file(join_path(join_path(r.folder, "images"), "null.gif")), gif);
    // Written whole: no temporary file stays behind.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(to_fs_path(r.folder))) ++entries;
    EXPECT_EQ(entries, 4);  // index.html, page1.html, page2.html, images

    // A second build in the same second goes into a folder of its own and leaves the first album
    // alone; the browser reads the second one, so its links are shown to work from there.
    const std::string index_bytes = test::read_file(r.index);
    const AlbumResult again = write_album(in, clock, out);
    ASSERT_TRUE(again.ok()) << again.failed_path;
    EXPECT_EQ(again.folder, r.folder + "_2");
    EXPECT_EQ(test::read_file(r.index), index_bytes);

    test::TempFolder profile;
    const std::string index = dump_dom(again.index, profile.path());
    EXPECT_NE(index.find("<iframe src=\"page1.html\""), std::string::npos) << index;
    EXPECT_NE(index.find("name=\"frame\""), std::string::npos);
    EXPECT_NE(index.find("<a href=\"page2.html\" target=\"frame\">[2]</a>"), std::string::npos);

    // Page 1: the first nine screenshots, in list order.
    const std::string page1_path = join_path(again.folder, "page1.html");
    const std::string page1 = dump_dom(page1_path, profile.path());
    EXPECT_EQ(count_of(page1, "<img "), 9) << page1;
    std::size_t at = 0;
    for (int i = 0; i < 9; ++i) {
        const std::string img = "<img src=\"images/" + in.shots[static_cast<std::size_t>(i)].name + "\"";
        at = page1.find(img, at);
        ASSERT_NE(at, std::string::npos) << img;
    }
    // Drawn, each picture fills its whole 320 x 240 thumbnail: it loaded from images/.
    const auto drawn = screenshot(page1_path, profile.path(), 1280, 1024);
    ASSERT_TRUE(drawn) << "no screenshot from chromium";
    for (int i = 0; i < 9; ++i) {
        const int n = pixels_of(*drawn, colours[static_cast<std::size_t>(i)]);
        EXPECT_GT(n, 320 * 240 * 9 / 10) << "picture " << i;
        EXPECT_LT(n, 320 * 240 * 11 / 10) << "picture " << i;
    }

    const std::string page = dump_dom(join_path(again.folder, "page2.html"), profile.path());
    EXPECT_EQ(count_of(page, "<img "), 9) << page;
    EXPECT_EQ(count_of(page, "<img src=\"images/null.gif\""), 8);
    EXPECT_EQ(count_of(page, "<td "), 11);  // nine thumbnails, the previous and the finish cell
    EXPECT_EQ(count_of(page, "</tr>"), 3);
    // The odd name is caption text, and its picture is one image of its own.
    EXPECT_NE(page.find(">PelmarOnline_&lt;b&gt;&amp;'9.jpg<br>"), std::string::npos);
    EXPECT_EQ(count_of(page, "<b>"), 0);
    EXPECT_NE(page.find("<a href=\"page1.html\">前へ<br>(1)</a>"), std::string::npos);
}

}  // namespace
}  // namespace vis
