#include "services/number_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vis {
namespace {

TEST(NumberText, DigitsPointAndEndOfTheLeadingNumber) {
    const struct {
        std::string text;
        bool found;
        bool negative;
        std::string integer;
        std::string fraction;
        std::size_t end;
        std::optional<double> value;
    } cases[] = {
        {"", false, false, "", "", 0, std::nullopt},
        {" \t\r\n", false, false, "", "", 0, std::nullopt},
        {"abc", false, false, "", "", 0, std::nullopt},
        {"-.", false, true, "", "", 0, std::nullopt},
        {"12", true, false, "12", "", 2, 12.0},
        {"  -3.25x", true, true, "3", "25", 7, -3.25},
        {"+.5", true, false, "", "5", 3, 0.5},
        {"007.50", true, false, "007", "50", 6, 7.5},
        {"1.5e2", true, false, "150", "", 5, 150.0},
        {"15E-3", true, false, "", "015", 5, 0.015},
        {"2e", true, false, "2", "", 1, 2.0},
        {"2e+", true, false, "2", "", 1, 2.0},
        {"2e-x", true, false, "2", "", 1, 2.0},
        {"1 0", true, false, "1", "", 1, 1.0},
        {"1e400", true, false, "1" + std::string(400, '0'), "", 5, std::nullopt},
        {"1e-400", true, false, "", std::string(399, '0') + "1", 6, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const NumberText n = read_number(c.text);
        EXPECT_EQ(n.found, c.found);
        EXPECT_EQ(n.negative, c.negative);
        EXPECT_EQ(n.integer_digits(), c.integer);
        EXPECT_EQ(n.fraction_digits(), c.fraction);
        EXPECT_EQ(n.end, c.end);
        EXPECT_EQ(n.value(), c.value);
    }
}

}  // namespace
}  // namespace vis
