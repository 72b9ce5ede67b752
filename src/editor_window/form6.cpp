#include "editor_window/form6.h"

#include <algorithm>

#include "core/main_window.h"
#include "editor/navigator.h"
#include "editor_window/tool_icons.h"
#include "platform/window_system.h"

namespace vis {

namespace {

constexpr int kClientWidth = 14880;
constexpr int kClientHeight = 7935;
constexpr int kMargin = 120;

}  // namespace

Form6::Form6(Windows& windows)
    : Form(windows.platform().windows, "Form6", " 編集"),
      img_pre(*this, "img_pre", true),
      shp_pre(*this, "shp_pre"),
      shp_pos(*this, "shp_pos"),
      Label1(*this, "Label1"),
      img_cur(*this, "img_cur", false),
      lbl_pnt_color(*this, "lbl_pnt_color", "描画色"),
      lbl_width(*this, "lbl_width", "10"),
      scr_width(*this, "scr_width", 1, 30, 10),
      cmd_pnt_0(*this, "cmd_pnt_0", "選択"),
      cmd_pnt_1(*this, "cmd_pnt_1", "鉛筆"),
      cmd_pnt_3(*this, "cmd_pnt_3", "直線"),
      cmd_pnt_4(*this, "cmd_pnt_4", "塗り潰し"),
      cmd_pnt_5(*this, "cmd_pnt_5", "文字"),
      cmd_pnt_eff(*this, "cmd_pnt_eff", "効果"),
      cmd_all_crear(*this, "cmd_all_crear", "全クリア"),
      cmd_save(*this, "cmd_save", "保存"),
      Label2(*this, "Label2",
             "この機能はあくまで簡易的なものです。しっかりとして物を作成する場合は、専用ソフトをお使いください。"),
      frm_pct(*this, "frm_pct", ""),
      pct_ss(*this, "pct_ss"),
      shp_sel(*this, "shp_sel"),
      lne_str(*this, "lne_str"),
      lbl_pnt_5(*this, "lbl_pnt_5"),
      tmr_form6_cancel(*this, "tmr_form6_cancel", 1, false),
      windows_(windows) {
    lay_out();
    wire_events();
    show_state();
}

void Form6::lay_out() {
    set_client_size(kClientWidth, kClientHeight);
    set_border_style(BorderStyle::fixed_single);
    set_min_button(true);

    img_pre.move(kMargin, kMargin);
    shp_pre.move(kMargin, kMargin);
    shp_pos.move(kMargin, kMargin);
    shp_pos.set_border_colour(rgb(255, 0, 0));

    Label1.set_bounds({4200, 120, 255, 615});
    Label1.set_caption("選\r\n\r\n択");
    img_cur.set_bounds({4440, 120, 615, 615});
    img_cur.set_resource(kPencilIcon.resource);
    lbl_pnt_color.set_bounds({4200, 840, 855, 255});
    lbl_pnt_color.set_alignment(Alignment::centre);
    // The colour as decimal text, as the tag held it from the start.
    lbl_pnt_color.set_tag("000000000");
    lbl_width.set_bounds({4680, 960, 375, 255});
    lbl_width.set_back_colour(rgb(255, 255, 192));
    lbl_width.set_visible(false);
    scr_width.set_bounds({4200, 1200, 855, 255});

    const std::pair<Button*, const Icon*> tools[] = {{&cmd_pnt_0, &kSelectIcon},
                                                     {&cmd_pnt_1, &kPencilIcon},
                                                     {&cmd_pnt_3, &kLineIcon},
                                                     {&cmd_pnt_4, &kFillIcon},
                                                     {&cmd_pnt_5, &kTextIcon}};
    int top = 1560;
    for (const auto& [button, icon] : tools) {
        button->set_bounds({4200, top, 855, 615});
        button->set_icon(*icon);
        top += 720;
    }
    cmd_pnt_eff.set_bounds({4200, 5160, 855, 615});
    cmd_all_crear.set_bounds({4200, 5880, 855, 615});
    cmd_save.set_bounds({120, 3600, 1575, 735});
    Label2.set_bounds({120, 4440, 3975, 735});
    Label2.set_tool_tip("元に戻す: Ctrl+Z\nやり直し: Ctrl+Y / Ctrl+Shift+Z");

    frm_pct.move(5160, 120);
    pct_ss.set_container(frm_pct);
    pct_ss.move(0, 0);
    pct_ss.set_mouse_icon(kPencilIcon);
    for (Control* overlay : std::initializer_list<Control*>{&shp_sel, &lne_str, &lbl_pnt_5}) {
        overlay->set_container(pct_ss);
        overlay->set_visible(false);
    }
    lbl_pnt_5.set_opaque(false);
}

void Form6::wire_events() {
    on_query_unload = [this] { return Form_QueryUnload(); };
    img_pre.on_mouse_down = [this](int, int, int, int) { img_pre_MouseDown(); };
    img_pre.on_mouse_move = [this](int, int, int x, int y) { img_pre_MouseMove(x, y); };
    img_pre.on_mouse_up = [this](int, int, int, int) { img_pre_MouseUp(); };
    pct_ss.on_mouse_down = [this](int b, int, int x, int y) { pct_ss_MouseDown(b, x, y); };
    pct_ss.on_mouse_move = [this](int, int, int x, int y) { pct_ss_MouseMove(x, y); };
    pct_ss.on_mouse_up = [this](int, int, int x, int y) { pct_ss_MouseUp(x, y); };
    on_shortcut = [this](int key_code, int shift) { return Form_Shortcut(key_code, shift); };
    cmd_pnt_0.on_click = [this] { cmd_pnt_Click(cmd_pnt_0, ToolKind::select); };
    cmd_pnt_1.on_click = [this] { cmd_pnt_Click(cmd_pnt_1, ToolKind::pencil); };
    cmd_pnt_3.on_click = [this] { cmd_pnt_Click(cmd_pnt_3, ToolKind::line); };
    cmd_pnt_5.on_click = [this] { cmd_pnt_Click(cmd_pnt_5, ToolKind::text); };
    cmd_pnt_4.on_click = [this] { cmd_pnt_4_Click(); };
    cmd_all_crear.on_click = [this] { cmd_all_crear_Click(); };
    cmd_pnt_eff.on_click = [this] { cmd_pnt_eff_Click(); };
    cmd_save.on_click = [this] { cmd_save_Click(); };
    lbl_pnt_color.on_click = [this] { lbl_pnt_color_Click(); };
    scr_width.on_scroll = [this] { scr_width_Scroll(); };
    scr_width.on_change = [this] { scr_width_Change(); };
    tmr_form6_cancel.on_timer = [this] { tmr_form6_cancel_Timer(); };
    document_->set_listener([this] { show_changes(); });
}

void Form6::open(const Picture& picture) {
    show();
    // One picture pixel per device pixel, as the viewer shows it.
    const ScreenInfo screen = windows_.platform().windows.screen();
    document_->open(picture, screen.twips_per_pixel_x, screen.device_pixel_ratio);
}

void Form6::show_changes() {
    const EditorDocument::Changes changes = document_->take_changes();
    if (changes.resized) {
        size_to_canvas();
        // The old scroll position may lie beyond the new size: the view starts at the corner again.
        if (changes.cropped) {
            shp_pos.move(kMargin, kMargin);
            pct_ss.move(0, 0);
        }
    } else {
        if (!changes.pixels.empty()) pct_ss.picture_changed(changes.pixels);
        if (!changes.navigator.empty()) img_pre.picture_changed(thumbnail_.refresh(canvas().live(), changes.navigator));
    }
    show_state();
}

void Form6::size_to_canvas() {
    const Canvas& canvas = document_->canvas();
    pct_ss.set_picture(canvas.live());
    pct_ss.resize(canvas.width(), canvas.height());

    thumbnail_.reset(canvas.live());
    img_pre.set_picture(thumbnail_.picture());
    const EditorLayout layout = editor_layout(canvas.width(), canvas.height());
    img_pre.resize(layout.navigator_width, layout.navigator_height);
    shp_pre.resize(layout.navigator_width, layout.navigator_height);
    shp_pos.resize(layout.view_width, layout.view_height);
    frm_pct.resize(layout.viewport_width, layout.viewport_height);
    fit_client_area();
}

void Form6::fit_client_area() {
    const int width = std::max(kClientWidth, frm_pct.left() + frm_pct.width() + kMargin);
    const int height = std::max(kClientHeight, frm_pct.top() + frm_pct.height() + kMargin);
    set_client_size(width, height);
}

bool Form6::Form_QueryUnload() {
    close_now();
    return false;
}

void Form6::close_now() {
    // A running effect ends with the document's close; it keeps the document until then.
    document_->set_listener({});
    document_->close();
    Form& main = windows_.main().form();
    main.show();
    main.set_window_state(WindowState::normal);
    // The next opening starts from the laid-out state: pencil, black, width 10.
    windows_.unload<Form6>();
}

// --- navigator

void Form6::img_pre_MouseDown() {
    pre_drag = 1;
}

void Form6::img_pre_MouseUp() {
    pre_drag = 0;
}

void Form6::img_pre_MouseMove(int x, int y) {
    if (pre_drag != 1) return;
    const NavigatorDrag d = navigator_drag(static_cast<float>(x), static_cast<float>(y), img_pre.bounds(),
                                           shp_pos.width(), shp_pos.height(), canvas().width(), canvas().height());
    shp_pos.move(d.view_left, d.view_top);
    pct_ss.move(d.canvas_left, d.canvas_top);
}

// --- cancel from the canvas's pop-up menu, one tick after the menu closed

void Form6::tmr_form6_cancel_Timer() {
    document_->cancel();
    tmr_form6_cancel.set_timer_enabled(false);
}

}  // namespace vis
