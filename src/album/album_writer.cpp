#include "album/album_writer.h"

#include <ctime>

#include "catalogue/save_time.h"
#include "services/ansi.h"
#include "services/paths.h"

namespace vis {

namespace {

constexpr int kPerPage = 9;
// Albums built within one second take the names F, F_2, ... up to F_<this>.
constexpr int kMostAlbumsPerSecond = 999;

// Text for a page: "&", "<" and ">" always; inside a quoted attribute also both quotes, so no
// value can end it early whichever quote the template uses. Screenshot names, colour names and
// hexadecimal colours hold none of these, so their bytes stay as they are. A line break (a Linux
// file name may hold one) is written as a reference, so every cell stays one line of the page.
std::string escape_html(const std::string& s, bool in_attribute) {
    std::string r;
    r.reserve(s.size());
    for (const char c : s) {
        if (c == '&')
            r += "&amp;";
        else if (c == '<')
            r += "&lt;";
        else if (c == '>')
            r += "&gt;";
        else if (in_attribute && c == '"')
            r += "&quot;";
        else if (in_attribute && c == '\'')
            r += "&#39;";
        else if (c == '\r')
            r += "&#13;";
        else if (c == '\n')
            r += "&#10;";
        else
            r += c;
    }
    return r;
}

std::string html_text(const std::string& s) {
    return escape_html(s, false);
}

std::string html_attribute(const std::string& s) {
    return escape_html(s, true);
}

void percent_encode(std::string& out, std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += '%';
        out += kHex[b >> 4];
        out += kHex[b & 15];
    }
}

// A file path as a link target: "#", "?" and "%" would cut the path short or be read as an
// escape, and a browser drops tabs and line breaks from a link, so they are all written as
// escapes. A character the page's code page cannot hold is written as the escapes of its UTF-8
// bytes rather than lost as "?". Everything else, blanks and backslashes of a Windows path
// included, stays as it is.
std::string link_attribute(const std::string& path) {
    std::string r;
    r.reserve(path.size());
    for (std::size_t i = 0; i < path.size(); ++i) {
        const char c = path[i];
        if (static_cast<unsigned char>(c) >= 0x80) {
            std::size_t end = i + 1;
            while (end < path.size() && (static_cast<unsigned char>(path[end]) & 0xC0) == 0x80) ++end;
            const std::string_view character(path.data() + i, end - i);
            if (fits_ansi(character))
                r += character;
            else
                percent_encode(r, character);
            i = end - 1;
            continue;
        }
        switch (c) {
            case '\t':
                r += "%09";
                break;
            case '\n':
                r += "%0A";
                break;
            case '\r':
                r += "%0D";
                break;
            case '#':
                r += "%23";
                break;
            case '%':
                r += "%25";
                break;
            case '?':
                r += "%3F";
                break;
            default:
                r += c;
        }
    }
    return html_attribute(r);
}

const char* const kIndexHead[] = {
    "<style TYPE=text/css>",
    "body{",
    " color: #55555a;",
    " font-family: ＭＳ ゴシック;",
    " font-size: 11px;",
    "}",
    "a{",
    " color: #00bbff;",
    " font-family: ＭＳ ゴシック;",
    " font-size: 11px;",
    " text-decoration:none;",
    "}",
    "a:hover { background-color:red; }",
    "BODY{overflow : hidden;}!",
    "</style></head><body leftmargin=\"0\" topmargin=\"2\">",
};

const char* const kPageHead[] = {
    "<style TYPE=text/css>",
    "td{",
    " color: #55555a;",
    " font-family: ＭＳ ゴシック;",
    " font-size: 10px;",
    "}",
    "body{",
    " color: #55555a;",
    " font-family: ＭＳ ゴシック;",
    " font-size: 10px;",
    "}",
    "BODY{overflow : hidden;}",
    "</style>",
};

// Hovering a thumbnail shrinks all nine and grows that one; leaving the table restores them.
const char* const kZoomScript[] = {
    "<script language=\"JavaScript\"><!--",
    "function MouseOver_Events(cnt){",
    "for(i=0;i<9;i++){",
    "document.images[\"img_\" + i].width = 180;",
    "document.images[\"img_\" + i].height = 120;",
    "}",
    "document.images[\"img_\" + cnt].width = 600;",
    "document.images[\"img_\" + cnt].height = 480;",
    "}",
    "//--></script>",
    "<script language=\"JavaScript\"><!--",
    "function MouseOut_Events(cnt){",
    "for(i=0;i<9;i++){",
    "document.images[\"img_\" + i].width = 320;",
    "document.images[\"img_\" + i].height = 240;",
    "}}",
    "//--></script>",
};

constexpr const char* kCell =
    "<td align='center' style=\"filter:Alpha(opacity=100)};\" onMouseover=\"this.filters['alpha'].opacity=90\" "
    "onMouseout=\"this.filters['alpha'].opacity=100\"><div style=\"position:relative;\">";
constexpr const char* kSideCellTail =
    "' style=\"filter:Alpha(opacity=100)};\" onMouseover=\"this.filters['alpha'].opacity=80\" "
    "onMouseout=\"this.filters['alpha'].opacity=100\"><div style=\"position:relative;\">";

void add_line(std::string& text, const std::string& line) {
    text += line;
    text += "\r\n";
}

std::string title_line(const std::string& created) {
    return "<html><head><title>" + created + " 作成 - Pelmarオンライン - Vistelle</title>";
}

// A cell three rows high in the edge colour, beside the first or the last column.
std::string side_cell(const std::string& edge, const std::string& content) {
    return "<td rowspan='3' bgcolor='" + edge + kSideCellTail + content + "</div></td>";
}

std::string page_link(int page, const char* label) {
    const std::string n = std::to_string(page);
    return "<a href='page" + n + ".html'>" + label + "<br>(" + n + ")</a>";
}

std::string index_text(const std::string& created, int pages, int shots, AlbumOutput& out) {
    std::string text;
    add_line(text, title_line(created));
    for (const char* line : kIndexHead) add_line(text, line);
    add_line(text, "　Pages:" + std::to_string(pages) + "(" + std::to_string(shots) + "Shots)　");
    add_line(text, created + "　");
    for (int p = 1; p <= pages; ++p) {
        const std::string n = std::to_string(p);
        add_line(text, "<a href='page" + n + ".html' target='frame'>[" + n + "]</a>　");
        out.progress(p * 100 / pages);
    }
    add_line(text,
             "<iframe src=\"page1.html\" width=\"100%\" height=\"100%\" frameborder=\"0\" border=\"0\" "
             "framespacing=\"0\" name=\"frame\"></iframe></body></html>");
    return text;
}

// Everything a page needs besides its cells.
struct Album {
    const AlbumInput& in;
    ListedFiles shots;    // the album list without the screenshots that have gone
    std::string created;  // "YYYY/MM/DD HH:MM:SS"
    std::string folder;
    std::string images;
    std::string line_colour;  // both colours escaped once for their attributes
    std::string edge_colour;
    int count = 0;  // of `shots`
    int pages = 0;
    bool copy = false;
};

// What a build has made so far, so that a failed build can take it back. A file is added before
// it is written: one that breaks off midway (a full disk) is taken back too.
class Made {
public:
    explicit Made(AlbumOutput& out) : out_(out) {}
    void add(const std::string& path) { paths_.push_back(path); }
    // Newest first, so folders are empty by the time their turn comes. True when all is gone.
    bool take_back() {
        bool all_gone = true;
        for (auto it = paths_.rbegin(); it != paths_.rend(); ++it) all_gone = out_.remove(*it) && all_gone;
        return all_gone;
    }

private:
    AlbumOutput& out_;
    std::vector<std::string> paths_;
};

// One cell's picture: its image reference, and a link to the picture itself when asked for.
std::string image_markup(const AlbumInput& in, const std::string& ref, int j) {
    const std::string size = "' width='320' height='240' border='0'";
    if (!in.link) return "<img src='" + ref + size + ">";
    if (!in.zoom) return "<a href='" + ref + "'><img src='" + ref + size + "></a>";
    const std::string n = std::to_string(j);
    return "<a href='" + ref + "'><img src='" + ref + size + " name='img_" + n +
           "' onMouseOver='JavaScript:MouseOver_Events(" + n + ")'></a>";
}

// Writes page p, copying its screenshots (and null.gif) first. Fills `result` on failure.
bool write_page(const Album& a, int p, AlbumOutput& out, Made& made, AlbumResult& result) {
    const AlbumInput& in = a.in;
    const int first = (p - 1) * kPerPage;
    const bool last_page = p == a.pages;
    // Every page has nine cells: a last page with fewer screenshots is filled up with blanks.
    const int last = first + kPerPage - 1;

    std::string text;
    add_line(text, title_line(a.created));
    for (const char* line : kPageHead) add_line(text, line);
    if (in.zoom) {
        for (const char* line : kZoomScript) add_line(text, line);
    }
    add_line(text, "</head><body topmargin=\"0\"><center><div align='right'>[ " + std::to_string(p) + " / " +
                       std::to_string(a.pages) + " ] ( " + std::to_string(first + 1) + " - " +
                       std::to_string(first + 1 + 8) + " )</div>");
    add_line(text, "<table bgcolor='" + a.line_colour + "' cellpadding='5' cellspacing='1'" +
                       (in.zoom ? " onMouseOut=\"JavaScript:MouseOut_Events()\"" : "") + ">");

    if (last >= a.count) {
        const std::string from = join_path(join_path(in.program_folder, "data"), "null.gif");
        const std::string to = join_path(a.images, "null.gif");
        made.add(to);
        if (!out.copy_file(from, to)) {
            result.failure = AlbumFailure::copy;
            result.failed_path = from;
            return false;
        }
    }

    for (int k = first; k <= last; ++k) {
        std::string left;
        std::string right;
        if (k == first) {
            left = side_cell(a.edge_colour, p == 1 ? "Ｂ<br>Ｅ<br>Ｇ<br>Ｉ<br>Ｎ" : page_link(p - 1, "前へ"));
        }
        if (k == first + 2) {
            right = side_cell(a.edge_colour, last_page ? "Ｆ<br>Ｉ<br>Ｎ<br>Ｉ<br>Ｓ<br>Ｈ" : page_link(p + 1, "次へ"));
        }

        std::string name;
        std::string date;
        std::string ref;
        if (k < a.count) {
            const ListedFile& shot = a.shots[static_cast<std::size_t>(k)];
            const std::string& file = shot.name;
            name = html_text(file);
            date = " (" + html_text(save_time_text(shot.saved)) + ")";
            const std::string path = join_path(in.shots_folder, file);
            if (a.copy) {
                const std::string to = join_path(a.images, file);
                made.add(to);
                if (!out.copy_file(path, to)) {
                    result.failure = AlbumFailure::copy;
                    result.failed_path = path;
                    return false;
                }
                ref = link_attribute("images/" + file);
            } else {
                // The browser opens the file itself: a Windows path under Wine must name it there.
                ref = link_attribute(host_path(path));
            }
        } else {
            name = a.copy ? "" : " ";
            date = " ";
            ref = "images/null.gif";
        }
        const std::string img = image_markup(in, ref, k - first);
        if (!in.file_name) name.clear();
        if (!in.date) date.clear();

        const std::string cell = kCell + name + "<br>" + date + "<br>" + img + "</div></td>";
        switch (k % 3) {
            case 0:
                add_line(text, "<tr bgcolor='white'><div style=\"position:relative;\">" + left + "</div>" + cell);
                break;
            case 1:
                add_line(text, cell);
                break;
            default:
                add_line(text, cell + right + "</tr>");
        }
    }
    add_line(text, "</table><br></center></body></html>");

    const std::string path = join_path(a.folder, "page" + std::to_string(p) + ".html");
    made.add(path);
    if (!out.write_text(path, text)) {
        result.failure = AlbumFailure::write;
        result.failed_path = path;
        return false;
    }
    return true;
}

// Makes the album folder under the first name of `base`, `base`_2, ... that is not in use, and
// puts it into `result`.
bool make_album_folder(const std::string& base, AlbumOutput& out, AlbumResult& result) {
    for (int n = 1; n <= kMostAlbumsPerSecond; ++n) {
        result.folder = n == 1 ? base : base + "_" + std::to_string(n);
        const AlbumOutput::NewFolder made = out.make_folder(result.folder);
        if (made == AlbumOutput::NewFolder::made) {
            result.index = join_path(result.folder, "index.html");
            return true;
        }
        if (made == AlbumOutput::NewFolder::failed) break;
    }
    result.failure = AlbumFailure::make_folder;
    result.failed_path = result.folder;
    return false;
}

bool build(const Album& a, AlbumOutput& out, Made& made, AlbumResult& result) {
    made.add(a.folder);
    if (out.make_folder(a.images) != AlbumOutput::NewFolder::made) {
        result.failure = AlbumFailure::make_folder;
        result.failed_path = a.images;
        return false;
    }
    made.add(a.images);
    made.add(result.index);
    if (!out.write_text(result.index, index_text(a.created, a.pages, a.count, out))) {
        result.failure = AlbumFailure::write;
        result.failed_path = result.index;
        return false;
    }
    for (int p = 1; p <= a.pages; ++p) {
        if (!write_page(a, p, out, made, result)) return false;
        out.progress(p * 100 / a.pages);
    }
    return true;
}

}  // namespace

AlbumResult write_album(const AlbumInput& in, const Clock& clock, AlbumOutput& out) {
    AlbumResult result;
    if (in.shots.empty()) {
        result.failure = AlbumFailure::empty_list;
        return result;
    }
    // The album lays out the screenshots that are still there; the others are named afterwards.
    ListedFiles shots;
    for (const ListedFile& shot : in.shots) {
        if (out.has_file(join_path(in.shots_folder, shot.name)))
            shots.push_back(shot);
        else
            result.skipped.push_back(shot.name);
    }
    if (shots.empty()) {
        result.failure = AlbumFailure::no_screenshots;
        return result;
    }
    // One instant names the folder and dates the pages; the lists' own conversion makes the
    // date text, so both read the same local time.
    const std::time_t now = static_cast<std::time_t>(clock.now_ms() / 1000);
    const std::string created = save_time_text(save_time_of(now));
    std::string folder_name = created;
    for (char& c : folder_name) {
        if (c == '/' || c == ' ' || c == ':') c = '.';
    }

    if (!make_album_folder(join_path(join_path(in.program_folder, "album"), folder_name), out, result)) return result;
    const int count = static_cast<int>(shots.size());
    const Album a{.in = in,
                  .shots = std::move(shots),
                  .created = created,
                  .folder = result.folder,
                  .images = join_path(result.folder, "images"),
                  .line_colour = html_attribute(in.line_colour),
                  .edge_colour = html_attribute(in.edge_colour),
                  .count = count,
                  .pages = (count - 1) / kPerPage + 1,
                  .copy = in.create_mode == kCopyAlbum};

    Made made(out);
    if (!build(a, out, made, result)) result.partial_album_left = !made.take_back();
    return result;
}

}  // namespace vis
