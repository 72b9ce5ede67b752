// The editor's events mapped to its document: the pointer on the canvas, the tool buttons, fill,
// clear all, effects, colour, pen width, and undo and redo; and what the document holds drawn
// over the canvas and beside it.
#include <string>

#include "core/app.h"
#include "core/main_window_parts.h"
#include "editor/tool_geometry.h"
#include "editor_window/editor_window.h"
#include "editor_window/effects_dialog.h"
#include "editor_window/text_dialog.h"
#include "ui/keys.h"
#include "ui/text_metrics.h"

namespace vis {

namespace {

constexpr int kKeyY = 'Y';
constexpr int kKeyZ = 'Z';

}  // namespace

// The pointer picture is measured in screen pixels, whatever the canvas's pixels are worth.
double EditorWindow::point_x(int x) const {
    const double screen_twips = canvas().twips_per_pixel() * canvas().pixel_ratio();
    return static_cast<float>(x - drawing_offset(pct_ss.mouse_icon().width, screen_twips));
}

double EditorWindow::point_y(int y) const {
    const double screen_twips = canvas().twips_per_pixel() * canvas().pixel_ratio();
    return static_cast<float>(y - drawing_offset(pct_ss.mouse_icon().height, screen_twips));
}

void EditorWindow::show_state() {
    const EditorDocument& doc = *document_;
    const Overlay& overlay = doc.overlay();
    shp_sel.set_visible(overlay.selection.has_value());
    if (overlay.selection) {
        shp_sel.set_border_colour(overlay.selection_colour);
        shp_sel.set_bounds(*overlay.selection);
    }
    lne_str.set_visible(overlay.line.has_value());
    lne_str.set_border_width(doc.pen_width());
    if (overlay.line) {
        const auto& [from, to] = *overlay.line;
        lne_str.set_border_colour(overlay.line_colour);
        lne_str.set_bounds({from.x, from.y, to.x - from.x, to.y - from.y});
    }
    lbl_pnt_5.set_visible(overlay.text_at.has_value());
    lbl_pnt_5.set_fore_colour(overlay.text_colour);
    if (overlay.text_at) lbl_pnt_5.move(overlay.text_at->x, overlay.text_at->y);
    if (lbl_pnt_5.caption() != doc.text().text || !(lbl_pnt_5.font() == doc.text().font)) {
        lbl_pnt_5.set_caption(doc.text().text);
        lbl_pnt_5.set_font(doc.text().font);
        fit_to_text(lbl_pnt_5, windows_.platform().text);
    }
    lbl_pnt_color.set_back_colour(doc.colour());
    lbl_pnt_color.set_fore_colour(contrasting(doc.colour()));
}

void EditorWindow::press_on_canvas(int button, int x, int y) {
    if (button == button::kRight) {
        windows_.platform().prompts.popup_menu(windows_.main().edit_menu(), *this, frm_pct.left() + pct_ss.left() + x,
                                               frm_pct.top() + pct_ss.top() + y);
        return;
    }
    if (document_->press(point_x(x), point_y(y)) && document_->tool() == ToolKind::text)
        windows_.get<TextDialog>().show();
}

void EditorWindow::move_on_canvas(int x, int y) {
    if (document_->pressed()) document_->move(point_x(x), point_y(y));
}

void EditorWindow::release_on_canvas(int x, int y) {
    document_->release(point_x(x), point_y(y));
}

void EditorWindow::choose_tool(Button& button, ToolKind tool) {
    img_cur.set_resource(button.icon().resource);
    pct_ss.set_mouse_icon(button.icon());
    document_->set_tool(tool);
}

void EditorWindow::fill_selected() {
    if (document_->effect_running() || document_->fill()) return;
    windows_.platform().prompts.message_box(
        {"ERR:選択範囲がありません", kAppTitle, MsgButtons::ok, MsgIcon::none, 0, this});
}

void EditorWindow::clear_all() {
    if (document_->effect_running()) return;
    const MessageBox ask{
        "全消去しますか？\r\n一度実行すると元には戻せません。", "AC", MsgButtons::yes_no, MsgIcon::none, 0, this};
    if (windows_.platform().prompts.message_box(ask) == MsgResult::no) return;
    document_->clear_all();
}

void EditorWindow::open_effects() {
    windows_.get<EffectsDialog>().show();
}

void EditorWindow::choose_colour() {
    const auto chosen = windows_.platform().prompts.choose_colour(document_->colour(), this);
    if (!chosen) return;
    document_->set_colour(*chosen);
}

void EditorWindow::show_width() {
    lbl_width.set_visible(true);
    lbl_width.set_caption(std::to_string(scr_width.value()));
}

void EditorWindow::set_width() {
    lbl_width.set_visible(false);
    document_->set_pen_width(scr_width.value());
}

// --- undo and redo

bool EditorWindow::handle_shortcut(int key_code, int shift) {
    const int keys = shift & (shift::kCtrl | shift::kShift | shift::kAlt);
    if (key_code == kKeyZ && keys == shift::kCtrl)
        undo();
    else if ((key_code == kKeyY && keys == shift::kCtrl) ||
             (key_code == kKeyZ && keys == (shift::kCtrl | shift::kShift)))
        redo();
    else
        return false;
    return true;
}

void EditorWindow::undo() {
    document_->undo();
}

void EditorWindow::redo() {
    document_->redo();
}

}  // namespace vis
