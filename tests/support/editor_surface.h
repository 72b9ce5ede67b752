#pragma once
// What a player does with the editor and its two dialogs and sees on them, in the player's words:
// the buttons by the captions on them, strokes on the canvas between drawing points, the keys,
// the pixels drawn, what lies over and beside the canvas, and the dialogs' choices. Tests go
// through it, so reshaping the windows' controls changes this file, not the tests.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editor_window/editor_window.h"
#include "editor_window/effects_dialog.h"
#include "editor_window/text_dialog.h"
#include "support/app_fixture.h"
#include "ui/keys.h"

namespace vis::test {

// The pointer lies 236.5 twips right of and below the drawing point (16-pixel tool pictures);
// a pointer at p + kAhead draws at p - 0.5.
constexpr int kAhead = 237;

// The editor's buttons as the player reads them.
namespace editor_button {
inline const std::string kSelect = "選択";
inline const std::string kPencil = "鉛筆";
inline const std::string kLine = "直線";
inline const std::string kFill = "塗り潰し";
inline const std::string kText = "文字";
inline const std::string kEffects = "効果";
inline const std::string kClearAll = "全クリア";
inline const std::string kSave = "保存";
}  // namespace editor_button

// The effects dialog's buttons as the player reads them.
namespace effects_button {
inline const std::string kMosaic = "モザイク";
inline const std::string kBlur = "ぼかし";
inline const std::string kMonochrome = "モノクロ";
inline const std::string kNegative = "ネガポジ";
inline const std::string kBreak = "中断";
inline const std::string kCrop = "切り抜き";
inline const std::string kClose = "閉じる";
}  // namespace effects_button

class EffectsSurface {
public:
    EffectsSurface(EffectsDialog& dialog, ScriptedPrompts& prompts) : d_(dialog), prompts_(prompts) {}
    EffectsDialog& window() { return d_; }
    bool shown() const { return d_.visible(); }
    // A click on the button with this caption; whether it can be clicked.
    void click(const std::string& caption);
    bool enabled(const std::string& caption) const;
    // Clicks a button and answers the message it ends with (the effect's end, or no selection);
    // returns its text, "" when none was asked.
    std::string run(const std::string& caption);
    int progress() const { return d_.pgb.value(); }
    // The close box; "閉じる" is a click.
    void close() { d_.request_close(); }

private:
    EffectsDialog& d_;
    ScriptedPrompts& prompts_;
};

class TextSurface {
public:
    explicit TextSurface(TextDialog& dialog) : d_(dialog) {}
    bool shown() const { return d_.visible(); }
    std::string caption() const { return d_.caption(); }
    // The text to print; typing replaces it.
    std::string text() const { return d_.txt_5.text(); }
    void type(const std::string& text) { type_text(d_.txt_5, text); }
    bool typing_has_focus() const { return d_.focus() == &d_.txt_5; }
    // The fonts offered, and the one and the style chosen.
    std::vector<std::string> fonts() const { return d_.cmb_font.items(); }
    std::string font() const { return d_.cmb_font.text(); }
    std::string style() const { return d_.cmb_style.text(); }
    // Chooses one of the fonts or styles offered, by its name.
    void choose_font(const std::string& name);
    void choose_style(const std::string& name);
    // The size box: what is typed, and what it then reads.
    void type_size(const std::string& typed) { type_text(d_.txt_size, typed); }
    std::string size() const { return d_.txt_size.text(); }
    bool outlined() const { return d_.chk_outline.value(); }
    void switch_outline() { vis::test::click(d_.chk_outline); }
    // "ＯＫ" prints the text.
    void ok() { vis::test::click(d_.cmd_ok); }
    // The close box.
    void close() { d_.request_close(); }

private:
    TextDialog& d_;
};

class EditorSurface {
public:
    explicit EditorSurface(App& app) : app_(app) {}
    // The editor open now (a close and a new opening make another); a test fails without one.
    EditorWindow& window() const;
    bool open() const { return app_.form->windows().loaded<EditorWindow>() != nullptr; }
    bool shown() const { return window().visible(); }
    WindowState state() const { return window().window_state(); }
    void close() { window().request_close(); }

    // --- the buttons beside the canvas, by their captions, and whether they can be clicked
    void click(const std::string& caption);
    // Drags a selection with "選択" from one drawing point to another.
    void select(int x1, int y1, int x2, int y2);
    // "描画色" opens the colour dialog, answered with this colour.
    void pick_colour(Colour colour);
    // "全クリア", its question answered so.
    void clear_all(MsgResult answer);
    // "保存" answered with this path, and the message that ends it answered; returns its text.
    std::string save_as(const std::string& path);
    // The tool as its picture and the pointer show it, the drawing colour, the pen width.
    std::string tool_picture() const { return window().img_cur.resource(); }
    std::string pointer_picture() const { return window().pct_ss.mouse_icon().resource; }
    Colour colour_shown() const { return window().lbl_pnt_color.back_colour(); }
    int width_shown() const { return window().scr_width.value(); }
    // The pen width: a click on the scroll bar; a drag of its thumb, held or let go.
    void set_width(int width) { scroll_to(window().scr_width, width); }
    void drag_width(const std::vector<int>& values) { drag_thumb(window().scr_width, values); }
    void hold_width_thumb_at(int width) { window().scr_width.drag_to(width); }
    void let_go_width_thumb() { window().scr_width.end_drag(); }
    // The number shown beside the thumb while it is dragged.
    std::optional<std::string> width_tip() const;

    // --- the pointer on the canvas, at drawing points in twips
    // Presses at the first point, moves through the others and lets go at the last.
    void stroke(std::initializer_list<std::pair<int, int>> points);
    void press_at(int x, int y) { mouse_down(window().pct_ss, button::kLeft, x + kAhead, y + kAhead); }
    void move_to(int x, int y, int held = 1) { mouse_move(window().pct_ss, x + kAhead, y + kAhead, held); }
    void release_at(int x, int y, int b = button::kLeft) { mouse_up(window().pct_ss, b, x + kAhead, y + kAhead); }
    // A right press at a drawing point opens the pop-up menu, answered by choosing the entry of
    // that name ("" none).
    void popup(int x, int y, const std::string& entry);
    // Ctrl+Z undoes, Ctrl+Y redoes.
    void press(int key_code, int shift = 0) { press_key(window(), key_code, shift); }
    void undo() { press('Z', shift::kCtrl); }
    void redo() { press('Y', shift::kCtrl); }

    // --- the canvas: its pixels, and where it lies in the viewport
    Picture picture() const { return window().canvas().image(); }
    std::vector<std::uint32_t> pixels() const { return *picture().pixels; }
    // The colour of the pixel holding a drawing point; -1 off the canvas.
    std::int32_t colour_at(double x, double y) const;
    std::pair<int, int> size_px() const;
    Rect canvas_box() const { return window().pct_ss.bounds(); }
    Rect viewport_box() const { return window().frm_pct.bounds(); }
    // What lies over the canvas: the selection, the straight line being drawn and its width, the
    // text to print and where.
    std::optional<Rect> selection() const;
    std::optional<Rect> line() const;
    int line_width() const { return window().lne_str.border_width(); }
    std::optional<Rect> text_preview_box() const;
    std::string text_preview() const { return window().lbl_pnt_5.caption(); }
    Colour text_preview_colour() const { return window().lbl_pnt_5.fore_colour(); }
    Font text_preview_font() const { return window().lbl_pnt_5.font(); }

    // --- the navigator: its picture, where it lies, the view rectangle on it, and drags on it
    const Picture& navigator() const { return window().img_pre.picture(); }
    Rect navigator_box() const { return window().img_pre.bounds(); }
    Rect view_box() const { return window().shp_pos.bounds(); }
    void press_on_navigator(int x, int y) { mouse_down(window().img_pre, button::kLeft, x, y); }
    void move_on_navigator(int x, int y, int held = 0) { mouse_move(window().img_pre, x, y, held); }
    void release_on_navigator(int x, int y) { mouse_up(window().img_pre, button::kLeft, x, y); }

    // --- the model's own answers
    const EditorDocument& document() const { return window().document(); }
    const History& history() const { return window().history(); }

    // --- the dialogs: the one open now (a test fails without it), and whether one is loaded
    EffectsSurface effects() const;
    // "効果".
    EffectsSurface open_effects();
    TextSurface text_dialog() const;
    bool text_dialog_loaded() const { return app_.form->windows().loaded<TextDialog>() != nullptr; }

private:
    App& app_;
};

}  // namespace vis::test
