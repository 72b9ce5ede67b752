// The pointer over a picture on each system, for the viewer's image and the editor's picture box
// alike: moves and presses reach the program in twips from the picture's corner with the button
// and Shift held, a left press let go on the picture is a click, a double-click is a click and a
// double-click, and a right press or a press let go elsewhere is no click; held, a picture hears
// the pointer outside it.
#include <array>
#include <memory>
#include <vector>

#include "backend/backend_driver.h"
#include "ui/keys.h"

namespace vis::test {
namespace {

Picture grey(int w, int h) {
    return {w, h, std::make_shared<std::vector<std::uint32_t>>(static_cast<std::size_t>(w) * h, 0xFF808080u)};
}

TEST_F(BackendTest, ThePointerOverAPictureReachesTheProgramInTwips) {
    enum class Do { move, press, double_click };
    struct Step {
        const char* what;
        Do act;
        int button, shift;
        ViewPoint at, let_go;
        std::array<int, 4> heard;  // button, shift, x, y of the move or (first) press
        int clicks, double_clicks;
    };
    const int left = button::kLeft, right = button::kRight;
    const Step steps[] = {
        {"a move", Do::move, 0, 0, {3, 10}, {}, {0, 0, 45, 150}, 0, 0},
        {"a left press with Shift",
         Do::press,
         left,
         shift::kShift,
         {4, 6},
         {4, 6},
         {left, shift::kShift, 60, 90},
         1,
         0},
        {"a double-click", Do::double_click, left, 0, {5, 5}, {5, 5}, {left, 0, 75, 75}, 1, 1},
        {"a right press", Do::press, right, 0, {5, 5}, {5, 5}, {right, 0, 75, 75}, 0, 0},
        {"a left press let go elsewhere", Do::press, left, 0, {4, 6}, {500, 6}, {left, 0, 60, 90}, 0, 0},
    };
    struct PictureForm : Form {
        explicit PictureForm(WindowSystem& ws) : Form(ws, "ViewerWindow", "viewer") {
            set_client_size(3000, 3000);
            pic.set_bounds({0, 1500, 1500, 1500});
            for (ImageBox* box : {&img, static_cast<ImageBox*>(&pic)}) {
                box->set_picture(grey(40, 40));
                box->on_mouse_move = [this](int b, int s, int x, int y) { heard.push_back({b, s, x, y}); };
                box->on_mouse_down = [this](int b, int s, int x, int y) { heard.push_back({b, s, x, y}); };
                box->on_click = [this] { ++clicks; };
                box->on_dbl_click = [this] { ++double_clicks; };
            }
        }
        ImageBox img{*this, "img_view", false};
        PictureBox pic{*this, "pic"};
        std::vector<std::array<int, 4>> heard;
        int clicks = 0, double_clicks = 0;
    } form(windows);
    form.show();
    windows.do_events();
    for (const ImageBox* box : {&form.img, static_cast<ImageBox*>(&form.pic)}) {
        for (const Step& s : steps) {
            SCOPED_TRACE(box->name() + ": " + s.what);
            form.heard.clear();
            form.clicks = form.double_clicks = 0;
            if (s.act == Do::move) driver->move(*box, s.at);
            if (s.act == Do::press) driver->press_and_let_go(*box, s.at, s.button, s.shift, s.let_go);
            if (s.act == Do::double_click) driver->double_click(*box, s.at);
            // A double-click is a press, then a second one the double-click: the first press is heard.
            ASSERT_FALSE(form.heard.empty());
            EXPECT_EQ(form.heard.front(), s.heard);
            EXPECT_EQ(form.clicks, s.clicks);
            EXPECT_EQ(form.double_clicks, s.double_clicks);
        }
    }
}

// The editor draws on with the button held past the picture's edge: held, the picture keeps the
// pointer, so the move and the release outside it reach it, in twips from its corner.
TEST_F(BackendTest, APressedPictureHearsThePointerOutsideItUntilLetGo) {
    Form form(windows, "EditorWindow", " 編集");
    form.set_client_size(6000, 3000);
    PictureBox canvas(form, "canvas");
    canvas.set_bounds({1500, 750, 1500, 1500});
    canvas.set_picture(grey(100, 100));
    std::vector<std::array<int, 4>> heard;  // 'd', 'm' or 'u'; button, x, y
    canvas.on_mouse_down = [&](int b, int, int x, int y) { heard.push_back({'d', b, x, y}); };
    canvas.on_mouse_move = [&](int b, int, int x, int y) { heard.push_back({'m', b, x, y}); };
    canvas.on_mouse_up = [&](int b, int, int x, int y) { heard.push_back({'u', b, x, y}); };
    form.show();
    windows.do_events();
    driver->drag(canvas, {10, 20}, {-30, -4});
    const int left = button::kLeft;
    EXPECT_EQ(heard,
              (std::vector<std::array<int, 4>>{{'d', left, 150, 300}, {'m', left, -450, -60}, {'u', left, -450, -60}}));
}

}  // namespace
}  // namespace vis::test
