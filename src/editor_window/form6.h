#pragma once
// The editor: one screenshot on a canvas to draw on, shown a quarter at a time in a viewport that
// the navigator scrolls, with the drawing tools beside it. It never touches the screenshot file.
#include <string>

#include "core/windows.h"
#include "editor/canvas.h"
#include "editor/thumbnail.h"
#include "platform/control.h"
#include "platform/form.h"

namespace vis {

// Tool codes as the current-tool image's tag holds them.
namespace tool {
constexpr int kSelect = 0;
constexpr int kPencil = 1;
constexpr int kLine = 3;
constexpr int kText = 5;
}  // namespace tool

class Form6 : public Form {
public:
    explicit Form6(Windows& windows);

    // --- controls: the navigator, the tools, the viewport with the canvas and its overlays
    ImageBox img_pre;
    Shape shp_pre;
    Shape shp_pos;
    Label Label1;
    ImageBox img_cur;
    Label lbl_pnt_color;
    Label lbl_width;
    ScrollBar scr_width;
    Button cmd_pnt_0;
    Button cmd_pnt_1;
    Button cmd_pnt_3;
    Button cmd_pnt_4;
    Button cmd_pnt_5;
    Button cmd_pnt_eff;
    Button cmd_all_crear;
    Button cmd_save;
    Label Label2;
    Frame frm_pct;
    PictureBox pct_ss;
    Shape shp_sel;
    Line lne_str;
    Label lbl_pnt_5;
    Timer tmr_form6_cancel;

    // --- window-level state
    int pre_drag = 0;
    int pnt_down = 0;
    int str_x = -1;
    int str_y = -1;
    std::string pnt_color;

    // Shows the editor with this picture (not empty) on the canvas, and sizes the navigator, the
    // view rectangle and the viewport for it.
    void open(const Picture& picture);
    Canvas& canvas() { return canvas_; }
    // Shows on screen what was drawn on the canvas since the last call.
    void show_drawing();
    // Gives the navigator the canvas image as it is now.
    void refresh_navigator();
    // An effect is working on the canvas: until it ends nothing else draws on it or saves it,
    // so no stroke lands among its pixels half done.
    bool effect_running() const;
    // The current tool and drawing colour, as their tags hold them.
    int tool_code() const;
    Colour drawing_colour() const;

    // --- handlers
    bool Form_QueryUnload();
    void img_pre_MouseDown();
    void img_pre_MouseMove(int x, int y);
    void img_pre_MouseUp();
    void pct_ss_MouseDown(int button, int x, int y);
    void pct_ss_MouseMove(int x, int y);
    void pct_ss_MouseUp(int x, int y);
    void cmd_pnt_Click(Button& button, int code);
    void cmd_pnt_4_Click();
    void cmd_all_crear_Click();
    void cmd_pnt_eff_Click();
    void cmd_save_Click();
    void lbl_pnt_color_Click();
    void scr_width_Scroll();
    void scr_width_Change();
    void tmr_form6_cancel_Timer();

private:
    void lay_out();
    void wire_events();
    // The drawing point for a pointer position on the canvas.
    double point_x(int x) const;
    double point_y(int y) const;
    // The window's client area grows to hold a large viewport.
    void fit_client_area();

    Windows& windows_;
    Canvas canvas_;
    Thumbnail thumbnail_;
    // Drawn on the canvas but not yet in the navigator.
    PixelRect navigator_pending_;
};

}  // namespace vis
