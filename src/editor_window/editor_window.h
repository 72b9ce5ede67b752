#pragma once
// The editor: one screenshot on a canvas to draw on, shown a quarter at a time in a viewport that
// the navigator scrolls, with the drawing tools beside it. It never touches the screenshot file.
#include <string>

#include "core/window_owner.h"
#include "editor/canvas.h"
#include "editor/canvas_tool.h"
#include "editor/history.h"
#include "editor/thumbnail.h"
#include "editor_window/editor_access.h"
#include "ui/control.h"
#include "ui/form.h"

namespace vis {

class EditorWindow : public Form, public EditorAccess {
public:
    explicit EditorWindow(WindowOwner& windows);

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
    Timer tmr_cancel_tool;

    // 1 while a button is held on the navigator.
    int pre_drag = 0;

    // Shows the editor with this picture (not empty) on the canvas, sizes the navigator, the
    // view rectangle and the viewport for it, and starts the undo history afresh.
    void open(const Picture& picture);
    Canvas& canvas() { return canvas_; }
    const History& history() const { return history_; }
    // Shows on screen what was drawn on the canvas since the last call.
    void show_drawing();
    // Gives the navigator the canvas image as it is now.
    void refresh_navigator();

    // --- what the dialogs may ask
    const EditorState& state() const override { return state_; }
    void set_text(const TextSettings& text) override;
    bool insert_text() override;
    void set_minimised(bool minimised) override;
    EffectEnd run_effect(EffectFn effect, const EffectPacing& pacing, const std::function<void()>& start) override;
    bool effect_running() const override { return effect_running_; }
    bool crop() override;

    // --- handlers
    bool on_close_request();
    void start_navigator_drag();
    void drag_navigator(int x, int y);
    void end_navigator_drag();
    void press_on_canvas(int button, int x, int y);
    void move_on_canvas(int x, int y);
    void release_on_canvas(int x, int y);
    void choose_tool(Button& button, ToolKind tool);
    void fill_selected();
    void clear_all();
    void open_effects();
    void save();
    void choose_colour();
    void show_width();
    void set_width();
    void cancel_tool();
    // Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo; true when the key was one of them.
    bool handle_shortcut(int key_code, int shift);
    void undo();
    void redo();

private:
    void lay_out();
    void wire_events();
    // The drawing point for a pointer position on the canvas.
    double point_x(int x) const;
    double point_y(int y) const;
    // The canvas shown, the navigator, view rectangle and viewport sized for its size.
    void size_to_canvas();
    // After the canvas changed size: sized for it and scrolled back to its top-left corner.
    void resized();
    // Shows what undo or redo changed, the new size included.
    void show_history_step(const PixelRect& changed, int old_width, int old_height);
    // The window's client area grows to hold a large viewport.
    void fit_client_area();
    // Draws what lies over the canvas.
    void show_overlay(const Overlay& overlay);
    // After a tool's event: the canvas changed, or not, and what lies over it.
    void show_result(const ToolResult& result);
    // The canvas's changes since the last action become one action to undo.
    void record();
    // Shows the main window again and lets the editor go.
    void close_now();

    WindowOwner& windows_;
    Canvas canvas_;
    History history_;
    EditorState state_;
    bool effect_running_ = false;
    // Asked to close while an effect ran: it closes once the effect has stopped.
    bool close_after_effect_ = false;
    Thumbnail thumbnail_;
    // Drawn on the canvas but not yet in the navigator.
    PixelRect navigator_pending_;
};

}  // namespace vis
