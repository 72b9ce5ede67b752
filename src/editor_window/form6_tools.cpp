// The drawing tools on the canvas: selection, pencil, straight line and text placement, and the
// buttons and controls beside it: tools, fill, clear all, effects, colour and pen width.
#include <string>

#include "core/app.h"
#include "core/main_window.h"
#include "editor/tool_geometry.h"
#include "editor_window/form6.h"
#include "editor_window/form6_sub1.h"
#include "editor_window/form6_sub2.h"
#include "platform/keys.h"

namespace vis {

namespace {

// Text that stays readable on the colour label whatever the colour.
Colour caption_colour_on(Colour c) {
    const int brightness = red_of(c) * 299 + green_of(c) * 587 + blue_of(c) * 114;
    return brightness > 128000 ? rgb(0, 0, 0) : rgb(255, 255, 255);
}

}  // namespace

// The pointer picture is measured in screen pixels, whatever the canvas's pixels are worth.
double Form6::point_x(int x) const {
    const double screen_twips = canvas_.twips_per_pixel() * canvas_.pixel_ratio();
    return static_cast<float>(x - drawing_offset(pct_ss.mouse_icon().width, screen_twips));
}

double Form6::point_y(int y) const {
    const double screen_twips = canvas_.twips_per_pixel() * canvas_.pixel_ratio();
    return static_cast<float>(y - drawing_offset(pct_ss.mouse_icon().height, screen_twips));
}

void Form6::pct_ss_MouseDown(int button, int x, int y) {
    if (button == button::kRight) {
        windows_.platform().prompts.popup_menu(windows_.main().edit_menu(), *this, frm_pct.left() + pct_ss.left() + x,
                                               frm_pct.top() + pct_ss.top() + y);
        return;
    }
    if (effect_running()) return;
    pnt_color = lbl_pnt_color.tag();
    const Colour colour = drawing_colour();
    const double px = point_x(x), py = point_y(y);
    canvas_.set_draw_width(scr_width.value());
    canvas_.set_draw_mode(DrawMode::no_op);
    canvas_.pset(px, py, colour);
    canvas_.set_draw_mode(DrawMode::copy);

    const int code = tool_code();
    switch (code) {
        case tool::kSelect:
            shp_sel.set_border_colour(colour);
            shp_sel.set_bounds({whole_twips(px), whole_twips(py), 1, 1});
            shp_sel.set_visible(true);
            break;
        case tool::kPencil:
            canvas_.line_to(px, py, colour);
            show_drawing();
            break;
        case tool::kLine:
            lne_str.set_border_colour(colour);
            if (str_x == -1) {
                str_x = whole_twips(px);
                str_y = whole_twips(py);
            }
            lne_str.set_bounds({str_x, str_y, whole_twips(px) - str_x, whole_twips(py) - str_y});
            lne_str.set_visible(true);
            break;
        case tool::kText:
            lbl_pnt_5.set_visible(true);
            lbl_pnt_5.set_fore_colour(colour);
            lbl_pnt_5.move(whole_twips(px), whole_twips(py));
            windows_.get<Form6_Sub1>().show();
            break;
        default:
            break;
    }
    if (code != tool::kSelect) shp_sel.set_visible(false);
    pnt_down = 1;
}

void Form6::pct_ss_MouseMove(int x, int y) {
    if (pnt_down != 1 || effect_running()) return;
    pnt_color = lbl_pnt_color.tag();
    canvas_.set_draw_width(scr_width.value());
    const double px = point_x(x), py = point_y(y);
    switch (tool_code()) {
        case tool::kSelect:
            shp_sel.set_bounds(drag_selection(shp_sel.bounds(), whole_twips(px), whole_twips(py)));
            break;
        case tool::kPencil:
            canvas_.line_to(px, py, drawing_colour());
            break;
        case tool::kLine:
            lne_str.set_bounds({str_x, str_y, whole_twips(px) - str_x, whole_twips(py) - str_y});
            break;
        case tool::kText:
            lbl_pnt_5.move(whole_twips(px), whole_twips(py));
            break;
        default:
            break;
    }
    refresh_navigator();
}

void Form6::pct_ss_MouseUp(int x, int y) {
    pnt_color = lbl_pnt_color.tag();
    // Only a line that was started draws: the release of the right button, or of a line the
    // cancel command dropped, must not draw from the canvas's corner.
    if (tool_code() == tool::kLine && str_x != -1 && !effect_running()) {
        canvas_.line(str_x, str_y, point_x(x), point_y(y), drawing_colour());
        lne_str.set_visible(false);
        show_drawing();
    }
    pnt_down = 0;
    str_x = -1;
    str_y = -1;
}

void Form6::cmd_pnt_Click(Button& button, int code) {
    img_cur.set_resource(button.icon().resource);
    img_cur.set_tag(std::to_string(code));
    pct_ss.set_mouse_icon(button.icon());
    if (code == tool::kLine) {
        str_x = -1;
        str_y = -1;
    }
}

void Form6::cmd_pnt_4_Click() {
    if (effect_running()) return;
    if (!shp_sel.visible()) {
        windows_.platform().prompts.message_box(
            {"ERR:選択範囲がありません", kAppTitle, MsgButtons::ok, MsgIcon::none, 0, this});
        return;
    }
    pnt_color = lbl_pnt_color.tag();
    // Inset 70 twips from the left and top and 80 from the right and bottom.
    const Rect& s = shp_sel.bounds();
    canvas_.box_sized(s.left + 70, s.top + 70, s.width - 150, s.height - 150, drawing_colour());
    refresh_navigator();
}

void Form6::cmd_all_crear_Click() {
    if (effect_running()) return;
    const MessageBox ask{
        "全消去しますか？\r\n一度実行すると元には戻せません。", "AC", MsgButtons::yes_no, MsgIcon::none, 0, this};
    if (windows_.platform().prompts.message_box(ask) == MsgResult::no) return;
    canvas_.clear();
    refresh_navigator();
}

void Form6::cmd_pnt_eff_Click() {
    windows_.get<Form6_Sub2>().show();
}

void Form6::lbl_pnt_color_Click() {
    const auto chosen = windows_.platform().prompts.choose_colour(colour_from_text(lbl_pnt_color.tag()), this);
    if (!chosen) return;
    lbl_pnt_color.set_back_colour(*chosen);
    lbl_pnt_color.set_fore_colour(caption_colour_on(*chosen));
    lbl_pnt_color.set_tag(std::to_string(*chosen));
}

void Form6::scr_width_Scroll() {
    lbl_width.set_visible(true);
    lbl_width.set_caption(std::to_string(scr_width.value()));
}

void Form6::scr_width_Change() {
    lbl_width.set_visible(false);
    canvas_.set_draw_width(scr_width.value());
    lne_str.set_border_width(scr_width.value());
}

}  // namespace vis
