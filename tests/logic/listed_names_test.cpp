#include "catalogue/listed_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vis {
namespace {

std::vector<std::string> names(int n) {
    std::vector<std::string> v;
    for (int i = 1; i <= n; ++i) v.push_back("n" + std::to_string(i));
    return v;
}

TEST(ListedNames, TheFirstTenNamesThenHowManyMore) {
    const std::string ten = "\r\nn1\r\nn2\r\nn3\r\nn4\r\nn5\r\nn6\r\nn7\r\nn8\r\nn9\r\nn10";
    const struct {
        int count;
        const char* counter;
        std::string text;
    } cases[] = {
        {0, "個", ""},
        {1, "個", "\r\nn1"},
        {9, "枚", "\r\nn1\r\nn2\r\nn3\r\nn4\r\nn5\r\nn6\r\nn7\r\nn8\r\nn9"},
        {10, "枚", ten},
        {11, "枚", ten + "\r\nほか 1 枚"},
        {12, "個", ten + "\r\nほか 2 個"},
        {1000, "個", ten + "\r\nほか 990 個"},
    };
    for (const auto& c : cases) EXPECT_EQ(listed_names(names(c.count), c.counter), c.text) << c.count;
    // Names are taken as they are, in the order given.
    EXPECT_EQ(listed_names({"b c", "", "a"}, "個"), "\r\nb c\r\n\r\na");
}

}  // namespace
}  // namespace vis
