// The program's icons on image boxes on each system, read from its data folder: at their own size
// or stretched to the box, their transparent parts showing the form beneath; a missing or broken
// icon leaves the box empty at its own size until a real one is given.
#include <filesystem>
#include <vector>

#include "backend/backend_driver.h"
#include "backend/tool_icon.h"
#include "services/paths.h"
#include "support/stored_png_bytes.h"
#include "support/temp_folder.h"

namespace vis::test {
namespace {

constexpr std::uint32_t kRed = 0xFF0000, kWhite = 0xFFFFFF;

TEST_F(BackendTest, AnImageShowsItsIconAtItsOwnSizeOrStretchedAndNothingOfABrokenOne) {
    const std::string data = join_path(driver->program_folder(), "data");
    std::filesystem::create_directories(data);
    write_file(join_path(data, "tool.png"), rgba_png_bytes(16, 16, tool_icon()));
    write_file(join_path(data, "broken.png"), "\x89PNG\r\n\x1a\nnot a picture");
    Form form(windows, "MainWindow", "icons");
    form.set_back_colour(rgb(255, 255, 255));
    form.set_client_size(3000, 3000);
    ImageBox natural(form, "natural", false);
    natural.set_bounds({0, 0, 615, 615});
    natural.set_resource("tool.png");
    ImageBox stretched(form, "stretched", true);
    stretched.set_bounds({1500, 0, 480, 480});  // 32 x 32 pixels
    stretched.set_resource("tool.png");
    ImageBox missing(form, "missing", false);
    missing.set_bounds({0, 1500, 615, 615});  // 41 x 41 pixels
    missing.set_resource("no_such.png");
    ImageBox broken(form, "broken", true);
    broken.set_bounds({1500, 1500, 480, 480});
    broken.set_resource("broken.png");
    form.show();
    windows.do_events();
    struct Row {
        const char* what;
        const ImageBox& box;
        ViewPoint size, at;
        std::uint32_t colour;
    };
    const Row rows[] = {
        {"at its own size: the icon's red", natural, {16, 16}, {7, 7}, kRed},
        {"the form through its transparent part", natural, {16, 16}, {12, 3}, kWhite},
        {"stretched: the red quarter twice the size", stretched, {32, 32}, {13, 13}, kRed},
        {"stretched: the form beyond it", stretched, {32, 32}, {19, 3}, kWhite},
        {"missing: empty at its own size", missing, {41, 41}, {20, 20}, kWhite},
        {"broken: empty", broken, {32, 32}, {16, 16}, kWhite},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(driver->client_size(row.box).x, row.size.x) << row.what;
        EXPECT_EQ(driver->client_size(row.box).y, row.size.y) << row.what;
        EXPECT_EQ(driver->pixel(row.box, row.at), row.colour) << row.what;
    }
    // Whole: exactly the icon's red quarter at its own size; nothing at all of a missing or broken one.
    const auto count_of = [&](const ImageBox& box, std::uint32_t colour) {
        int n = 0;
        for (int y = 0; y < driver->client_size(box).y; ++y)
            for (int x = 0; x < driver->client_size(box).x; ++x) n += driver->pixel(box, {x, y}) == colour ? 1 : 0;
        return n;
    };
    EXPECT_EQ(count_of(natural, kRed), 64);
    EXPECT_EQ(count_of(missing, kWhite), 41 * 41);
    EXPECT_EQ(count_of(broken, kWhite), 32 * 32);
    // Half-transparent black over the white form: a middle grey.
    const std::uint32_t grey = driver->pixel(natural, {15, 15});
    EXPECT_NEAR(static_cast<int>(grey >> 16), 127, 2);
    EXPECT_EQ(grey >> 16, grey & 0xFF);
    // Given a real icon later, the box shows it at its size.
    missing.set_resource("tool.png");
    windows.do_events();
    EXPECT_EQ(driver->client_size(missing).x, 16);
    EXPECT_EQ(driver->pixel(missing, {3, 3}), kRed);
}

}  // namespace
}  // namespace vis::test
