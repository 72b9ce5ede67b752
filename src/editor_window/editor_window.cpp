#include "editor_window/editor_window.h"

#include <algorithm>

#include "core/main_window_parts.h"
#include "editor/navigator.h"
#include "editor_window/tool_icons.h"
#include "ui/window_system.h"

namespace vis {

namespace {

constexpr int kClientWidth = 14880;
constexpr int kClientHeight = 7935;
constexpr int kMargin = 120;

}  // namespace

EditorWindow::EditorWindow(WindowOwner& windows)
    : Form(windows.platform().windows, "EditorWindow", " 編集"),
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
      tmr_cancel_tool(*this, "tmr_cancel_tool", 1, false),
      windows_(windows) {
    lay_out();
    wire_events();
    show_state();
}

void EditorWindow::lay_out() {
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

void EditorWindow::wire_events() {
    on_query_unload = [this] { return on_close_request(); };
    img_pre.on_mouse_down = [this](int, int, int, int) { start_navigator_drag(); };
    img_pre.on_mouse_move = [this](int, int, int x, int y) { drag_navigator(x, y); };
    img_pre.on_mouse_up = [this](int, int, int, int) { end_navigator_drag(); };
    pct_ss.on_mouse_down = [this](int b, int, int x, int y) { press_on_canvas(b, x, y); };
    pct_ss.on_mouse_move = [this](int, int, int x, int y) { move_on_canvas(x, y); };
    pct_ss.on_mouse_up = [this](int, int, int x, int y) { release_on_canvas(x, y); };
    on_shortcut = [this](int key_code, int shift) { return handle_shortcut(key_code, shift); };
    cmd_pnt_0.on_click = [this] { choose_tool(cmd_pnt_0, ToolKind::select); };
    cmd_pnt_1.on_click = [this] { choose_tool(cmd_pnt_1, ToolKind::pencil); };
    cmd_pnt_3.on_click = [this] { choose_tool(cmd_pnt_3, ToolKind::line); };
    cmd_pnt_5.on_click = [this] { choose_tool(cmd_pnt_5, ToolKind::text); };
    cmd_pnt_4.on_click = [this] { fill_selected(); };
    cmd_all_crear.on_click = [this] { clear_all(); };
    cmd_pnt_eff.on_click = [this] { open_effects(); };
    cmd_save.on_click = [this] { save(); };
    lbl_pnt_color.on_click = [this] { choose_colour(); };
    scr_width.on_scroll = [this] { show_width(); };
    scr_width.on_change = [this] { set_width(); };
    tmr_cancel_tool.on_timer = [this] { cancel_tool(); };
    document_->set_listener([this] { show_changes(); });
}

void EditorWindow::open(const Picture& picture) {
    show();
    // One picture pixel per device pixel, as the viewer shows it.
    const ScreenInfo screen = windows_.platform().windows.screen();
    document_->open(picture, screen.twips_per_pixel_x, screen.device_pixel_ratio);
}

void EditorWindow::show_changes() {
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

void EditorWindow::size_to_canvas() {
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

void EditorWindow::fit_client_area() {
    const int width = std::max(kClientWidth, frm_pct.left() + frm_pct.width() + kMargin);
    const int height = std::max(kClientHeight, frm_pct.top() + frm_pct.height() + kMargin);
    set_client_size(width, height);
}

bool EditorWindow::on_close_request() {
    close_now();
    return false;
}

void EditorWindow::close_now() {
    // A running effect ends with the document's close; it keeps the document until then.
    document_->set_listener({});
    document_->close();
    Form& main = windows_.main().form();
    main.show();
    main.set_window_state(WindowState::normal);
    // The next opening starts from the laid-out state: pencil, black, width 10.
    windows_.unload<EditorWindow>();
}

// --- navigator

void EditorWindow::start_navigator_drag() {
    pre_drag = 1;
}

void EditorWindow::end_navigator_drag() {
    pre_drag = 0;
}

void EditorWindow::drag_navigator(int x, int y) {
    if (pre_drag != 1) return;
    const NavigatorDrag d = navigator_drag(static_cast<float>(x), static_cast<float>(y), img_pre.bounds(),
                                           shp_pos.width(), shp_pos.height(), canvas().width(), canvas().height());
    shp_pos.move(d.view_left, d.view_top);
    pct_ss.move(d.canvas_left, d.canvas_top);
}

// --- cancel from the canvas's pop-up menu, one tick after the menu closed

void EditorWindow::cancel_tool() {
    document_->cancel();
    tmr_cancel_tool.set_timer_enabled(false);
}

}  // namespace vis
