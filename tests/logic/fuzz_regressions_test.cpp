// Inputs the fuzz targets in fuzz/ found faults with, kept as they were found.
#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <string>

#include "album/album_writer.h"
#include "catalogue/list_line.h"
#include "services/paths.h"
#include "support/album_recorder.h"

namespace vis {
namespace {

// A file time some 3,200 years before the epoch: the year came out as "-119" with a minus sign
// cut into the digits. Times beyond four-digit years show the first or last moment four digits
// can write, so lines keep their shape and sort where their time belongs.
TEST(FuzzRegressions, FileTimesBeyondFourDigitYearsKeepTheLineShape) {
    const std::int64_t found = static_cast<std::int64_t>(0xffffffe89fff6900ULL);
    const std::string name = "PelmarOnline_\xff\xfe.jpg";
    const std::string early = make_list_line(static_cast<std::time_t>(found), name);
    EXPECT_EQ(early, "0000/01/01 00:00:00 │ " + name);
    EXPECT_EQ(line_name(early), name);
    EXPECT_EQ(line_date(make_list_line(400'000'000'000, name)), "9999/12/31 23:59:59");  // year 14,600
    EXPECT_EQ(line_date(make_list_line(INT64_MAX, name)), "9999/12/31 23:59:59");
    EXPECT_EQ(line_date(make_list_line(INT64_MIN, name)), "0000/01/01 00:00:00");
}

struct FixedClock : Clock {
    std::int64_t now_ms() const override { return 1'165'503'873'000; }
};

std::size_t lines_in(const std::string& text) {
    std::size_t n = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++n;
    return n;
}

// A colour typed with a line break and a file name holding one (Linux allows it) split cells
// over two lines, and a browser dropped the break from the link, which then named another file.
TEST(FuzzRegressions, LineBreaksInNamesAndColoursStayInsideTheirCell) {
    AlbumInput in;
    in.shots_folder = join_path("game", "Screen Save");
    in.program_folder = "prog";
    in.line_colour =
        "'\"><\x05&amp\x04"
        "a'b\"<c>.jpg\n%23?#.jpg";
    in.edge_colour = "Aqua";
    in.shots = {{.name = "a\r\nb.jpg", .size = 0, .saved = 20061105010715}};
    test::AlbumRecorder out;
    const AlbumResult r = write_album(in, FixedClock(), out);
    ASSERT_TRUE(r.ok());
    const std::string page = out.files.at(join_path(r.folder, "page1.html"));
    EXPECT_EQ(lines_in(page), 26u);  // as many lines as the template, none split
    EXPECT_EQ(page.find("\n%23"), std::string::npos);
    EXPECT_NE(page.find("<table bgcolor='&#39;&quot;&gt;&lt;\x05&amp;amp\x04"
                        "a&#39;b&quot;&lt;c&gt;.jpg&#10;%23?#.jpg' "),
              std::string::npos);
    EXPECT_NE(page.find("a&#13;&#10;b.jpg<br>"), std::string::npos);
    EXPECT_NE(page.find("<a href='images/a%0D%0Ab.jpg'><img src='images/a%0D%0Ab.jpg'"), std::string::npos);
}

}  // namespace
}  // namespace vis
