// The album pages built from hostile file names and colour texts: every page stays well-formed
// (no attribute ended early by a quote, no stray markup in a caption, every tag closed where the
// templates close it), and every copy lands inside the album's images folder.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "album/album_writer.h"
#include "catalogue/save_time.h"
#include "services/paths.h"
#include "support/album_recorder.h"

namespace {

class FixedClock : public vis::Clock {
public:
    std::int64_t now_ms() const override { return 1'165'503'873'000; }
};

// The page being checked, shown around the fault when one is found.
const std::string* g_page = nullptr;

[[noreturn]] void fault(std::size_t at = std::string::npos) {
    if (g_page != nullptr && at != std::string::npos) {
        const std::size_t from = at < 120 ? 0 : at - 120;
        std::fprintf(stderr, "malformed page near byte %zu:\n%s\n", at, g_page->substr(from, 240).c_str());
    }
    std::abort();
}

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool is_alpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// "&" only as the start of an entity: "&name;" or "&#digits;".
void check_entities(std::string_view text) {
    for (std::size_t i = text.find('&'); i != std::string::npos; i = text.find('&', i + 1)) {
        std::size_t j = i + 1;
        if (j < text.size() && text[j] == '#') {
            ++j;
            while (j < text.size() && text[j] >= '0' && text[j] <= '9') ++j;
        } else {
            while (j < text.size() && is_alpha(text[j])) ++j;
        }
        if (j == i + 1 || j >= text.size() || text[j] != ';') fault();
    }
}

// Reads the attributes of a tag from `i` (just after its name) to its ">"; returns the position
// after the ">".
std::size_t read_attributes(const std::string& page, std::size_t i) {
    while (true) {
        while (i < page.size() && is_space(page[i])) ++i;
        if (i >= page.size()) fault(i);
        if (page[i] == '>') return i + 1;
        while (i < page.size() && !is_space(page[i]) && page[i] != '=' && page[i] != '>') {
            if (page[i] == '"' || page[i] == '\'' || page[i] == '<') fault(i);
            ++i;
        }
        if (i < page.size() && page[i] == '=') {
            ++i;
            if (i >= page.size()) fault();
            if (page[i] == '"' || page[i] == '\'') {
                const char quote = page[i];
                const std::size_t close = page.find(quote, i + 1);
                if (close == std::string::npos) fault(i);
                const std::string_view value = std::string_view(page).substr(i + 1, close - i - 1);
                if (value.find_first_of("<>\r\n") != std::string_view::npos) fault(i);
                check_entities(value);
                i = close + 1;
                // A quote inside the value would end it here, before a blank or the tag's end.
                if (i >= page.size() || !(is_space(page[i]) || page[i] == '>')) fault(i);
            } else {
                while (i < page.size() && !is_space(page[i]) && page[i] != '>') {
                    if (page[i] == '"' || page[i] == '\'' || page[i] == '<' || page[i] == '=') fault(i);
                    ++i;
                }
            }
        }
    }
}

void check_page(const std::string& page) {
    g_page = &page;
    std::vector<std::string> open;
    std::size_t i = 0;
    while (i < page.size()) {
        const std::size_t lt = page.find('<', i);
        const std::string_view text =
            std::string_view(page).substr(i, lt == std::string::npos ? std::string::npos : lt - i);
        if (text.find('>') != std::string_view::npos) fault(i + text.find('>'));
        check_entities(text);
        if (lt == std::string::npos) break;
        i = lt + 1;
        const bool closing = i < page.size() && page[i] == '/';
        if (closing) ++i;
        std::string name;
        while (i < page.size() && is_alpha(page[i])) name += lower(page[i++]);
        if (name.empty()) fault(i);
        if (closing) {
            if (i >= page.size() || page[i] != '>' || open.empty() || open.back() != name) fault(i);
            open.pop_back();
            ++i;
            continue;
        }
        i = read_attributes(page, i);
        if (name == "br" || name == "img") continue;
        if (name == "script") {
            // The zoom script is the template's own text: skip to its end.
            const std::size_t end = page.find("</script>", i);
            if (end == std::string::npos) fault(i);
            i = end + 9;
            continue;
        }
        open.push_back(name);
    }
    if (!open.empty()) fault(page.size() - 1);
}

// Every line ends in CR LF and no line break stands anywhere else: each template item stays one
// line of the page.
std::size_t line_count(const std::string& page) {
    std::size_t lines = 0;
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (page[i] == '\r' && i + 1 < page.size() && page[i + 1] == '\n') {
            ++lines;
            ++i;
        } else if (page[i] == '\r' || page[i] == '\n') {
            fault(i);
        }
    }
    if (page.size() < 2 || page.compare(page.size() - 2, 2, "\r\n") != 0) fault(page.size());
    return lines;
}

// A file name a folder can hold: anything but "/" and NUL.
std::string file_name(FuzzedDataProvider& in) {
    std::string name = in.ConsumeRandomLengthString(64);
    for (char& c : name)
        if (c == '/' || c == '\0') c = '_';
    return name.empty() ? "x" : name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider fdp(data, size);
    vis::AlbumInput in;
    in.shots_folder = "/shots";
    in.program_folder = "/program";
    in.zoom = fdp.ConsumeBool();
    in.link = fdp.ConsumeBool();
    in.date = fdp.ConsumeBool();
    in.file_name = fdp.ConsumeBool();
    in.create_mode = fdp.ConsumeBool() ? vis::kCopyAlbum : vis::kAbsolutePathAlbum;
    in.line_colour = fdp.ConsumeRandomLengthString(32);
    in.edge_colour = fdp.ConsumeRandomLengthString(32);
    const int count = fdp.ConsumeIntegralInRange(1, 12);
    for (int k = 0; k < count; ++k) {
        const auto when = fdp.ConsumeIntegralInRange<std::int64_t>(0, 4'102'444'800);  // up to 2100
        const vis::SaveTime saved = vis::save_time_of(static_cast<std::time_t>(when));
        in.shots.push_back({.name = file_name(fdp), .size = 0, .saved = saved});
    }

    vis::test::AlbumRecorder out;
    const FixedClock clock;
    const vis::AlbumResult result = vis::write_album(in, clock, out);
    if (!result.ok()) fault();
    const std::size_t page_lines = in.zoom ? 43 : 26;
    for (const auto& [path, text] : out.files) {
        check_page(text);
        const bool index = path == result.index;
        const std::size_t pages = out.files.size() - 1;
        if (line_count(text) != (index ? 19 + pages : page_lines)) fault();
    }
    const std::string images = vis::join_path(result.folder, "images");
    for (const std::string& call : out.calls) {
        if (call.rfind("copy ", 0) != 0) continue;
        // Names hold no "/", so the target is the part after " -> " + the images folder.
        const std::string into = " -> " + images + "/";
        const std::size_t at = call.find(into);
        if (at == std::string::npos || call.find('/', at + into.size()) != std::string::npos) fault();
    }
    return 0;
}
