// The editor's events mapped to its tools: the pointer on the canvas, the tool buttons, fill,
// clear all, effects, colour, pen width, the text dialog's requests, and undo and redo.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>

#include "core/app.h"
#include "core/main_window_parts.h"
#include "editor/clear_all_tool.h"
#include "editor/fill_tool.h"
#include "editor/text_tool.h"
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
    const double screen_twips = canvas_.twips_per_pixel() * canvas_.pixel_ratio();
    return static_cast<float>(x - drawing_offset(pct_ss.mouse_icon().width, screen_twips));
}

double EditorWindow::point_y(int y) const {
    const double screen_twips = canvas_.twips_per_pixel() * canvas_.pixel_ratio();
    return static_cast<float>(y - drawing_offset(pct_ss.mouse_icon().height, screen_twips));
}

void EditorWindow::show_overlay(const Overlay& overlay) {
    shp_sel.set_visible(overlay.selection.has_value());
    if (overlay.selection) {
        shp_sel.set_border_colour(overlay.selection_colour);
        shp_sel.set_bounds(*overlay.selection);
    }
    lne_str.set_visible(overlay.line.has_value());
    if (overlay.line) {
        const auto& [from, to] = *overlay.line;
        lne_str.set_border_colour(overlay.line_colour);
        lne_str.set_border_width(overlay.line_width);
        lne_str.set_bounds({from.x, from.y, to.x - from.x, to.y - from.y});
    }
    lbl_pnt_5.set_visible(overlay.text_at.has_value());
    if (overlay.text_at) {
        lbl_pnt_5.set_fore_colour(overlay.text_colour);
        lbl_pnt_5.move(overlay.text_at->x, overlay.text_at->y);
    }
}

void EditorWindow::show_result(const ToolResult& result) {
    if (result.drew) show_drawing();
    show_overlay(result.overlay);
}

void EditorWindow::record() {
    history_.record(canvas_);
}

void EditorWindow::press_on_canvas(int button, int x, int y) {
    if (button == button::kRight) {
        windows_.platform().prompts.popup_menu(windows_.main().edit_menu(), *this, frm_pct.left() + pct_ss.left() + x,
                                               frm_pct.top() + pct_ss.top() + y);
        return;
    }
    if (effect_running_) return;
    const ToolResult result = tool_press(canvas_, state_, point_x(x), point_y(y));
    show_result(result);
    if (result.ask_text) windows_.get<TextDialog>().show();
}

void EditorWindow::move_on_canvas(int x, int y) {
    if (!state_.pressed || effect_running_) return;
    show_result(tool_move(canvas_, state_, point_x(x), point_y(y)));
    refresh_navigator();
}

void EditorWindow::release_on_canvas(int x, int y) {
    if (effect_running_) return;
    show_result(tool_release(canvas_, state_, point_x(x), point_y(y)));
    // A whole stroke, or a line, is one action.
    record();
}

void EditorWindow::choose_tool(Button& button, ToolKind tool) {
    img_cur.set_resource(button.icon().resource);
    state_.tool = tool;
    img_cur.set_tag(std::to_string(static_cast<int>(tool)));
    pct_ss.set_mouse_icon(button.icon());
    if (tool == ToolKind::line) state_.overlay.line.reset();
}

void EditorWindow::fill_selected() {
    if (effect_running_) return;
    if (!fill_selection(canvas_, state_)) {
        windows_.platform().prompts.message_box(
            {"ERR:選択範囲がありません", kAppTitle, MsgButtons::ok, MsgIcon::none, 0, this});
        return;
    }
    refresh_navigator();
    record();
}

void EditorWindow::clear_all() {
    if (effect_running_) return;
    const MessageBox ask{
        "全消去しますか？\r\n一度実行すると元には戻せません。", "AC", MsgButtons::yes_no, MsgIcon::none, 0, this};
    if (windows_.platform().prompts.message_box(ask) == MsgResult::no) return;
    vis::clear_all(canvas_);
    refresh_navigator();
    record();
}

void EditorWindow::open_effects() {
    windows_.get<EffectsDialog>().show();
}

void EditorWindow::choose_colour() {
    const auto chosen = windows_.platform().prompts.choose_colour(state_.colour, this);
    if (!chosen) return;
    state_.colour = *chosen;
    lbl_pnt_color.set_back_colour(*chosen);
    lbl_pnt_color.set_fore_colour(contrasting(*chosen));
    lbl_pnt_color.set_tag(std::to_string(*chosen));
}

void EditorWindow::show_width() {
    lbl_width.set_visible(true);
    lbl_width.set_caption(std::to_string(scr_width.value()));
}

void EditorWindow::set_width() {
    lbl_width.set_visible(false);
    state_.width = scr_width.value();
    state_.overlay.line_width = state_.width;
    canvas_.set_draw_width(state_.width);
    lne_str.set_border_width(state_.width);
}

// --- the text dialog's requests

void EditorWindow::set_text(const TextSettings& text) {
    // A change of the text itself shows it in the drawing colour of the moment.
    if (text.text != state_.text.text) state_.overlay.text_colour = state_.colour;
    state_.text = text;
    lbl_pnt_5.set_caption(text.text);
    lbl_pnt_5.set_font(text.font);
    lbl_pnt_5.set_fore_colour(state_.overlay.text_colour);
    fit_to_text(lbl_pnt_5, windows_.platform().text);
}

bool EditorWindow::insert_text() {
    if (effect_running_) return false;
    if (vis::insert_text(canvas_, state_, windows_.platform().painter)) {
        lbl_pnt_5.set_caption("");
        show_overlay(state_.overlay);
        refresh_navigator();
        record();
    }
    return true;
}

// --- the effects dialog's requests

void EditorWindow::set_minimised(bool minimised) {
    set_window_state(minimised ? WindowState::minimised : WindowState::normal);
}

EffectEnd EditorWindow::run_effect(EffectFn effect, const EffectPacing& pacing, const std::function<void()>& start) {
    if (effect_running_ || !state_.overlay.selection) return EffectEnd::stopped;
    // Marked before any event runs, so that no close lets the editor go under the effect.
    effect_running_ = true;
    const Rect selection = *state_.overlay.selection;
    const std::uint64_t picture = canvas_.picture_count();
    if (start) start();
    const EffectPacing own{[&] {
                               const bool go = !pacing.keep_going || pacing.keep_going();
                               return go && !close_after_effect_;
                           },
                           pacing.progress};
    // Closed or given another picture while the caller let events run: nothing to work on.
    const bool gone = close_after_effect_ || canvas_.picture_count() != picture;
    const EffectEnd end = gone ? EffectEnd::stopped : effect(canvas_, selection, own);
    effect_running_ = false;
    // What a stopped run did is one action too.
    if (end == EffectEnd::completed)
        refresh_navigator();
    else
        show_drawing();
    record();
    if (close_after_effect_) close_now();
    return end;
}

bool EditorWindow::crop() {
    if (effect_running_ || !state_.overlay.selection) return false;
    const Rect& s = *state_.overlay.selection;
    const int left = static_cast<int>(canvas_.to_px(s.left)), top = static_cast<int>(canvas_.to_px(s.top));
    const int right = static_cast<int>(canvas_.to_px(s.left + s.width));
    const int bottom = static_cast<int>(canvas_.to_px(s.top + s.height));
    // A selection narrower than a pixel still keeps the pixel it lies in.
    if (history_.crop(canvas_, {left, top, std::max(right - left, 1), std::max(bottom - top, 1)})) {
        resized();
        state_.overlay.selection = Rect{0, 0, canvas_.width(), canvas_.height()};
        show_overlay(state_.overlay);
    }
    return true;
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
    // Not amid a stroke nor while an effect works on the canvas.
    if (state_.pressed || effect_running_) return;
    const int width = canvas_.width_px(), height = canvas_.height_px();
    show_history_step(history_.undo(canvas_), width, height);
}

void EditorWindow::redo() {
    if (state_.pressed || effect_running_) return;
    const int width = canvas_.width_px(), height = canvas_.height_px();
    show_history_step(history_.redo(canvas_), width, height);
}

void EditorWindow::show_history_step(const PixelRect& changed, int old_width, int old_height) {
    if (changed.empty()) return;
    if (canvas_.width_px() == old_width && canvas_.height_px() == old_height) return refresh_navigator();
    resized();
    // A selection made on the other size would point elsewhere on this one.
    state_.overlay.selection.reset();
    show_overlay(state_.overlay);
}

}  // namespace vis
