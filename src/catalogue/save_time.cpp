#include "catalogue/save_time.h"

#include <initializer_list>

#include "services/local_time.h"

namespace vis {

namespace {

// Local time of a moment, asked of the system for each moment: zone changes may fall on any
// minute (St. John's changed at 00:01 for years) or, in old zones, any second, so a conversion
// shared across a stretch of time lists wrong times after them.
std::tm local_time_of(std::time_t t) {
    std::tm local{};
    const bool converted = to_local_time(t, local);
    // A file's time may lie beyond four-digit years (a tool set it, or the file system is
    // damaged): the line keeps its shape and sorts where the time belongs.
    const bool late = converted ? local.tm_year + 1900 > 9999 : t > 0;
    const bool early = converted ? local.tm_year + 1900 < 0 : t <= 0;
    if (late || early) {
        local = std::tm{};
        local.tm_year = late ? 9999 - 1900 : -1900;
        local.tm_mon = late ? 11 : 0;
        local.tm_mday = late ? 31 : 1;
        local.tm_hour = late ? 23 : 0;
        local.tm_min = late ? 59 : 0;
        local.tm_sec = late ? 59 : 0;
    }
    return local;
}

void put_digits(std::string& out, int value, int width) {
    char buf[8];
    for (int i = width - 1; i >= 0; --i, value /= 10) buf[i] = static_cast<char>('0' + value % 10);
    out.append(buf, static_cast<std::size_t>(width));
}

}  // namespace

SaveTime save_time_of(std::time_t modified) {
    const std::tm l = local_time_of(modified);
    SaveTime t = l.tm_year + 1900;
    for (const int part : {l.tm_mon + 1, l.tm_mday, l.tm_hour, l.tm_min, l.tm_sec}) t = t * 100 + part;
    return t;
}

SaveTimeParts split_save_time(SaveTime t) {
    SaveTimeParts p{};
    p.second = static_cast<int>(t % 100);
    t /= 100;
    p.minute = static_cast<int>(t % 100);
    t /= 100;
    p.hour = static_cast<int>(t % 100);
    t /= 100;
    p.day = static_cast<int>(t % 100);
    t /= 100;
    p.month = static_cast<int>(t % 100);
    p.year = static_cast<int>(t / 100);
    return p;
}

void append_save_time(std::string& out, SaveTime t) {
    const SaveTimeParts p = split_save_time(t);
    put_digits(out, p.year, 4);
    out += '/';
    put_digits(out, p.month, 2);
    out += '/';
    put_digits(out, p.day, 2);
    out += ' ';
    put_digits(out, p.hour, 2);
    out += ':';
    put_digits(out, p.minute, 2);
    out += ':';
    put_digits(out, p.second, 2);
}

std::string save_time_text(SaveTime t) {
    std::string text;
    append_save_time(text, t);
    return text;
}

}  // namespace vis
