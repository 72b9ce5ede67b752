// The picture copied to the clipboard on each system is the one another program pastes, pixel for
// pixel and the right way up; there is no empty picture to copy.
#include <memory>
#include <vector>

#include "backend/backend_driver.h"

namespace vis::test {
namespace {

TEST_F(BackendTest, TheClipboardHoldsExactlyThePicture) {
    constexpr int kWidth = 37, kHeight = 21;
    auto pixels = std::make_shared<std::vector<std::uint32_t>>(static_cast<std::size_t>(kWidth) * kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            (*pixels)[static_cast<std::size_t>(y) * kWidth + x] =
                0xFF000000u | static_cast<std::uint32_t>(x * 5) << 16 | (y * 7) << 8 | 42;
    const Picture picture{kWidth, kHeight, pixels};
    const std::unique_ptr<Clipboard> clipboard = driver->clipboard();
    ASSERT_TRUE(clipboard->set_picture(picture));
    const Picture pasted = driver->pasted_picture();
    ASSERT_EQ(pasted.width, kWidth);
    ASSERT_EQ(pasted.height, kHeight);
    EXPECT_EQ(*pasted.pixels, *pixels);
    EXPECT_FALSE(clipboard->set_picture(Picture{}));
}

}  // namespace
}  // namespace vis::test
