#include "services/local_time.h"

#include <windows.h>

#include "win32/file_time.h"

namespace vis {

namespace {

// The zone's rules for a year, asked of the system once per year and thread: a listing converts
// thousands of times from the same few years, and each question reads the registry.
bool zone_of_year(WORD year, TIME_ZONE_INFORMATION& zone) {
    thread_local WORD cached_year = 0;
    thread_local TIME_ZONE_INFORMATION cached{};
    if (cached_year != year) {
        if (!GetTimeZoneInformationForYear(year, nullptr, &cached)) return false;
        cached_year = year;
    }
    zone = cached;
    return true;
}

}  // namespace

// The zone's rules for the year of the moment (summer time as it was then), not today's.
bool to_local_time(std::time_t t, std::tm& local) {
    const auto ft = win32::to_file_time(t);
    SYSTEMTIME utc{}, here{};
    TIME_ZONE_INFORMATION zone{};
    if (!ft || !FileTimeToSystemTime(&*ft, &utc)) return false;
    if (!zone_of_year(utc.wYear, zone)) return false;
    if (!SystemTimeToTzSpecificLocalTime(&zone, &utc, &here)) return false;
    local = std::tm{};
    local.tm_year = here.wYear - 1900;
    local.tm_mon = here.wMonth - 1;
    local.tm_mday = here.wDay;
    local.tm_hour = here.wHour;
    local.tm_min = here.wMinute;
    local.tm_sec = here.wSecond;
    local.tm_wday = here.wDayOfWeek;
    local.tm_isdst = -1;
    return true;
}

}  // namespace vis
