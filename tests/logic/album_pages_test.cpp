// The thumbnail album: whole pages byte for byte, copy and absolute-path albums, escaping,
// and builds that fail half way.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <filesystem>

#include "album/album_writer.h"
#include "services/paths.h"
#include "support/album_inputs.h"
#include "support/album_recorder.h"
#include "support/temp_folder.h"

namespace vis {
namespace {

using test::AlbumRecorder;
using namespace test::album;

// Lines joined with CR LF, the last one ended too.
std::string crlf(const std::string& lf_text) {
    std::string r;
    for (const char c : lf_text) r += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return r;
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

const std::string kTitle = "<html><head><title>2006/12/07 15:04:33 作成 - Pelmarオンライン - Vistelle</title>\n";

const std::string kPageHead = kTitle + R"(<style TYPE=text/css>
td{
 color: #55555a;
 font-family: ＭＳ ゴシック;
 font-size: 10px;
}
body{
 color: #55555a;
 font-family: ＭＳ ゴシック;
 font-size: 10px;
}
BODY{overflow : hidden;}
</style>
)";

const std::string kScript = R"(<script language="JavaScript"><!--
function MouseOver_Events(cnt){
for(i=0;i<9;i++){
document.images["img_" + i].width = 180;
document.images["img_" + i].height = 120;
}
document.images["img_" + cnt].width = 600;
document.images["img_" + cnt].height = 480;
}
//--></script>
<script language="JavaScript"><!--
function MouseOut_Events(cnt){
for(i=0;i<9;i++){
document.images["img_" + i].width = 320;
document.images["img_" + i].height = 240;
}}
//--></script>
)";

const std::string kTd =
    R"(<td align='center' style="filter:Alpha(opacity=100)};" onMouseover="this.filters['alpha'].opacity=90" onMouseout="this.filters['alpha'].opacity=100"><div style="position:relative;">)";

std::string side(const std::string& edge, const std::string& content) {
    return "<td rowspan='3' bgcolor='" + edge +
           R"(' style="filter:Alpha(opacity=100)};" onMouseover="this.filters['alpha'].opacity=80" onMouseout="this.filters['alpha'].opacity=100"><div style="position:relative;">)" +
           content + "</div></td>";
}
const std::string kBegin = side("Aqua", "Ｂ<br>Ｅ<br>Ｇ<br>Ｉ<br>Ｎ");
const std::string kFinish = side("Aqua", "Ｆ<br>Ｉ<br>Ｎ<br>Ｉ<br>Ｓ<br>Ｈ");

// A row of three cells, each given as its caption-and-picture part.
std::string row(const std::string& left, const std::string& c0, const std::string& c1, const std::string& c2,
                const std::string& right) {
    return "<tr bgcolor='white'><div style=\"position:relative;\">" + left + "</div>" + kTd + c0 + "</div></td>\n" +
           kTd + c1 + "</div></td>\n" + kTd + c2 + "</div></td>" + right + "</tr>\n";
}

// Link and zoom on, both captions on, copy album.
std::string zoom_cell(const std::string& name, const std::string& date, const std::string& ref, int j) {
    const std::string n = std::to_string(j);
    return name + "<br>" + date + "<br><a href='" + ref + "'><img src='" + ref +
           "' width='320' height='240' border='0' name='img_" + n + "' onMouseOver='JavaScript:MouseOver_Events(" + n +
           ")'></a>";
}
std::string shot_cell(int i) {
    return zoom_cell(shot_name(i), " (" + shot_date(i) + ")", "images/" + shot_name(i), i % 9);
}

TEST(AlbumPages, TenShotsMakeACopyAlbumOfAFullAndAFilledUpPage) {
    AlbumInput in = input_of(10);
    in.zoom = true;
    AlbumRecorder out;
    const AlbumResult r = write_album(in, creation_clock(), out);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.folder, kAlbum);
    EXPECT_EQ(r.index, kIndex);

    std::vector<std::string> calls = {"mkdir " + kAlbum, "mkdir " + kImages, "write " + kIndex};
    for (int i = 0; i < 9; ++i) {
        calls.push_back("copy " + join_path(kShots, shot_name(i)) + " -> " + join_path(kImages, shot_name(i)));
    }
    calls.push_back("write " + page_path(1));
    calls.push_back("copy " + kNullGif + " -> " + join_path(kImages, "null.gif"));
    calls.push_back("copy " + join_path(kShots, shot_name(9)) + " -> " + join_path(kImages, shot_name(9)));
    calls.push_back("write " + page_path(2));
    EXPECT_EQ(out.calls, calls);
    // By pages: through the index's page menu, then through the pages.
    EXPECT_EQ(out.progress_values, (std::vector<int>{50, 100, 50, 100}));

    EXPECT_EQ(out.files[kIndex], crlf(kTitle + R"(<style TYPE=text/css>
body{
 color: #55555a;
 font-family: ＭＳ ゴシック;
 font-size: 11px;
}
a{
 color: #00bbff;
 font-family: ＭＳ ゴシック;
 font-size: 11px;
 text-decoration:none;
}
a:hover { background-color:red; }
BODY{overflow : hidden;}!
</style></head><body leftmargin="0" topmargin="2">
　Pages:2(10Shots)　
2006/12/07 15:04:33　
<a href='page1.html' target='frame'>[1]</a>　
<a href='page2.html' target='frame'>[2]</a>　
<iframe src="page1.html" width="100%" height="100%" frameborder="0" border="0" framespacing="0" name="frame"></iframe></body></html>
)"));

    const std::string table =
        "<table bgcolor='Black' cellpadding='5' cellspacing='1' onMouseOut=\"JavaScript:MouseOut_Events()\">\n";
    const std::string next = side("Aqua", "<a href='page2.html'>次へ<br>(2)</a>");
    EXPECT_EQ(out.files[page_path(1)],
              crlf(kPageHead + kScript +
                   "</head><body topmargin=\"0\"><center><div align='right'>[ 1 / 2 ] ( 1 - 9 )</div>\n" + table +
                   row(kBegin, shot_cell(0), shot_cell(1), shot_cell(2), next) +
                   row("", shot_cell(3), shot_cell(4), shot_cell(5), "") +
                   row("", shot_cell(6), shot_cell(7), shot_cell(8), "") + "</table><br></center></body></html>\n"));

    // A copy album's filler cells have no name and a blank for a date.
    const auto filler = [](int j) { return zoom_cell("", " ", "images/null.gif", j); };
    const std::string previous = side("Aqua", "<a href='page1.html'>前へ<br>(1)</a>");
    EXPECT_EQ(
        out.files[page_path(2)],
        crlf(kPageHead + kScript +
             "</head><body topmargin=\"0\"><center><div align='right'>[ 2 / 2 ] ( 10 - 18 )</div>\n" + table +
             row(previous, shot_cell(9), filler(1), filler(2), kFinish) + row("", filler(3), filler(4), filler(5), "") +
             row("", filler(6), filler(7), filler(8), "") + "</table><br></center></body></html>\n"));
}

TEST(AlbumPages, OneShotAbsolutePathAlbumWithZoomAndNoLinks) {
    AlbumInput in = input_of(1);
    in.create_mode = kAbsolutePathAlbum;
    in.zoom = true;
    in.link = false;
    in.date = false;
    AlbumRecorder out;
    ASSERT_TRUE(write_album(in, creation_clock(), out).ok());
    // No screenshot is copied; null.gif fills the eight empty cells.
    EXPECT_EQ(out.calls, (std::vector<std::string>{"mkdir " + kAlbum, "mkdir " + kImages, "write " + kIndex,
                                                   "copy " + kNullGif + " -> " + join_path(kImages, "null.gif"),
                                                   "write " + page_path(1)}));
    EXPECT_EQ(out.progress_values, (std::vector<int>{100, 100}));

    const auto lines = lines_of(out.files[page_path(1)]);
    ASSERT_EQ(lines.size(), 1u + 13 + 17 + 2 + 9 + 1);
    EXPECT_EQ(lines[31], "</head><body topmargin=\"0\"><center><div align='right'>[ 1 / 1 ] ( 1 - 9 )</div>");
    // The scripts and the mouse-out are there although the images carry no names.
    EXPECT_EQ(lines[32],
              "<table bgcolor='Black' cellpadding='5' cellspacing='1' onMouseOut=\"JavaScript:MouseOut_Events()\">");
    const std::string shot = kShots + kSep + shot_name(0);
    const std::string blank =
        kTd + " <br><br><img src='images/null.gif' width='320' height='240' border='0'></div></td>";
    // One page carries both the begin and the finish cell.
    EXPECT_EQ(lines[33], "<tr bgcolor='white'><div style=\"position:relative;\">" + kBegin + "</div>" + kTd +
                             shot_name(0) + "<br><br><img src='" + shot +
                             "' width='320' height='240' border='0'></div></td>");
    EXPECT_EQ(lines[34], blank);
    EXPECT_EQ(lines[35], blank + kFinish + "</tr>");
}

TEST(AlbumPages, NineShotsFillOnePageWithoutNullGifAndCaptionsOff) {
    AlbumInput in = input_of(9);
    in.link = false;
    in.date = false;
    in.file_name = false;
    AlbumRecorder out;
    ASSERT_TRUE(write_album(in, creation_clock(), out).ok());
    EXPECT_EQ(out.calls.size(), 3u + 9 + 1);
    for (const auto& call : out.calls) EXPECT_EQ(call.find("null.gif"), std::string::npos) << call;

    const auto lines = lines_of(out.files[page_path(1)]);
    ASSERT_EQ(lines.size(), 1u + 13 + 2 + 9 + 1);
    EXPECT_EQ(lines[15], "<table bgcolor='Black' cellpadding='5' cellspacing='1'>");
    EXPECT_EQ(lines[24], kTd + "<br><br><img src='images/" + shot_name(8) +
                             "' width='320' height='240' border='0'></div></td></tr>");

    // null.gif is copied, once, exactly when a page draws a filler cell.
    for (const int n : {8, 9, 10, 17, 26}) {
        AlbumRecorder sized;
        ASSERT_TRUE(write_album(input_of(n), creation_clock(), sized).ok());
        bool filler = false;
        for (const auto& file : sized.files)
            filler = filler || file.second.find("images/null.gif") != std::string::npos;
        const auto copies = std::count(sized.calls.begin(), sized.calls.end(),
                                       "copy " + kNullGif + " -> " + join_path(kImages, "null.gif"));
        EXPECT_EQ(copies, filler ? 1 : 0) << n;
        EXPECT_EQ(filler, n % 9 != 0) << n;
    }
}

TEST(AlbumPages, FileNamesAndColourTextsCannotBreakTheMarkup) {
    AlbumInput in = input_of(0);
    const std::string odd = "PelmarOnline_<b>&'x\"#1%?.jpg";
    in.shots = {{.name = odd, .size = 0, .saved = shot_record(0).saved}};
    in.line_colour = "Red' onclick='alert(1)";
    in.edge_colour = "#FF8800";  // typed colours come through unchanged
    AlbumRecorder out;
    ASSERT_TRUE(write_album(in, creation_clock(), out).ok());
    // The file itself is copied under its own name.
    EXPECT_EQ(out.calls.at(4), "copy " + join_path(kShots, odd) + " -> " + join_path(kImages, odd));

    const auto lines = lines_of(out.files[page_path(1)]);
    EXPECT_EQ(lines.at(15), "<table bgcolor='Red&#39; onclick=&#39;alert(1)' cellpadding='5' cellspacing='1'>");
    const std::string ref = "images/PelmarOnline_&lt;b&gt;&amp;&#39;x&quot;%231%25%3F.jpg";
    EXPECT_EQ(lines.at(16), "<tr bgcolor='white'><div style=\"position:relative;\">" +
                                side("#FF8800", "Ｂ<br>Ｅ<br>Ｇ<br>Ｉ<br>Ｎ") + "</div>" + kTd +
                                "PelmarOnline_&lt;b&gt;&amp;'x\"#1%?.jpg<br> (" + shot_date(0) + ")<br><a href='" +
                                ref + "'><img src='" + ref + "' width='320' height='240' border='0'></a></div></td>");
}

TEST(AlbumPages, FailuresAreReportedAndWhatWasMadeIsTakenBack) {
    const FixedClock clock = creation_clock();
    {
        AlbumRecorder out;
        const AlbumResult r = write_album(input_of(0), clock, out);
        EXPECT_EQ(r.failure, AlbumFailure::empty_list);
        EXPECT_TRUE(out.calls.empty());
    }
    {
        // A screenshot that is there but cannot be copied (a full disk, a file the user may not
        // read): no page claims it, and the half album goes.
        AlbumRecorder out;
        out.fail_on = "copy " + join_path(kShots, shot_name(2));
        const AlbumResult r = write_album(input_of(10), clock, out);
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.failure, AlbumFailure::copy);
        EXPECT_EQ(r.failed_path, join_path(kShots, shot_name(2)));
        EXPECT_FALSE(r.partial_album_left);
        const std::vector<std::string> undo(out.calls.end() - 6, out.calls.end());
        EXPECT_EQ(undo, (std::vector<std::string>{"remove " + join_path(kImages, shot_name(2)),
                                                  "remove " + join_path(kImages, shot_name(1)),
                                                  "remove " + join_path(kImages, shot_name(0)), "remove " + kIndex,
                                                  "remove " + kImages, "remove " + kAlbum}));
        EXPECT_TRUE(out.files.empty());
        EXPECT_EQ(out.progress_values, (std::vector<int>{50, 100}));
    }
    {
        // The album folder cannot be made, for a reason other than its name being in use.
        AlbumRecorder out;
        out.fail_on = "mkdir " + kAlbum;
        const AlbumResult r = write_album(input_of(3), clock, out);
        EXPECT_EQ(r.failure, AlbumFailure::make_folder);
        EXPECT_EQ(r.failed_path, kAlbum);
        EXPECT_EQ(out.calls, (std::vector<std::string>{"mkdir " + kAlbum}));
    }
    {
        // The last page cannot be written and the rest cannot be removed either: say so.
        AlbumRecorder out;
        out.fail_on = "write " + page_path(2);
        out.fail_removes = true;
        const AlbumResult r = write_album(input_of(12), clock, out);
        EXPECT_EQ(r.failure, AlbumFailure::write);
        EXPECT_EQ(r.failed_path, page_path(2));
        EXPECT_TRUE(r.partial_album_left);
        EXPECT_EQ(out.calls.back(), "remove " + kAlbum);
    }
}

TEST(AlbumPages, AlbumsOfTheSameSecondTakeTheNextFreeNameAndLinkTheSame) {
    AlbumRecorder first;
    ASSERT_TRUE(write_album(input_of(10), creation_clock(), first).ok());

    // Two albums of this second are there already; the one before them is left alone.
    AlbumRecorder out;
    out.taken = {kAlbum, kAlbum + "_2"};
    const AlbumResult r = write_album(input_of(10), creation_clock(), out);
    ASSERT_TRUE(r.ok());
    const std::string third = kAlbum + "_3";
    EXPECT_EQ(r.folder, third);
    EXPECT_EQ(r.index, join_path(third, "index.html"));
    EXPECT_EQ(std::vector<std::string>(out.calls.begin(), out.calls.begin() + 5),
              (std::vector<std::string>{"mkdir " + kAlbum, "mkdir " + kAlbum + "_2", "mkdir " + third,
                                        "mkdir " + join_path(third, "images"), "write " + r.index}));
    EXPECT_EQ(out.calls.back(), "write " + join_path(third, "page2.html"));
    // Pages and images refer to one another relatively, so the texts are those of any album.
    for (const char* name : {"index.html", "page1.html", "page2.html"})
        EXPECT_EQ(out.files[join_path(third, name)], first.files[join_path(kAlbum, name)]) << name;
}

TEST(AlbumPages, ScreenshotsThatHaveGoneAreLeftOutAndTheRestLaidOut) {
    // Eleven listed, two gone: the nine left fill one page, in list order, with no filler.
    AlbumInput in = input_of(11);
    AlbumRecorder out;
    out.gone = {join_path(kShots, shot_name(0)), join_path(kShots, shot_name(5))};
    const AlbumResult r = write_album(in, creation_clock(), out);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.skipped, (std::vector<std::string>{shot_name(0), shot_name(5)}));
    EXPECT_EQ(lines_of(out.files[kIndex]).at(16), "　Pages:1(9Shots)　");
    EXPECT_EQ(out.calls.back(), "write " + page_path(1));
    const auto lines = lines_of(out.files[page_path(1)]);
    ASSERT_EQ(lines.size(), 1u + 13 + 2 + 9 + 1);
    const int kept[] = {1, 2, 3, 4, 6, 7, 8, 9, 10};
    for (int j = 0; j < 9; ++j) {
        const std::string cell = lines[16 + static_cast<std::size_t>(j)];
        EXPECT_NE(cell.find(kTd + shot_name(kept[j]) + "<br> (" + shot_date(kept[j]) + ")<br><a href='images/" +
                            shot_name(kept[j]) + "'>"),
                  std::string::npos)
            << j << ": " << cell;
    }
    for (const auto& call : out.calls) {
        EXPECT_EQ(call.find(shot_name(0)), std::string::npos) << call;
        EXPECT_EQ(call.find(shot_name(5)), std::string::npos) << call;
    }

    // An absolute-path album leaves them out too: its links would lead nowhere.
    in.create_mode = kAbsolutePathAlbum;
    AlbumRecorder path_out;
    path_out.gone = out.gone;
    ASSERT_TRUE(write_album(in, creation_clock(), path_out).ok());
    EXPECT_EQ(path_out.files[page_path(1)].find(shot_name(5)), std::string::npos);
    EXPECT_NE(path_out.files[page_path(1)].find(shot_name(6)), std::string::npos);

    // All gone: nothing is made, and every name is given.
    AlbumRecorder none;
    none.gone = {join_path(kShots, shot_name(0)), join_path(kShots, shot_name(1))};
    const AlbumResult empty = write_album(input_of(2), creation_clock(), none);
    EXPECT_EQ(empty.failure, AlbumFailure::no_screenshots);
    EXPECT_EQ(empty.skipped, (std::vector<std::string>{shot_name(0), shot_name(1)}));
    EXPECT_TRUE(none.calls.empty());
}

}  // namespace
}  // namespace vis
