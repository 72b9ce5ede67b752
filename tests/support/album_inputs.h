#pragma once
// The inputs the album tests build from: a fixed creation time, the folders, screenshot names.
#include <cstdint>
#include <ctime>
#include <string>

#include "album/album_writer.h"
#include "services/clock.h"
#include "services/paths.h"

namespace vis::test::album {

struct FixedClock : Clock {
    std::int64_t ms = 0;
    std::int64_t now_ms() const override { return ms; }
};

// 2006-12-07 15:04:33.999 local time: the milliseconds are cut off, not rounded.
inline FixedClock creation_clock() {
    std::tm t{};
    t.tm_year = 2006 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 7;
    t.tm_hour = 15;
    t.tm_min = 4;
    t.tm_sec = 33;
    t.tm_isdst = -1;
    FixedClock c;
    c.ms = static_cast<std::int64_t>(std::mktime(&t)) * 1000 + 999;
    return c;
}

inline const std::string kProgram = join_path("prog", "Vistelle");
inline const std::string kShots = join_path("game", "Screen Save");
inline const std::string kAlbum = join_path(join_path(kProgram, "album"), "2006.12.07.15.04.33");
inline const std::string kImages = join_path(kAlbum, "images");
inline const std::string kIndex = join_path(kAlbum, "index.html");
inline const std::string kNullGif = join_path(join_path(kProgram, "data"), "null.gif");
inline std::string page_path(int p) {
    return join_path(kAlbum, "page" + std::to_string(p) + ".html");
}

inline std::string shot_name(int i) {
    return "PelmarOnline_2006115_0" + std::to_string(1000 + i) + ".jpg";
}
inline std::string shot_date(int i) {
    return "2006/11/05 01:" + std::to_string(10 + i) + ":15";
}
// Screenshot i as the lists hold it: saved at shot_date(i).
inline ListedFile shot_record(int i) {
    return {.name = shot_name(i), .size = 0, .saved = 20061105011015 + 100 * i};
}

inline AlbumInput input_of(int shots) {
    AlbumInput in;
    for (int i = 0; i < shots; ++i) in.shots.push_back(shot_record(i));
    in.shots_folder = kShots;
    in.program_folder = kProgram;
    in.line_colour = "Black";
    in.edge_colour = "Aqua";
    return in;
}

}  // namespace vis::test::album
