// List lines show each file's time as the system converts it, across every change of zone rules.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/list_line.h"
#include "support/zone.h"

namespace vis {
namespace {

using test::InZone;

long offset_at(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    return local.tm_gmtoff;
}

std::string system_date(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y/%m/%d %H:%M:%S", &local);
    return buf;
}

TEST(ListLine, DatesAreExactAcrossZoneChanges) {
    const std::pair<const char*, std::vector<std::pair<std::time_t, const char*>>> zones[] = {
        // Summer time at 00:01 local: a change off the quarter hour.
        {"America/St_Johns",
         {{544591859, "1987/04/05 00:00:59"}, {544591860, "1987/04/05 01:01:00"}, {544592447, "1987/04/05 01:10:47"}}},
        {"Europe/Berlin", {{1616893199, "2021/03/28 01:59:59"}, {1616893200, "2021/03/28 03:00:00"}}},
        // From +5:30 to +5:45.
        {"Asia/Kathmandu", {{504901799, "1985/12/31 23:59:59"}, {504901800, "1986/01/01 00:15:00"}}},
        // Summer time of half an hour.
        {"Australia/Lord_Howe", {{1617461999, "2021/04/04 01:59:59"}, {1617462000, "2021/04/04 01:30:00"}}},
    };
    for (const auto& [zone, known] : zones) {
        const InZone in_zone(zone);
        for (const auto& [t, text] : known) EXPECT_EQ(line_date(make_list_line(t, "x")), text) << zone << " " << t;

        // Every change from 1970 to 2037, found day by day and pinned to its second; each second
        // of the half hour around it lists as the system converts it.
        int changes = 0;
        constexpr std::time_t kDay = 86400;
        for (std::time_t day = 0; day < 2145916800; day += kDay) {
            if (offset_at(day) == offset_at(day + kDay)) continue;
            std::time_t before = day, after = day + kDay;
            while (after - before > 1) {
                const std::time_t mid = before + (after - before) / 2;
                (offset_at(mid) == offset_at(before) ? before : after) = mid;
            }
            ++changes;
            for (std::time_t t = after - 15 * 60; t < after + 15 * 60; ++t)
                ASSERT_EQ(line_date(make_list_line(t, "x")), system_date(t)) << zone << " " << t;
        }
        EXPECT_GT(changes, 0) << zone;
    }
}

}  // namespace
}  // namespace vis
