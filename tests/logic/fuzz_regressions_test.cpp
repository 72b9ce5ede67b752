// Inputs the fuzz targets in fuzz/ found faults with, kept as they were found.
#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <string>

#include "catalogue/list_line.h"

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

}  // namespace
}  // namespace vis
