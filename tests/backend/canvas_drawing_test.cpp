// The editor's canvas on each system: a picture box in a frame at its own size, scrolled by
// moving it, with the selection's outline drawn over it in its own pixels; pixels the program
// changes in place show once it says where.
#include <memory>
#include <vector>

#include "backend/backend_driver.h"

namespace vis::test {
namespace {

constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00;

TEST_F(BackendTest, TheCanvasShowsInItsFrameWithItsOutlineWhereverItIsScrolled) {
    Form form(windows, "EditorWindow", " 編集");
    form.set_client_size(6000, 3000);
    form.set_back_colour(rgb(255, 255, 255));
    Frame viewport(form, "viewport", "");
    viewport.set_bounds({150, 150, 1500, 1500});  // 100 x 100 pixels
    PictureBox canvas(form, "canvas");
    canvas.set_container(viewport);
    canvas.set_bounds({0, 0, 3000, 3000});
    const auto pixels = std::make_shared<std::vector<std::uint32_t>>(200 * 200, 0xFF000000u | kBlue);
    canvas.set_picture({200, 200, pixels});
    Shape outline(form, "outline");
    outline.set_container(canvas);
    outline.set_bounds({300, 300, 600, 600});  // pixels 20 to 59 of the canvas
    outline.set_border_colour(rgb(255, 0, 0));
    outline.set_border_width(3);
    form.show();
    windows.do_events();
    struct Row {
        const char* what;
        std::function<void()> change;
        ViewPoint at;  // in the frame
        std::uint32_t colour;
    };
    const Row rows[] = {
        {"the canvas covers the frame's border", [] {}, {0, 0}, kBlue},
        {"to the frame's far corner", [] {}, {99, 99}, kBlue},
        {"the outline's left border", [] {}, {20, 40}, kRed},
        {"three pixels wide", [] {}, {22, 40}, kRed},
        {"the picture within it", [] {}, {23, 40}, kBlue},
        {"its right border, inside its bounds", [] {}, {59, 40}, kRed},
        {"the picture beside it", [] {}, {60, 40}, kBlue},
        {"pixels changed in place",
         [&] {
             for (int y = 70; y < 80; ++y)
                 for (int x = 70; x < 80; ++x) (*pixels)[static_cast<std::size_t>(y) * 200 + x] = 0xFF000000u | kGreen;
             canvas.picture_changed({70, 70, 10, 10});
         },
         {75, 75},
         kGreen},
        {"scrolled: the outline moves with the canvas", [&] { canvas.move(-450, -450); }, {28, 10}, kRed},
        {"scrolled: the changed pixels too", [] {}, {45, 45}, kGreen},
        {"scrolled: the canvas still covers the border", [] {}, {0, 99}, kBlue},
        {"the outline in a new colour, one pixel wide",
         [&] {
             outline.set_border_colour(rgb(0, 128, 0));
             outline.set_border_width(1);
         },
         {29, 10},
         0x008000},
        {"the picture where its border was", [] {}, {28, 10}, kBlue},
    };
    for (const Row& row : rows) {
        row.change();
        windows.do_events();
        EXPECT_EQ(driver->pixel(viewport, row.at), row.colour) << row.what;
    }
}

}  // namespace
}  // namespace vis::test
