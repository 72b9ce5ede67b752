// Orders over the records of one reading: the row a moved or added screenshot lands on.
#include <gtest/gtest.h>

#include "catalogue/screenshot_order.h"

namespace vis {
namespace {

std::shared_ptr<ListedFiles> records(int n) {
    auto r = std::make_shared<ListedFiles>();
    // Saved in an order unlike their names', so places come from the times.
    for (int i = 0; i < n; ++i)
        r->push_back({"PelmarOnline_" + std::to_string(i) + ".jpg", 100u + i, 20061105000000 + (i * 7919) % n});
    return r;
}

TEST(ScreenshotOrder, EachRowTakenOrInsertedIsReturnedWhereItLands) {
    const auto shared = records(64);
    ScreenshotOrder from, to;
    from.assign_all(shared);
    to.assign_none(shared);
    // The receiving order grows one by one, moving its rows in memory more than once.
    for (int n = 64; n > 0; --n) {
        const int row = (64 - n) * 37 % n;
        const std::string name = from.record(row).name;
        const int landed = to.take_row(from, row);
        ASSERT_EQ(to.record(landed).name, name) << "after " << 64 - n << " moves";
        ASSERT_EQ(from.find(name), -1);
    }
    for (int i = 0; i < 40; ++i) {
        const ListedFile added{"PelmarOnline_new" + std::to_string(i) + ".jpg", 5, 20061105000000 + (i * 13) % 64};
        const int landed = to.insert(added);
        ASSERT_EQ(to.record(landed), added);
        ASSERT_EQ(to.find(added.name), landed);
    }
    for (int i = 1; i < to.count(); ++i) EXPECT_LE(to.record(i - 1).saved, to.record(i).saved);
    // Every name finds its own row, after rows were taken out before it.
    for (int row = to.count() - 1; row >= 0; row -= 3) to.remove(row);
    for (int row = 0; row < to.count(); ++row) ASSERT_EQ(to.find(to.record(row).name), row);
    // Whoever shared the records still has the 64 it read.
    EXPECT_EQ(shared->size(), 64u);
    EXPECT_EQ(to.find("PelmarOnline_missing.jpg"), -1);
}

}  // namespace
}  // namespace vis
